// The address tags around an import: whatever index the address file had, the import leaves the
// 21 address tags defined in its index file and the header marked until they are built, so an
// import that never gets to build them leaves a file whose next open does.
#include <QFileInfo>
#include <functional>

#include "data/AddressLayout.h"
#include "import/AsciiImport.h"
#include "import/ImportTags.h"
#include "support/AddressFileFixture.h"
#include "support/ImportTestSupport.h"
#include "support/TableBytes.h"
#include "xbase/Table.h"

namespace rp {
namespace {

using ImportTagsAsideTest = AddressFileFixture;

TEST_F(ImportTagsAsideTest, AnImportLeftWithoutItsTagRebuildIsRepairedAtTheNextOpen) {
    const struct {
        const char* name;
        std::function<void(xbase::Table&)> index;
    } cases[] = {
        {"the address tags", [](xbase::Table&) {}},
        {"no index file", [](xbase::Table& t) { t.deleteIndexes(); }},
        {"other tags",
         [](xbase::Table& t) {
             t.deleteIndexes();
             t.createTag("TOWN", "CITY");
         }},
    };
    const QString text = writeTextFile(dir, "in.txt", "Smith,Ann\r\nAdams,Bob\r\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = QString::fromStdString(dir.file(std::string(c.name) + ".DBF"));
        ASSERT_TRUE(createAddressFile(path, table));
        add({{"LNAME", "Existing"}});
        c.index(table.table());
        const auto result = importAsciiFile(table.table(), text, layoutOf({"Last", "First"}));
        EXPECT_EQ(result.outcome, AsciiImportResult::Outcome::Complete);
        EXPECT_FALSE(table->hasStructuralIndex());
        table.close();

        EXPECT_TRUE(rp::markedIncomplete(path));
        EXPECT_TRUE(QFileInfo::exists(QString(path).replace(".DBF", ".CDX")));

        AddressFileResult opened = openAddressTable(path, table);
        ASSERT_TRUE(opened.ok);
        EXPECT_EQ(opened.notices,
                  QStringList{QStringLiteral("The file ") + path +
                              QStringLiteral(" was not closed properly. Its indexes have been "
                                             "rebuilt.")});
        EXPECT_EQ(table->orderCount(), 21);
        table->setOrder("LNAME");
        EXPECT_EQ(walk(), (std::vector<std::uint32_t>{3, 1, 2}));
        table.close();
    }
}

TEST_F(ImportTagsAsideTest, TheRebuildAtTheEndBuildsTheTagsSetAsideAndClearsTheMark) {
    add({{"LNAME", "Existing"}});
    const QString text = writeTextFile(dir, "in.txt", "Smith,Ann\r\nAdams,Bob\r\n");
    importAsciiFile(table.table(), text, layoutOf({"Last", "First"}));
    EXPECT_TRUE(markedOnDisk());
    ASSERT_TRUE(rebuildImportedTags(table, [](int) {}));
    EXPECT_FALSE(markedOnDisk());
    EXPECT_EQ(table->orderCount(), 21);
    table->setOrder("LNAME");
    EXPECT_EQ(walk(), (std::vector<std::uint32_t>{3, 1, 2}));
    EXPECT_EQ(shown.texts(), QStringList{});
}

}  // namespace
}  // namespace rp

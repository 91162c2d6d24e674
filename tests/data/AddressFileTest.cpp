// Creating and opening address files: layouts that open and fail, the tag check and the
// exact messages they hand back for the user.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <vector>

#include "data/AddressFile.h"
#include "data/AddressLayout.h"
#include "support/TableBytes.h"
#include "support/TempDir.h"

namespace rp {
namespace {

class AddressFileTest : public ::testing::Test {
  protected:
    QString path(const char* name) const { return QString::fromStdString(dir.file(name)); }

    // An address layout with one field changed or left out.
    void createWith(const QString& p, const std::string& field, char type, int width,
                    bool drop = false) {
        std::vector<xbase::FieldSpec> fields;
        for (auto f : addressFields()) {
            if (f.name == field) {
                if (drop) continue;
                f.type = type;
                f.width = width;
            }
            fields.push_back(f);
        }
        engine.create(enginePath(p), fields);
    }

    // Gathers what a call hands back for the user, in order, and answers whether it worked.
    bool kept(const AddressFileResult& result) {
        return result.tell([this](const QString& text) { told << text; });
    }

    TempDir dir;
    xbase::Engine engine;
    QStringList told;
    AddressTable table{engine};
};

TEST_F(AddressFileTest, NewFileHasTheLayoutAndTheTwentyOneTagsInOrder) {
    ASSERT_TRUE(kept(createAddressFile(path("RAVENP1.DBF"), table)));
    ASSERT_TRUE(table.isOpen());
    EXPECT_EQ(table->fieldCount(), 20);
    EXPECT_EQ(table->field(8).width, 20);
    ASSERT_EQ(table->orderCount(), 21);
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(table->tagName(i + 1), addressTags()[static_cast<std::size_t>(i)].name);
        table->setOrder(i + 1);
        EXPECT_EQ(table->orderKeyExpression(), addressTags()[static_cast<std::size_t>(i)].key);
    }
    EXPECT_TRUE(QFile::exists(path("RAVENP1.cdx")) || QFile::exists(path("RAVENP1.CDX")));
    EXPECT_TRUE(told.isEmpty());
    EXPECT_EQ(getDatabasePath(table), QString::fromStdString(dir.path()) + "/");
}

TEST_F(AddressFileTest, OpeningChecksTheLayout) {
    createWith(path("FOUR.DBF"), "STATE", 'C', 4);
    EXPECT_TRUE(kept(openAddressTable(path("FOUR.DBF"), table)));

    createWith(path("FIFTEEN.DBF"), "STATE", 'C', 15);
    EXPECT_FALSE(kept(openAddressTable(path("FIFTEEN.DBF"), table)));
    EXPECT_FALSE(table.isOpen());

    createWith(path("NOBEGIN.DBF"), "BEGIN", 'L', 1, true);
    EXPECT_TRUE(kept(openAddressTable(path("NOBEGIN.DBF"), table)));

    createWith(path("NOFAX.DBF"), "FAX", 'C', 30, true);
    EXPECT_FALSE(kept(openAddressTable(path("NOFAX.DBF"), table)));
    createWith(path("WIDECITY.DBF"), "CITY", 'C', 31);
    EXPECT_FALSE(kept(openAddressTable(path("WIDECITY.DBF"), table)));
    createWith(path("TEXTDATE.DBF"), "DATE", 'C', 8);
    EXPECT_FALSE(kept(openAddressTable(path("TEXTDATE.DBF"), table)));
    EXPECT_TRUE(told.isEmpty());
}

TEST_F(AddressFileTest, FailuresSayWhatHappened) {
    const QString missing = path("GONE.DBF");
    EXPECT_FALSE(kept(openAddressFileChecked(missing, table)));
    EXPECT_EQ(told, QStringList({"File " + missing + " not found",
                                 "Unable to open " + missing +
                                     "\r\n\r\n * May not an Ravenpost file.\r\n * May be in use by "
                                     "another program or user"}));

    told.clear();
    createWith(path("ODD.DBF"), "STATE", 'C', 15);
    EXPECT_FALSE(kept(openAddressFileChecked(path("ODD.DBF"), table)));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith("Unable to open " + path("ODD.DBF")));

    told.clear();
    ASSERT_TRUE(QDir().mkdir(path("SUB.DBF")));
    const AddressFileResult failed = createAddressFile(path("SUB.DBF"), table);
    EXPECT_FALSE(kept(failed));
    // The prescribed text, then the engine's on a line of its own.
    EXPECT_FALSE(failed.cause.isEmpty());
    EXPECT_EQ(told, QStringList({"Create failed\r\n" + failed.cause}));
}

TEST_F(AddressFileTest, TagCheckNeedsTheFirstEighteenOnly) {
    ASSERT_TRUE(kept(createAddressFile(path("A.DBF"), table)));
    for (const char* tag : {"JUSTSEQNO", "SEQNO", "STATEZIP"}) table->dropTag(tag);
    ASSERT_TRUE(kept(openAddressFileChecked(path("A.DBF"), table)));
    EXPECT_EQ(table->orderTagName(), "LNAME");
    EXPECT_TRUE(told.isEmpty());

    table->dropTag("DELETED");
    ASSERT_TRUE(kept(openAddressFileChecked(path("A.DBF"), table)));
    EXPECT_EQ(table->order(), 0);
    EXPECT_EQ(told, QStringList({"The index file for " + path("A.DBF") +
                                 "\r\nis missing or invalid. Please select [Rebuild Indexes]\r\n"
                                 "from the [File] menu"}));
}

TEST_F(AddressFileTest, RecreatingTagsLeavesNoStaleTag) {
    ASSERT_TRUE(kept(createAddressFile(path("A.DBF"), table)));
    table->createTag("EXTRA", "UPPER(CITY)");
    table->appendBlank();
    table->setText("LNAME", "Brown");
    table->post();
    ASSERT_TRUE(kept(createAddressTags(table)));
    EXPECT_EQ(table->orderCount(), 21);
    EXPECT_EQ(table->orderNumber("EXTRA"), 0);
    table->setOrder("LNAME");
    EXPECT_TRUE(table->seek("BROWN"));
}

TEST_F(AddressFileTest, DamagedIndexOpensForRebuilding) {
    ASSERT_TRUE(kept(createAddressFile(path("A.DBF"), table)));
    const QString cdx = QFile::exists(path("A.cdx")) ? path("A.cdx") : path("A.CDX");
    table.close();
    QFile f(cdx);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray(100, 'x'));
    f.close();
    ASSERT_TRUE(kept(openAddressFileChecked(path("A.DBF"), table)));
    EXPECT_EQ(table->order(), 0);
    EXPECT_EQ(told.size(), 1);
    ASSERT_TRUE(kept(createAddressTags(table)));
    EXPECT_EQ(table->orderCount(), 21);
}

TEST_F(AddressFileTest, AFileNotClosedProperlyHasItsIndexesRebuiltAndSaysSo) {
    // The index on disk lags the records (it misses Zed) and the header carries the mark a
    // writer leaves while its changes are not all written.
    ASSERT_TRUE(kept(createAddressFile(path("A.DBF"), table)));
    const QString cdx = QFile::exists(path("A.cdx")) ? path("A.cdx") : path("A.CDX");
    table.close();
    ASSERT_TRUE(QFile::copy(cdx, path("OLD.CDX")));
    ASSERT_TRUE(kept(openAddressFileChecked(path("A.DBF"), table)));
    table->appendBlank();
    table->setText("LNAME", "Zed");
    table->commit();
    table.close();
    ASSERT_TRUE(QFile::remove(cdx) && QFile::copy(path("OLD.CDX"), cdx));
    ASSERT_TRUE(rp::markIncomplete(path("A.DBF")));

    std::vector<int> gauge;
    ASSERT_TRUE(kept(openAddressFileChecked(path("A.DBF"), table, [&](int percent) {
        gauge.push_back(percent);
        return true;
    })));
    EXPECT_EQ(told, QStringList{"The file " + path("A.DBF") +
                                " was not closed properly. Its indexes have been rebuilt."});
    ASSERT_FALSE(gauge.empty());
    EXPECT_EQ(gauge.back(), 100);
    EXPECT_EQ(table->orderTagName(), "LNAME");
    EXPECT_TRUE(table->seek("ZED"));

    // Told once: the next open finds the file in order.
    told.clear();
    table.close();
    ASSERT_TRUE(kept(openAddressFileChecked(path("A.DBF"), table)));
    EXPECT_TRUE(told.isEmpty());
}

TEST_F(AddressFileTest, AFileTheEngineCannotOpenSaysWhyOnTheLastLine) {
    QFile garbage(path("JUNK.DBF"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(10, 'x'));
    garbage.close();
    const AddressFileResult result = openAddressFileChecked(path("JUNK.DBF"), table);
    EXPECT_FALSE(result);
    EXPECT_FALSE(table.isOpen());
    ASSERT_FALSE(result.cause.isEmpty());
    EXPECT_EQ(result.notices,
              QStringList{"Unable to open " + path("JUNK.DBF") +
                          "\r\n\r\n * May not an Ravenpost file.\r\n * May be in use by "
                          "another program or user\r\n" +
                          result.cause});
}

TEST_F(AddressFileTest, ASideTableNotClosedProperlyHasANoticeForTheCallerOnce) {
    const QString side = path("SIDE.DBF");
    engine.create(enginePath(side), {{"NAME", 'C', 10, 0}});
    {
        auto t = engine.open(enginePath(side), xbase::OpenMode::Exclusive);
        t->createTag("NAME", "UPPER(NAME)");
    }
    ASSERT_TRUE(rp::markIncomplete(side));

    auto opened = openSideTable(engine, side);
    ASSERT_TRUE(opened);
    EXPECT_EQ(indexRebuiltNotice(*opened, side),
              "The file " + side + " was not closed properly. Its indexes have been rebuilt.");
    opened.reset();
    opened = openSideTable(engine, side);
    EXPECT_EQ(indexRebuiltNotice(*opened, side), std::nullopt);
}

}  // namespace
}  // namespace rp

// An address file that cannot be written: the open for work says why and leaves the offer to
// the caller; the read-only open shows the records without changing a byte of the files.
#include <gtest/gtest.h>

#include <QFile>

#include "data/AddressFile.h"
#include "support/TableBytes.h"
#include "support/TempDir.h"
#include "xbase/WriteFaults.h"

namespace rp {
namespace {

class ReadOnlyAddressFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(createAddressFile(file, table));
        table->appendBlank();
        table->setText("LNAME", "Brown");
        table->commit();
        table.close();
    }
    void TearDown() override { xbase::WriteFaults::off(); }

    QByteArray bytes(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempDir dir;
    QString file = QString::fromStdString(dir.file("LIST.DBF"));
    xbase::Engine engine;
    AddressTable table{engine};
};

TEST_F(ReadOnlyAddressFileTest, EachFileThatCannotBeWrittenRefusesTheOpenForWorkWithItsCause) {
    // The table, its memo and its index: each alone refuses writing.
    const struct {
        const char* pathEnd;
        QString refused;
    } cases[] = {{"LIST.DBF", "LIST.DBF"}, {".FPT", "LIST.FPT"}, {".CDX", "LIST.CDX"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pathEnd);
        xbase::WriteFaults::refuseWritableOpens(EROFS, c.pathEnd);
        const AddressFileResult result = openAddressFileChecked(file, table);
        EXPECT_FALSE(result);
        EXPECT_TRUE(result.writeRefused);
        EXPECT_TRUE(result.notices.isEmpty());
        EXPECT_FALSE(table.isOpen());
        const QString refused = QString::fromStdString(dir.file(c.refused.toStdString()));
        EXPECT_EQ(result.cause, "Cannot open " + refused + " for writing: Read-only file system");
        EXPECT_EQ(readOnlyOpenQuestion(file, result.cause),
                  "Ravenpost cannot save changes to " + file +
                      ": the file, its memo or index file, or its folder is read-only.\r\n\r\n"
                      "Open it read-only? You can browse, search and print its records, but "
                      "not add, change or delete them.\r\n" +
                      result.cause);

        const AddressFileResult readOnly =
            openAddressFileChecked(file, table, {}, xbase::OpenMode::ReadOnly);
        EXPECT_TRUE(readOnly);
        EXPECT_TRUE(readOnly.notices.isEmpty());
        EXPECT_EQ(table->orderTagName(), "LNAME");
        EXPECT_EQ(table->text("LNAME").substr(0, 5), "Brown");
        table.close();
    }
}

TEST_F(ReadOnlyAddressFileTest, AFileNotClosedProperlyOpensReadOnlyInRecordOrderUntouched) {
    ASSERT_TRUE(rp::markIncomplete(file));
    const QString cdx = QString::fromStdString(dir.file("LIST.CDX"));
    const QByteArray dbfBefore = bytes(file), cdxBefore = bytes(cdx);

    const AddressFileResult result =
        openAddressFileChecked(file, table, {}, xbase::OpenMode::ReadOnly);
    ASSERT_TRUE(result);
    EXPECT_EQ(result.notices,
              QStringList{"The index file for " + file +
                          " is missing or out of date, and it cannot be rebuilt while the file "
                          "is open read-only. The records are shown in the order they were "
                          "added."});
    EXPECT_EQ(table->orderCount(), 0);
    EXPECT_EQ(table->text("LNAME").substr(0, 5), "Brown");
    table.close();
    EXPECT_EQ(bytes(file), dbfBefore);
    EXPECT_EQ(bytes(cdx), cdxBefore);
}

}  // namespace
}  // namespace rp

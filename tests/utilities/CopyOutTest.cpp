// Copying records out: the comma-delimited bytes, the DBF copy's values, the memo and date
// rules, the checks on the chosen name, and that a stopped copy leaves no file behind.
#include <QDir>
#include <QFile>

#include "data/AddressLayout.h"
#include "support/AddressFileFixture.h"
#include "support/FileSizeLimitScope.h"
#include "utilities/CopyOut.h"
#include "utilities/CopyTarget.h"

namespace rp {
namespace {

QString dtos(xbase::JulianDay day) {
    return day ? QStringLiteral("<%1>").arg(QString::fromStdString(xbase::toDtos(day))) : QString();
}

class CopyOutTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        add({{"PREFIX", "Mr."},
             {"FNAME", "Jos\xE9"},
             {"MIDDLE", "Q"},
             {"LNAME", "O\"Hara"},
             {"TITLE", "Chief"},
             {"ORG", "Acme, Inc."},
             {"STREET", "1 Main St"},
             {"CITY", "Boston"},
             {"STATE", "MA"},
             {"ZIP", "02101"},
             {"COUNTRY", "USA"},
             {"PHONE", "555-1234"},
             {"EMAIL", "jo@acme.com"},
             {"FAX", "555-9"},
             {"NOTES", "VIP"},
             {"CARRIER", "C001"},
             {"SEQNO", "42"}});
        table->setDate("DATE", xbase::julianDay(2024, 3, 5));
        table->setMemo("MEMO", "1234\r\n78");  // 8 characters
        table->post();
        add({{"LNAME", "Baker"}});
        table->setMemo("MEMO", "1234\r\n7");  // 7 characters
        table->post();
        add({{"LNAME", "Zed"}, {"PREFIX", "DELETED"}});
        table->setFilter(kStandingCondition.toStdString());
        table->goTop();
    }
    QString target(const char* name) const { return QString::fromStdString(dir.file(name)); }
    QStringList folderFiles() const {
        return QDir(QString::fromStdString(dir.path())).entryList(QDir::Files, QDir::Name);
    }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

TEST_F(CopyOutTest, TextCopyWritesSixteenQuotedFieldsAndCrLfInTheViewsOrder) {
    const CopyResult r = copyToAscii(table.table(), target("OUT.TXT"), dtos);
    EXPECT_EQ(r.status, CopyResult::Status::Copied);
    EXPECT_EQ(r.records, 2u);
    EXPECT_EQ(
        contents(target("OUT.TXT")),
        QByteArray(
            "\"\",\"\",\"\",\"Baker\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
            "\"\"\r\n"
            "\"Mr.\",\"Jos\xE9\",\"Q\",\"O\"Hara\",\"Chief\",\"Acme, Inc.\",\"1 Main "
            "St\",\"Boston\",\"MA\","
            "\"02101\",\"USA\",\"555-1234\",\"jo@acme.com\",\"555-9\",\"<20240305>\",\"VIP\"\r\n"));
    EXPECT_EQ(folderFiles(), (QStringList{"BROWSE.CDX", "BROWSE.DBF", "BROWSE.FPT", "OUT.TXT"}));
}

TEST_F(CopyOutTest, DbfCopyCarriesTheFieldsAndTheMemoRuleButNotSeqnoOrCarrier) {
    QFile(target("OUT.CDX")).open(QIODevice::WriteOnly);  // left from an earlier file of that name
    const CopyResult r = copyToDbf(table.table(), target("OUT.DBF"));
    ASSERT_EQ(r.status, CopyResult::Status::Copied) << r.error.toStdString();
    EXPECT_EQ(folderFiles(),
              (QStringList{"BROWSE.CDX", "BROWSE.DBF", "BROWSE.FPT", "OUT.DBF", "OUT.FPT"}));

    auto copy = engine.open(dir.file("OUT.DBF"));
    ASSERT_EQ(copy->recordCount(), 2u);
    copy->go(1);
    EXPECT_EQ(copy->text("LNAME"), "Baker");
    EXPECT_EQ(copy->date("DATE"), 0);
    EXPECT_TRUE(copy->isEmpty(copy->fieldNumber("DATE")));
    EXPECT_EQ(copy->memo("MEMO"), "1234\r\n7");
    copy->go(2);
    for (const char* f : {"PREFIX", "FNAME", "MIDDLE", "LNAME", "TITLE", "ORG", "STREET", "CITY",
                          "STATE", "ZIP", "COUNTRY", "PHONE", "EMAIL", "FAX", "NOTES"}) {
        table->go(1);
        EXPECT_EQ(copy->text(f), table->text(f)) << f;
    }
    EXPECT_EQ(copy->date("DATE"), xbase::julianDay(2024, 3, 5));
    EXPECT_EQ(copy->memo("MEMO"), "1234\r\n78 ");
    EXPECT_EQ(copy->text("SEQNO"), "");
    EXPECT_EQ(copy->text("CARRIER"), "");
}

TEST_F(CopyOutTest, AStoppedOrRefusedCopyLeavesTheChosenNameAsItWas) {
    {
        QFile old(target("OUT.TXT"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    const BulkHooks stop{{}, [] { return false; }};
    EXPECT_EQ(copyToAscii(table.table(), target("OUT.TXT"), dtos, stop).status,
              CopyResult::Status::Stopped);
    EXPECT_EQ(copyToDbf(table.table(), target("NEW.DBF"), stop).status,
              CopyResult::Status::Stopped);
    EXPECT_EQ(contents(target("OUT.TXT")), "old");
    EXPECT_EQ(folderFiles(), (QStringList{"BROWSE.CDX", "BROWSE.DBF", "BROWSE.FPT", "OUT.TXT"}));

    const QByteArray before = contents(target("BROWSE.DBF"));
    EXPECT_EQ(copyToAscii(table.table(), target("browse.dbf"), dtos).status,
              CopyResult::Status::Failed);
    EXPECT_EQ(copyToDbf(table.table(), target("browse.fpt")).status, CopyResult::Status::Failed);
    EXPECT_EQ(contents(target("BROWSE.DBF")), before);
    EXPECT_EQ(copyToDbf(table.table(), target("NOFOLDER/X.DBF")).status,
              CopyResult::Status::Failed);
}

// A disk that fills during the copy (here a limit on the size of files, whose writes fail as
// on a full disk) ends it with the file and the cause, and leaves the chosen name as it was.
TEST_F(CopyOutTest, ACopyThatCannotBeWrittenWholeSaysWhyAndLeavesNothing) {
    {
        QFile old(target("OUT.TXT"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    CopyResult text, dbf;
    {
        const FileSizeLimitScope limit(100);
        text = copyToAscii(table.table(), target("OUT.TXT"), dtos);
        dbf = copyToDbf(table.table(), target("NEW.DBF"));
    }
    EXPECT_EQ(text.status, CopyResult::Status::Failed);
    EXPECT_EQ(text.error, "The file " + QDir::toNativeSeparators(target("OUT.TXT")) +
                              " cannot be written: File too large");
    EXPECT_EQ(dbf.status, CopyResult::Status::Failed);
    EXPECT_TRUE(
        dbf.error.startsWith("Cannot write " + QString::fromStdString(dir.path()) + "/~copy"))
        << dbf.error.toStdString();
    EXPECT_TRUE(dbf.error.endsWith(".dbf: File too large")) << dbf.error.toStdString();
    EXPECT_EQ(contents(target("OUT.TXT")), "old");
    EXPECT_EQ(folderFiles(), (QStringList{"BROWSE.CDX", "BROWSE.DBF", "BROWSE.FPT", "OUT.TXT"}));
}

TEST_F(CopyOutTest, ChosenNamesAreCheckedWithTheExactMessages) {
    EXPECT_EQ(checkCopyTarget(CopyKind::Dbf, target("OUT.TXT"), table.table()), kNoCopyTarget);
    EXPECT_EQ(checkCopyTarget(CopyKind::Dbf, target("browse.dbf"), table.table()), kNoCopyTarget);
    EXPECT_EQ(checkCopyTarget(CopyKind::Ascii, target("Browse.Fpt"), table.table()), kNoCopyTarget);
    EXPECT_EQ(checkCopyTarget(CopyKind::Ascii, target("OUT.TXT"), table.table()),
              target("OUT.TXT"));
    EXPECT_EQ(checkCopyTarget(CopyKind::Dbf, target("out.dbf"), table.table()), target("out.dbf"));
    EXPECT_EQ(shown.texts(),
              (QStringList{"Must have a .DBF extension", "Cannot copy a file to itself!",
                           "Cannot copy a file to itself!"}));

    QFile(target("OLD.DBF")).open(QIODevice::WriteOnly);
    shown.clear();
    shown.answer(false);
    shown.answer(true);
    EXPECT_EQ(checkCopyTarget(CopyKind::Dbf, target("OLD.DBF"), table.table()), kNoCopyTarget);
    EXPECT_EQ(checkCopyTarget(CopyKind::Dbf, target("OLD.DBF"), table.table()), target("OLD.DBF"));
    ASSERT_EQ(shown.shown().size(), 2u);
    EXPECT_EQ(shown.shown()[0].kind, "question");
    EXPECT_EQ(shown.shown()[0].caption, "Warning!");
    EXPECT_EQ(shown.shown()[0].text,
              target("OLD.DBF") + " already exists.\r\nDo you want to overwrite it?");
    EXPECT_FALSE(shown.shown()[0].defaultYes);
}

}  // namespace
}  // namespace rp

// ravenpost-batch import-csv and import-dbf run as a process on an address file holding one
// record: the records appended, the notes and the closing message on standard error, the tags
// built afresh, bad input refused with status 1 before anything is imported, and Ctrl+C.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <string>

#include "BatchFixture.h"
#include "data/FieldText.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

struct ProcessRun {
    int status = -1;
    QString out;
    QString err;
};

struct Row {
    QString last;
    QString first;
    QString street;
    QString memo;
    bool operator==(const Row&) const = default;
};

class ImportCommandTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        add({{"LNAME", "Existing"}, {"FNAME", "Eve"}});
        table.close();
        file = QString::fromStdString(dir.file("BROWSE.DBF"));
        home = QString::fromStdString(dir.file("home"));
    }

    QProcess* start(QStringList arguments) {
        arguments << QStringLiteral("--home") << home;
        process.setWorkingDirectory(QString::fromStdString(dir.path()));
        process.start(QStringLiteral(RAVENPOST_BATCH_PATH), arguments);
        return &process;
    }

    ProcessRun batch(const QStringList& arguments) {
        start(arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QString writeFile(const char* name, const std::string& bytes) {
        const QString path = QString::fromStdString(dir.file(name));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    // The address file's records in record order.
    std::vector<Row> rows() {
        EXPECT_TRUE(openAddressTable(file, table));
        std::vector<Row> found;
        xbase::Table& t = table.table();
        for (std::uint32_t r = 1; r <= t.recordCount(); ++r) {
            t.go(r);
            found.push_back({fromFieldBytes(t.text("LNAME")), fromFieldBytes(t.text("FNAME")),
                             fromFieldBytes(t.text("STREET")), fromFieldBytes(t.memo("MEMO"))});
        }
        tagged = t.orderNumber("LNAME") > 0 && t.orderNumber("ZIP") > 0;
        table.close();
        return found;
    }

    QString file;
    QString home;
    QProcess process;
    bool tagged = false;
};

const Row kExisting{"Existing", "Eve", "", ""};

TEST_F(ImportCommandTest, ImportCsvAppendsALineARecordAndTellsWhatWasCutOrReplaced) {
    const std::string longName(35, 'L');
    const QString csv = writeFile("in.csv",
                                  "Smith,Ann,\"1 Elm St, Apt 2\",note one\r\n"
                                  "\xC5\x81ukasz,Bob,,note two\r\n" +
                                      longName + ",\"Cy\"\n");
    const ProcessRun run =
        batch({"import-csv", file, csv, "--columns", "LNAME,fname,Street,MEMO", "--quiet"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "Import complete. Imported 3 records.\n"
              "1 characters were stored in a close spelling and 0 replaced by ?.\n"
              "1 values were longer than their fields and were cut to fit.\n");
    const std::vector<Row> expected{kExisting,
                                    {"Smith", "Ann", "1 Elm St, Apt 2", "note one"},
                                    {"Lukasz", "Bob", "", "note two"},
                                    {QString(30, u'L'), "Cy", "", ""}};
    EXPECT_EQ(rows(), expected);
    EXPECT_TRUE(tagged);

    const ProcessRun count = batch({"count", file});
    EXPECT_EQ(count.out, "4\n");
}

TEST_F(ImportCommandTest, ImportCsvRefusesBadInputBeforeImportingAnything) {
    const QString broken = writeFile("broken.csv", "Smith,Ann\r\nJones,\"Bob,x\r\nLee,Al\r\n");
    std::string binary = "Smith,Ann\r\n";
    for (int i = 0; i < 12; ++i) binary += "Lee,Al\r\n";
    binary += std::string("Nul,\0x\r\n", 8);
    const QString notText = writeFile("binary.csv", binary);
    const QString good = writeFile("good.csv", "Smith,Ann\r\nJones,Bob\r\n");
    const struct {
        QStringList arguments;
        QString err;
    } cases[] = {
        {{"import-csv", file, broken, "--columns", "LNAME,FNAME"},
         "ravenpost-batch import-csv: " + broken + " line 2: a double quote is not closed\n"},
        {{"import-csv", file, notText, "--columns", "LNAME,FNAME"},
         "ravenpost-batch import-csv: " + notText + " line 14: not a line of text\n"},
        {{"import-csv", file, good, "--columns", "LNAME,BOGUS"},
         "ravenpost-batch import-csv: --columns: there is no address field BOGUS\n"},
        {{"import-csv", file, good, "--columns", "LNAME,LNAME"},
         "ravenpost-batch import-csv: --columns: LNAME is given twice\n"},
        {{"import-csv", file, good, "--columns", "LNAME,FNAME,CITY"},
         "ravenpost-batch import-csv: --columns: 3 names given, but " + good + " has 2 columns\n"},
        {{"import-csv", file, good},
         "ravenpost-batch import-csv: --columns FIELD,FIELD,... or --header is needed\n"},
    };
    for (const auto& c : cases) {
        const ProcessRun run = batch(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, c.err);
    }
    EXPECT_EQ(rows(), std::vector<Row>{kExisting});
}

TEST_F(ImportCommandTest, CtrlCStopsACsvImportKeepingTheRecordsImportedSoFar) {
    std::string lines;
    for (int i = 0; i < 1000; ++i) lines += "Name" + std::to_string(i) + ",Pat\r\n";
    const QString csv = writeFile("big.csv", lines);
    stopAfterRecords(process, 250);
    const ProcessRun run = batch({"import-csv", file, csv, "--columns", "LNAME,FNAME"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.endsWith("\nImport cancelled after importing 250 records.\n"))
        << run.err.toStdString();
    const std::vector<Row> found = rows();
    ASSERT_EQ(found.size(), 251u);
    EXPECT_EQ(found.back().last, "Name249");
    EXPECT_TRUE(tagged);
}

class ImportDbfCommandTest : public ImportCommandTest {
  protected:
    // Two records and one marked deleted, with fields the matching proposes by name.
    QString writeSource() {
        const std::string path = dir.file("SOURCE.DBF");
        engine.create(path, {{"SURNAME", 'C', 40, 0},
                             {"GIVEN", 'C', 10, 0},
                             {"HOMECITY", 'C', 20, 0},
                             {"NOTE1", 'M', 10, 0}});
        auto source = engine.open(path, xbase::OpenMode::Exclusive);
        source->appendBlank();
        source->setText("SURNAME", "Adams");
        source->setText("GIVEN", "Bob");
        source->setText("HOMECITY", "Reno");
        source->setMemo("NOTE1", "a note");
        source->appendBlank();
        source->setText("SURNAME", "Baker");
        source->setText("GIVEN", "Cy");
        source->appendBlank();
        source->setText("SURNAME", "Gone");
        source->post();
        source->deleteRecord();
        source->close();
        return QString::fromStdString(path);
    }
};

TEST_F(ImportDbfCommandTest, ImportDbfMatchesFieldsByNameAndMapChangesTheProposal) {
    const QString source = writeSource();
    const ProcessRun run = batch({"import-dbf", file, source, "--map", "homecity=STREET,GIVEN="});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err,
              "SURNAME -> Last\n"
              "HOMECITY -> Street\n"
              "NOTE1 -> Memo\n"
              "import: 30 % (1 of 3 records)\n"
              "import: 60 % (2 of 3 records)\n"
              "Import complete. Imported 2 records.\n");
    const std::vector<Row> expected{
        kExisting, {"Adams", "", "Reno", "a note"}, {"Baker", "", "", ""}};
    EXPECT_EQ(rows(), expected);
    EXPECT_TRUE(tagged);
}

TEST_F(ImportDbfCommandTest, ImportDbfRefusesABadMap) {
    const QString source = writeSource();
    const struct {
        QString map;
        QString err;
    } cases[] = {
        {"NOPE=LNAME", "--map: " + source + " has no field NOPE"},
        {"NOTE1=LNAME", "--map: the field NOTE1 cannot go into LNAME (its type)"},
        {"SURNAME=NOWHERE", "--map: there is no address field NOWHERE"},
        {"SURNAME", "--map: SURNAME is not SRC=FIELD"},
    };
    for (const auto& c : cases) {
        const ProcessRun run = batch({"import-dbf", file, source, "--map", c.map});
        EXPECT_EQ(run.status, 1) << c.map.toStdString();
        EXPECT_EQ(run.err, "ravenpost-batch import-dbf: " + c.err + "\n");
    }
    const ProcessRun self = batch({"import-dbf", file, file});
    EXPECT_EQ(self.status, 1);
    EXPECT_EQ(self.err, "ravenpost-batch import-dbf: Unable to open the file " + file + "\n");
    EXPECT_EQ(rows(), std::vector<Row>{kExisting});
}

}  // namespace
}  // namespace rp

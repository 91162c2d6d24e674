// ravenpost-batch import-csv with --header and --delimiter on exports written for these tests,
// read back through copy-out --header and compared field by field; bad input leaves the
// address file as it was.
#include <QFile>
#include <algorithm>

#include "BatchFixture.h"
#include "data/FieldText.h"
#include "import/AsciiLine.h"

namespace rp {
namespace {

QString fixture(const char* name) {
    return QStringLiteral(IMPORT_FIXTURE_DIR "/") + QLatin1String(name);
}

using Record = QMap<QString, QString>;

class ImportCsvHeaderTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        handOver();
    }

    // The address file's records through copy-out --header, each as field name -> value, in
    // order of LNAME then FNAME.
    std::vector<Record> copiedOut() {
        const QString out = QString::fromStdString(dir.file("out.csv"));
        const BatchRun run =
            batch({"copy-out", file, "--output", out, "--header", "--quiet", "--yes"});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        QFile f(out);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QStringList lines = fromFieldBytes(f.readAll().toStdString())
                                      .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        std::vector<Record> records;
        if (lines.isEmpty()) return records;
        const QStringList names = asciiValues(lines.front(), 16);
        for (qsizetype l = 1; l < lines.size(); ++l) {
            const QStringList values = asciiValues(lines[l], 16);
            Record r;
            for (int c = 0; c < 16; ++c)
                if (!values[c].isEmpty()) r[names[c]] = values[c];
            records.push_back(r);
        }
        std::sort(records.begin(), records.end(), [](const Record& a, const Record& b) {
            return std::pair(a.value("LNAME"), a.value("FNAME")) <
                   std::pair(b.value("LNAME"), b.value("FNAME"));
        });
        return records;
    }
};

TEST_F(ImportCsvHeaderTest, CopyOutWritesTheFieldNamesFirst) {
    const BatchRun run = batch({"copy-out", file, "--output", "out.csv", "--header", "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QFile f(QString::fromStdString(dir.file("out.csv")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(),
              "\"PREFIX\",\"FNAME\",\"MIDDLE\",\"LNAME\",\"TITLE\",\"ORG\",\"STREET\",\"CITY\","
              "\"STATE\",\"ZIP\",\"COUNTRY\",\"PHONE\",\"EMAIL\",\"FAX\",\"DATE\",\"NOTES\"\r\n");
}

TEST_F(ImportCsvHeaderTest, NamesFromTenLanguagesInTheirClosestSpelling) {
    const BatchRun run =
        batch({"import-csv", file, fixture("names-ten-languages.csv"), "--header", "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err,
              "Import complete. Imported 10 records.\n"
              "71 characters were stored in a close spelling and 6 replaced by ?.\n");
    const std::vector<Record> expected = {
        {{"LNAME", "?"}, {"FNAME", "Li ?"}, {"CITY", "??"}, {"COUNTRY", "??"}},
        {{"LNAME", "Dvorák"}, {"FNAME", "Antonín"}, {"CITY", "Nelahozeves"}, {"COUNTRY", "Cesko"}},
        {{"LNAME", "Erdos"}, {"FNAME", "Pál"}, {"CITY", "Budapest"}, {"COUNTRY", "Magyarország"}},
        {{"LNAME", "Müller"}, {"FNAME", "Jörg"}, {"CITY", "Köln"}, {"COUNTRY", "Deutschland"}},
        {{"LNAME", "Nguyen"}, {"FNAME", "Thi Minh"}, {"CITY", "Hà Noi"}, {"COUNTRY", "Viet Nam"}},
        {{"LNAME", "Papadópoulos"},
         {"FNAME", "Giorgos"},
         {"CITY", "Athena"},
         {"COUNTRY", "Elláda"}},
        {{"LNAME", "Shchukin"}, {"FNAME", "Boris"}, {"CITY", "Moskva"}, {"COUNTRY", "Rossiya"}},
        {{"LNAME", "Stefanescu"}, {"FNAME", "Ion"}, {"CITY", "Bucuresti"}, {"COUNTRY", "România"}},
        {{"LNAME", "Walesa"}, {"FNAME", "Lukasz"}, {"CITY", "Lódz"}, {"COUNTRY", "Polska"}},
        {{"LNAME", "Yildiz"}, {"FNAME", "Çaglar"}, {"CITY", "Izmir"}, {"COUNTRY", "Türkiye"}},
    };
    const std::vector<Record> got = copiedOut();
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], expected[i]) << expected[i].value("LNAME").toStdString();
}

TEST_F(ImportCsvHeaderTest, DelimitersHeadersAndColumns) {
    const struct {
        QStringList arguments;
        const char* skipped;  // the line on standard error, or nothing
        std::vector<Record> records;
    } cases[] = {
        {{fixture("shop-semicolons.csv"), "--header", "--delimiter", "semicolon"},
         "/shop-semicolons.csv: columns skipped: Address 2, Mobile\n",
         {{{"FNAME", "Bob"},
           {"LNAME", "Adams"},
           {"STREET", "3 Oak Rd"},
           {"CITY", "Salem"},
           {"ZIP", "01970"}},
          {{"FNAME", "Ann"},
           {"LNAME", "Lee; Jr."},
           {"STREET", "12 Elm St"},
           {"CITY", "Boston"},
           {"ZIP", "02110"},
           {"PHONE", "555-0101"}}}},
        {{fixture("contacts-tabs.txt"), "--header", "--delimiter", "tab"},
         "/contacts-tabs.txt: columns skipped: Email\n",
         {{{"FNAME", "Carla"},
           {"LNAME", "Diaz"},
           {"ORG", "Acme, Inc."},
           {"STREET", "9 Pine Ave"},
           {"CITY", "Leeds"},
           {"ZIP", "LS1 4AP"},
           {"EMAIL", "carla@example.com"},
           {"NOTES", "VIP"}},
          {{"FNAME", "Dev"},
           {"LNAME", "Patel"},
           {"STREET", "1 High St"},
           {"CITY", "York"},
           {"ZIP", "YO1 7HH"},
           {"EMAIL", "dev@example.com"}}}},
        // --columns overrides the names: the first two columns swapped, the rest left out.
        {{fixture("contacts-tabs.txt"), "--header", "--delimiter", "tab", "--columns",
          "LNAME,FNAME"},
         nullptr,
         {{{"FNAME", "Diaz"}, {"LNAME", "Carla"}}, {{"FNAME", "Patel"}, {"LNAME", "Dev"}}}},
    };
    for (const auto& c : cases) {
        const QMap<QString, QByteArray> before = addressFiles();
        const BatchRun run =
            batch(QStringList{"import-csv", file} + c.arguments + QStringList{"--quiet"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.last(), "Import complete. Imported 2 records.") << run.err.toStdString();
        if (c.skipped) {
            EXPECT_TRUE(run.err.startsWith(c.arguments.front().section(u'/', 0, -2) + c.skipped))
                << run.err.toStdString();
        }
        EXPECT_EQ(copiedOut(), c.records) << c.arguments.join(u' ').toStdString();
        // The next case starts from the empty file again.
        for (auto it = before.begin(); it != before.end(); ++it) {
            QFile f(QFileInfo(file).dir().filePath(it.key()));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(it.value());
        }
    }
}

TEST_F(ImportCsvHeaderTest, BadInputLeavesTheAddressFileAsItWas) {
    QFile binary(QString::fromStdString(dir.file("photo.csv")));
    ASSERT_TRUE(binary.open(QIODevice::WriteOnly));
    binary.write(QByteArray("First Name,Last Name\n\x89PNG\0\0\x1A\n", 28));
    binary.close();
    QFile(QString::fromStdString(dir.file("empty.csv"))).open(QIODevice::WriteOnly);
    const QString folder = QString::fromStdString(dir.path());
    const struct {
        QStringList arguments;
        QString message;
    } cases[] = {
        {{folder + "/empty.csv", "--header"},
         folder + "/empty.csv: Unable to import from this file"},
        {{folder + "/photo.csv", "--header"}, folder + "/photo.csv line 2: not a line of text"},
        {{fixture("no-header.txt"), "--header"},
         fixture("no-header.txt") + ": no column name is the name of an address field"},
        {{fixture("no-header.txt"), "--delimiter", "colon", "--columns", "LNAME"},
         "--delimiter: colon is not comma, semicolon or tab"},
        {{fixture("no-header.txt")}, "--columns FIELD,FIELD,... or --header is needed"},
    };
    const QMap<QString, QByteArray> before = addressFiles();
    for (const auto& c : cases) {
        const BatchRun run = batch(QStringList{"import-csv", file} + c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments.join(u' ').toStdString();
        // Unknown names are listed first, then the refusal.
        EXPECT_TRUE(run.err.endsWith("ravenpost-batch import-csv: " + c.message + "\n"))
            << run.err.toStdString();
        EXPECT_EQ(addressFiles(), before) << c.arguments.join(u' ').toStdString();
    }
}

}  // namespace
}  // namespace rp

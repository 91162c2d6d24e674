// ravenpost-batch import-vcard and copy-out --output FILE.vcf run as processes: the fixtures
// imported and read back through copy-out field by field, a round trip of every kind of field
// through a vCard file into an empty address file, and bad input refused with the address file
// left as it was, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>

#include "../import/VcardFixtures.h"
#include "BatchFixture.h"
#include "data/RecordText.h"
#include "import/ImportLayout.h"
#include "import/VcardContact.h"
#include "import/VcardReader.h"
#include "xbase/Table.h"

namespace rp {
namespace {

// The fields a round trip through a vCard file keeps.
constexpr const char* kCarriedFields[] = {"PREFIX", "FNAME", "MIDDLE", "LNAME", "TITLE",   "ORG",
                                          "STREET", "CITY",  "STATE",  "ZIP",   "COUNTRY", "PHONE",
                                          "FAX",    "EMAIL", "NOTES",  "MEMO"};

// copy-out writes in the order of the address file's view: the tests compare sets of records.
std::vector<FieldValues> sorted(std::vector<FieldValues> records) {
    std::sort(records.begin(), records.end());
    return records;
}

class VcardCommandTest : public BatchFixture {
  protected:
    // The field values each card of a vCard file gives, by field name.
    static std::vector<FieldValues> cardsOf(const QString& path) {
        const VcardFile file = readVcardFile(path);
        EXPECT_EQ(file.error, QString()) << path.toStdString();
        std::vector<FieldValues> cards;
        for (const VcardCard& card : file.cards) {
            FieldValues values;
            for (const ImportValue& v : vcardFieldValues(card))
                values[QLatin1String(matchedField(v.caption))] = v.value;
            cards.push_back(values);
        }
        return cards;
    }

    // The carried fields that are not empty of every record of an address file, in record order.
    std::vector<FieldValues> recordsOf(const QString& path) {
        xbase::Engine own;
        AddressTable other(own);
        EXPECT_TRUE(openAddressTable(path, other));
        std::vector<FieldValues> records;
        xbase::Table& t = other.table();
        for (std::uint32_t r = 1; r <= t.recordCount(); ++r) {
            t.go(r);
            FieldValues values;
            for (const char* field : kCarriedFields) {
                const QString text = QLatin1String(field) == QLatin1String("MEMO")
                                         ? memoText(t, field)
                                         : fieldText(t, field);
                if (!text.isEmpty()) values[QLatin1String(field)] = text;
            }
            records.push_back(values);
        }
        other.close();
        return records;
    }

    QString newAddressFile(const QString& name) {
        const QString path = QString::fromStdString(dir.file(name.toStdString()));
        const BatchRun run = batch({"create", path});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return path;
    }

    void SetUp() override {
        BatchFixture::SetUp();
        handOver();
    }
};

TEST_F(VcardCommandTest, ImportedFixturesReadBackThroughCopyOutFieldByField) {
    const struct {
        const char* fixture;
        QString err;
    } messages[] = {
        {"contacts-21.vcf",
         "Import complete. Cards imported: 2.\n"
         "1 values were longer than their fields and were cut to fit.\n"},
        {"contacts-30.vcf",
         "Import complete. Cards imported: 2.\n"
         "1 values were longer than their fields and were cut to fit.\n"},
        {"contacts-40.vcf",
         "Import complete. Cards imported: 4.\n"
         "Cards skipped: 1 (no name, organization, title, address, phone, fax, e-mail, category "
         "or note on them).\n"},
    };
    int n = 0;
    for (const VcardFixture& f : vcardFixtures()) {
        const QString target = newAddressFile(QStringLiteral("IN%1.DBF").arg(n));
        const BatchRun run = batch({"import-vcard", target, vcardFixture(f.file), "--quiet"});
        EXPECT_EQ(run.status, 0) << f.file << run.err.toStdString();
        EXPECT_EQ(run.err, messages[n].err) << f.file;
        const QString out = QString::fromStdString(dir.file("out" + std::to_string(n) + ".vcf"));
        const BatchRun copy = batch({"copy-out", target, "--output", out});
        EXPECT_EQ(copy.status, 0) << copy.err.toStdString();
        EXPECT_EQ(sorted(cardsOf(out)), sorted(f.records)) << f.file;
        ++n;
    }
}

TEST_F(VcardCommandTest, ARoundTripGivesBackEveryCarriedFieldOfEveryRecord) {
    ASSERT_TRUE(openAddressTable(file, table));
    add({{"PREFIX", "Dr."},
         {"FNAME", "Ann"},
         {"MIDDLE", "Q"},
         {"LNAME", "Young-Smith"},
         {"TITLE", "Head; Research, Europe"},
         {"ORG", "Acme \\ Sons, Ltd."},
         {"STREET", "1 Elm St, Apt 2"},
         {"CITY", "Boise"},
         {"STATE", "ID"},
         {"ZIP", "83702-1234"},
         {"COUNTRY", "USA"},
         {"PHONE", "208-555-0100"},
         {"FAX", "208-555-0101"},
         {"EMAIL", "ann@acme.example"},
         {"NOTES", "A,VIP,West"}});
    setMemoText(table.table(), "MEMO",
                QString::fromUtf8("First line; with a comma, a backslash \\ and é\r\nSecond line "
                                  "that is long enough to be folded at seventy-five bytes, "
                                  "twice over, by the writer of the vCard file."));
    table->post();
    add({{"ORG", "Northwind"}, {"STREET", "400 Pike St"}, {"CITY", "Seattle"}});
    add({{"LNAME", "O'Hara"}, {"FNAME", "Seán"}, {"EMAIL", "sean@example.ie"}});
    table.close();
    const std::vector<FieldValues> before = recordsOf(file);
    ASSERT_EQ(before.size(), 3u);

    const QString out = QString::fromStdString(dir.file("all.vcf"));
    const BatchRun copy = batch({"copy-out", file, "--output", out});
    ASSERT_EQ(copy.status, 0) << copy.err.toStdString();
    const QString target = newAddressFile(QStringLiteral("EMPTY.DBF"));
    const BatchRun run = batch({"import-vcard", target, out, "--quiet"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "Import complete. Cards imported: 3.\n");
    EXPECT_EQ(sorted(recordsOf(target)), sorted(before));
}

TEST_F(VcardCommandTest, CtrlCStopsKeepingTheCardsImportedSoFar) {
    QFile big(QString::fromStdString(dir.file("big.vcf")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    for (int i = 0; i < 1000; ++i)
        big.write(QStringLiteral("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Pat Name%1\r\nEND:VCARD\r\n")
                      .arg(i)
                      .toLatin1());
    big.close();
    QProcess process;
    stopAfterRecords(process, 250);
    process.setWorkingDirectory(QString::fromStdString(dir.path()));
    process.start(QStringLiteral(RAVENPOST_BATCH_PATH),
                  {"import-vcard", file, big.fileName(), "--quiet", "--home", home});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_EQ(QString::fromLocal8Bit(process.readAllStandardError()),
              "Import cancelled. Cards imported: 250.\n");
    const std::vector<FieldValues> records = recordsOf(file);
    ASSERT_EQ(records.size(), 250u);
    EXPECT_EQ(records.back(), (FieldValues{{"LNAME", "Name249"}, {"FNAME", "Pat"}}));
}

TEST_F(VcardCommandTest, BadInputIsRefusedAndTheAddressFileStaysAsItWas) {
    const auto files = addressFiles();
    const QString broken = vcardFixture("broken-line.vcf");
    const QString empty = vcardFixture("empty.vcf");
    const QString notText = vcardFixture("not-text.vcf");
    const QString missing = QString::fromStdString(dir.file("none.vcf"));
    const struct {
        QString path;
        QString err;
    } cases[] = {
        {broken, broken + " line 4: not a vCard line (a property name and a colon)."},
        {empty, "The file " + empty + " is empty."},
        {notText, "The file " + notText + " is not a text file."},
        {missing, "File " + missing + " not found"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch({"import-vcard", file, c.path});
        EXPECT_EQ(run.status, 1) << c.path.toStdString();
        EXPECT_EQ(run.err, "ravenpost-batch import-vcard: " + c.err + "\n");
        EXPECT_EQ(addressFiles(), files) << c.path.toStdString();
    }
}

}  // namespace
}  // namespace rp

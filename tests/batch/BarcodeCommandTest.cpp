// ravenpost-batch barcode: the bar letters of both symbologies and the refusals; and the
// Intelligent Mail serial numbers of labels and envelopes, stored after each completed run.
#include <gtest/gtest.h>

#include <QDir>

#include "BatchFixture.h"
#include "data/IniFile.h"

namespace rp {
namespace {

class BarcodeCommandTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        addBarcodeReaders(30);
    }

    IniFile ini() const { return IniFile(home + "/RAVENP.INI"); }
};

TEST_F(BarcodeCommandTest, WritesTheBarsOfEachSymbologyAndRefusesWrongInput) {
    struct Row {
        QStringList arguments;
        int status;
        QString out;
        QString err;
    };
    const QString imb = "01,234,567094,987654321";
    for (const Row& row : {
             Row{{"--zip", "01234-5678-91", "--imb", imb},
                 0,
                 "AADTFFDFTDADTAADAATFDTDDAAADDTDTTDAFADADDDTFFFDDTTTADFAAADFTDAADA\n",
                 ""},
             Row{{"--zip", "", "--imb", imb},
                 0,
                 "ATTFATTDTTADTAATTDTDTATTDAFDDFADFDFTFFFFFTATFAAAATDFFTDAADFTFDTDT\n",
                 ""},
             Row{{"--zip", "12345"}, 0, "123455\nFHHHFFHHFHFHHFFHHFHHFHFHFHHFHFHF\n", ""},
             Row{{"--zip", "1234A", "--imb", imb},
                 1,
                 "",
                 "ravenpost-batch barcode: The ZIP code may hold only digits, blanks and "
                 "hyphens.\n"},
             Row{{"--zip", "12345", "--imb", "05,234,567094,1"},
                 1,
                 "",
                 "ravenpost-batch barcode: The barcode identifier must be 2 digits, the second "
                 "of them 0 to 4.\n"},
             Row{{"--zip", "12345", "--imb", "01,234,5670941,1"},
                 1,
                 "",
                 "ravenpost-batch barcode: The mailer ID must be 6 or 9 digits.\n"},
         }) {
        const BatchRun run = batch(QStringList{"barcode"} + row.arguments);
        EXPECT_EQ(run.status, row.status) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, row.out) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, row.err) << row.arguments.join(' ').toStdString();
    }
}

TEST_F(BarcodeCommandTest, CompletedRunsStoreTheNextSerialAndAFailedOneNone) {
    IniFile settings = ini();
    settings.writeString("PostalBarcode", "BarcodeId", "00");
    settings.writeString("PostalBarcode", "ServiceType", "700");
    settings.writeString("PostalBarcode", "MailerId", "123456");
    settings.writeString("PostalBarcode", "NextSerial", "1000");
    const QString pdf = QString::fromStdString(dir.file("labels.pdf"));
    const QStringList labels = {
        "labels",    file,  "--setup", "Shipping labels, 2 x 4 with barcode", "--output", pdf,
        "--barcode", "imb", "--quiet"};
    for (const char* expected : {"1030", "1060"}) {
        const BatchRun run = batch(labels);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(ini().readString("PostalBarcode", "NextSerial"), expected);
    }
    // Presorted, the separator labels take none.
    const BatchRun presorted = batch(QStringList(labels) << "--presort");
    ASSERT_EQ(presorted.status, 0) << presorted.err.toStdString();
    EXPECT_TRUE(pdfText(pdf).contains("** ")) << pdfText(pdf).toStdString();
    EXPECT_EQ(ini().readString("PostalBarcode", "NextSerial"), "1090");

    // POSTNET labels take no serial; one envelope takes one.
    ASSERT_EQ(batch(QStringList(labels.mid(0, 6)) << "--barcode"
                                                  << "postnet"
                                                  << "--quiet")
                  .status,
              0);
    EXPECT_EQ(ini().readString("PostalBarcode", "NextSerial"), "1090");
    const BatchRun envelope =
        batch({"envelopes", file, "--setup", "#10 business envelope", "--record", "3", "--output",
               QString::fromStdString(dir.file("envelope.pdf")), "--barcode", "imb", "--quiet"});
    ASSERT_EQ(envelope.status, 0) << envelope.err.toStdString();
    EXPECT_EQ(ini().readString("PostalBarcode", "NextSerial"), "1091");

    settings.writeString("PostalBarcode", "MailerId", "12345");
    const BatchRun refused = batch(labels);
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("The mailer ID must be 6 or 9 digits."))
        << refused.err.toStdString();
    EXPECT_EQ(ini().readString("PostalBarcode", "NextSerial"), "1091");
}

}  // namespace
}  // namespace rp

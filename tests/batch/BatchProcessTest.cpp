// ravenpost-batch run as a process on an address file in a temporary folder: the count, labels
// to a PDF read back with pdftotext, and the one-line message with status 1 for bad input.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>

#include "BatchFixture.h"

namespace rp {
namespace {

class BatchProcessTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        addThreeAddresses();
        handOver();
    }
};

TEST_F(BatchProcessTest, CountsTheChosenRecords) {
    const struct {
        QStringList options;
        QString out;
    } cases[] = {
        {{}, "2\n"},  // the record marked DELETED is left out
        {{"--filter", "UPPER(CITY)=\"BOISE\""}, "1\n"},
        {{"--filter=UPPER(CITY)=\"TAMPA\""}, "0\n"},
        // Filter page lines by label or field name, in the page's syntax.
        {{"--where", "Last=YO;AD"}, "2\n"},
        {{"--where", "last=ad;zz", "--where", "STATE=nv"}, "1\n"},
        {{"--where", "State or Prov=ID", "--where", "City=$ois"}, "1\n"},
        {{"--where", "Zip or Postal=>=89"}, "1\n"},
        {{"--where", "Last=YO;AD", "--filter", "ZIP=\"895\""}, "1\n"},
        {{"--where", "Date="}, "2\n"},  // an empty line adds nothing
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(QStringList{"count", file} << c.options);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, c.out) << c.options.join(' ').toStdString();
    }
}

TEST_F(BatchProcessTest, PrintsLabelsInLastNameOrderToAPdf) {
    const QString pdf = QString::fromStdString(dir.file("labels.pdf"));
    const BatchRun run = batch({"labels", file, "--setup", "address LABELS, 30 per sheet  ",
                                "--output", pdf, "--order", "LNAME", "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    const QString text = pdfText(pdf);
    const qsizetype adams = text.indexOf("Bob Adams");
    const qsizetype young = text.indexOf("Ann Young");
    EXPECT_GE(adams, 0) << text.toStdString();
    EXPECT_GT(young, adams);
    EXPECT_TRUE(text.contains("Boise, ID 83702") || text.contains("Boise ID 83702"))
        << text.toStdString();
    EXPECT_FALSE(text.contains("Baker"));
}

TEST_F(BatchProcessTest, BadInputEndsWithOneLineAndStatusOneLeavingNoOutput) {
    const QString pdf = QString::fromStdString(dir.file("none.pdf"));
    const struct {
        QStringList arguments;
        QString err;
    } cases[] = {
        {{"labels", file, "--setup", "Nothing like it", "--output", pdf},
         "ravenpost-batch labels: --setup: no label setup is described \"Nothing like it\"; there "
         "are \"Address labels, 30 per sheet\", \"Shipping labels, 2 x 4 with barcode\""},
        {{"count", file, "--filter", "CITY = \"Boise"},
         "ravenpost-batch count: --filter: Missing closing \" for the text starting at position 8 "
         "in: CITY = \"Boise\n"},
        {{"count", file, "--order", "NOSUCH"},
         "ravenpost-batch count: --order: the address file has no tag NOSUCH\n"},
        {{"count", QString::fromStdString(dir.file("MISSING.DBF"))},
         "ravenpost-batch count: File " + QString::fromStdString(dir.file("MISSING.DBF")) +
             " not found"},
        {{"count", file, "--copies", "2"}, "ravenpost-batch count: unknown option --copies\n"},
        {{"count", file, "--where", "Surname=Adams"},
         "ravenpost-batch count: --where \"Surname=Adams\": no such Filter line; the lines are "
         "Last (LNAME), First (FNAME), "},
        {{"count", file, "--where", "Last"},
         "ravenpost-batch count: --where \"Last\": give LINE=TEXT\n"},
        {{"count", file, "--where", "Last=A", "--where", "lname=B"},
         "ravenpost-batch count: --where \"lname=B\": the Last line is already given by --where "
         "\"Last=A\"\n"},
        {{"count", file, "--where", "Date=02/30/1997"},
         "ravenpost-batch count: --where \"Date=02/30/1997\": Invalid date. Must be in the "
         "format:mm/dd/yyyy\n"},
        {{"count", file, "--where", "Org=O\"Brien"},
         "ravenpost-batch count: --where \"Org=O\"Brien\": the Org line cannot be used in a "
         "filter: Double quotes cannot be used.\n"},
        {{"count", file, "--where", "Last=" + QString(241, QLatin1Char('b'))},
         "ravenpost-batch count: --where: Sorry - filter is too complex.Please simplify it.\n"},
        {{"labels", file, "--setup", "x", "--copies", "0", "--output", pdf},
         "ravenpost-batch labels: --copies must be a whole number of at least 1, not \"0\"\n"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(c.err)) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(BatchProcessTest, CtrlCStopsALabelRunLeavingNoPdf) {
    table.open(QString::fromStdString(dir.path()), QStringLiteral("BROWSE.DBF"));
    addMany(3000);
    table.close();
    const auto before = addressFiles();
    const QString pdf = QString::fromStdString(dir.file("stopped.pdf"));
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(dir.path()));
    // Ctrl+C at the 450th label: the pass has told its first tenth and not its second.
    stopAfterRecords(process, 450);
    process.start(QStringLiteral(RAVENPOST_BATCH_PATH),
                  {"labels", file, "--setup", "Address labels, 30 per sheet", "--output", pdf,
                   "--home", home});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_TRUE(err.contains("labels: 10 %")) << err.toStdString();
    EXPECT_FALSE(err.contains("labels: 20 %")) << err.toStdString();
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(QDir(QString::fromStdString(dir.path()))
                    .entryList({QStringLiteral("stopped*")}, QDir::Files)
                    .isEmpty());
    EXPECT_EQ(addressFiles(), before);
}

}  // namespace
}  // namespace rp

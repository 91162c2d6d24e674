// "ravenpost-batch envelopes" run as a process on an address file in a temporary folder: one
// page per chosen record in a PDF read back with pdfinfo and pdftotext, --record, --paper, and
// the one-line messages with status 1 for bad input and for a setup that puts the address off
// its envelope.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include "BatchFixture.h"
#include "envelopes/EnvelopeSetup.h"

namespace rp {
namespace {

class EnvelopesCommandTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        addThreeAddresses();
        handOver();
        pdf = QString::fromStdString(dir.file("envelopes.pdf"));
    }

    static QString tool(const QString& name, const QStringList& arguments) {
        QProcess process;
        process.start(name, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QString pdfText() const {
        return tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"});
    }

    // pdfinfo's "Pages:" and "Page size:" values, e.g. "2" and "684 x 297 pts".
    QString pdfInfo(const QString& key) const {
        const QRegularExpression line(QStringLiteral("^%1:\\s+(.*)$").arg(key),
                                      QRegularExpression::MultilineOption);
        const auto match = line.match(tool(QStringLiteral("pdfinfo"), {pdf}));
        return match.hasMatch() ? match.captured(1).trimmed() : QString();
    }

    QString pdf;
};

TEST_F(EnvelopesCommandTest, PrintsOneEnvelopePerChosenRecordOnTheEnvelopeItself) {
    const BatchRun run = batch({"envelopes", file, "--setup", "#10 BUSINESS envelope  ", "--output",
                                pdf, "--order", "LNAME", "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(pdfInfo("Pages"), "2");
    // The landscape #10 envelope: 9.5 by 4.125 inches.
    EXPECT_TRUE(pdfInfo("Page size").startsWith("684 x 297 pts"))
        << pdfInfo("Page size").toStdString();
    const QString text = pdfText();
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2) << text.toStdString();
    EXPECT_TRUE(pages[0].contains("Bob Adams")) << pages[0].toStdString();
    EXPECT_FALSE(pages[0].contains("Ann Young"));
    EXPECT_TRUE(pages[1].contains("Ann Young")) << pages[1].toStdString();
    EXPECT_TRUE(pages[1].contains("1 Elm St")) << pages[1].toStdString();
    EXPECT_TRUE(pages[1].contains("83702")) << pages[1].toStdString();
    EXPECT_FALSE(text.contains("Baker"));
}

TEST_F(EnvelopesCommandTest, RecordPrintsOnlyThatRecord) {
    const BatchRun run = batch({"envelopes", file, "--setup", "#10 business envelope", "--output",
                                pdf, "--record", "1", "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(pdfInfo("Pages"), "1");
    const QString text = pdfText();
    EXPECT_TRUE(text.contains("Ann Young")) << text.toStdString();
    EXPECT_FALSE(text.contains("Bob Adams"));
}

TEST_F(EnvelopesCommandTest, PaperPutsTheEnvelopeOnThatSheet) {
    const struct {
        QString paper;
        QString size;
    } cases[] = {
        {"Letter", "792 x 612 pts"},  // turned for the landscape setup
        {"a4", "842 x 595 pts"},
        {"4.125x9.5", "684 x 297 pts"},
    };
    for (const auto& c : cases) {
        QFile::remove(pdf);
        const BatchRun run = batch({"envelopes", file, "--setup", "#10 business envelope",
                                    "--output", pdf, "--paper", c.paper, "--quiet"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(pdfInfo("Pages"), "2") << c.paper.toStdString();
        EXPECT_TRUE(pdfInfo("Page size").startsWith(c.size))
            << c.paper.toStdString() << ": " << pdfInfo("Page size").toStdString();
    }
}

TEST_F(EnvelopesCommandTest, WithoutPrinterOrOutputTheRememberedPrinterAndPaperAreUsed) {
    // The run sees no system printer, even on a machine with a print server.
    environment.insert("CUPS_SERVER", "/nonexistent/cups.sock");
    ASSERT_TRUE(QDir().mkpath(home));
    QFile ini(home + "/RAVENP.INI");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(
        "[EnvelopeByName]\r\nPRINTER#10 business envelope=PDF file\r\n"
        "PAPER#10 business envelope=Letter / ANSI A\r\nORIENT#10 business envelope=0\r\n");
    ini.close();
    pdf = QString::fromStdString(dir.file("envelope.pdf"));

    const BatchRun run = batch({"envelopes", file, "--setup", "#10 business envelope", "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "ravenpost-batch: printing to " + QDir::toNativeSeparators(pdf) + "\n");
    EXPECT_EQ(pdfInfo("Pages"), "2");
    // Letter, turned for the landscape setup.
    EXPECT_TRUE(pdfInfo("Page size").startsWith("792 x 612 pts"))
        << pdfInfo("Page size").toStdString();
}

TEST_F(EnvelopesCommandTest, BadInputEndsWithOneLineAndStatusOneLeavingNoOutput) {
    const struct {
        QStringList arguments;
        QString err;
    } cases[] = {
        {{"--setup", "Nothing like it", "--output", pdf},
         "ravenpost-batch envelopes: --setup: no envelope setup is described \"Nothing like "
         "it\"; there are \"#10 business envelope\"\n"},
        {{"--setup", "#10 business envelope", "--output", pdf, "--record", "9"},
         "ravenpost-batch envelopes: --record: the address file has no record 9 (it has 3)\n"},
        {{"--setup", "#10 business envelope", "--output", pdf, "--paper", "9.5 by 4"},
         "ravenpost-batch envelopes: --paper must be Letter, A4 or WIDTHxHEIGHT in inches, not "
         "\"9.5 by 4\"\n"},
        {{"--setup", "#10 business envelope", "--output", pdf, "--filter", "CITY=\"Tampa\""},
         "ravenpost-batch envelopes: no record is chosen: there is no envelope to print\n"},
        {{"--setup", "#10 business envelope", "--output", pdf, "--record", "1", "--filter",
          "CITY=\"Reno\""},
         "ravenpost-batch envelopes: --record prints that one record: leave out --filter\n"},
        {{"--output", pdf}, "ravenpost-batch envelopes: --setup DESCRIPTION is needed\n"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(QStringList{"envelopes", file} << c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(EnvelopesCommandTest, ASetupWithTheAddressOffTheEnvelopeIsRefusedLeavingNoPdf) {
    // The first run makes the data folder with the delivered setups; then the setup's
    // delivery address is moved off the envelope, as a designer without limits stored it.
    const QString first = QString::fromStdString(dir.file("first.pdf"));
    ASSERT_EQ(batch({"envelopes", file, "--setup", "#10 business envelope", "--output", first,
                     "--record", "1", "--quiet"})
                  .status,
              0);
    {
        auto setups = engine.open((home + "/RVPESU.DBF").toStdString());
        setups->goTop();
        EnvelopeSetup setup = readEnvelopeSetup(*setups);
        setup.delLeft = -1.938f;
        writeEnvelopeSetup(*setups, setup);
    }
    const BatchRun run = batch({"envelopes", file, "--setup", "#10 business envelope", "--output",
                                pdf, "--record", "1", "--quiet"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "ravenpost-batch envelopes: The envelope setup \"#10 business envelope\" places the "
              "delivery address off the envelope. Open it in the Envelope Designer and move the "
              "address onto the envelope.\n");
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(QDir(QString::fromStdString(dir.path()))
                    .entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden)
                    .isEmpty());
}

TEST_F(EnvelopesCommandTest, CtrlCStopsTheRunLeavingNoPdf) {
    table.open(QString::fromStdString(dir.path()), QStringLiteral("BROWSE.DBF"));
    addMany(1000);
    table.close();
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(dir.path()));
    // Ctrl+C at the 150th envelope: the pass has told its first tenth and not its second.
    stopAfterRecords(process, 150);
    process.start(
        QStringLiteral(RAVENPOST_BATCH_PATH),
        {"envelopes", file, "--setup", "#10 business envelope", "--output", pdf, "--home", home});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_TRUE(err.contains("envelopes: 10 %")) << err.toStdString();
    EXPECT_FALSE(err.contains("envelopes: 20 %")) << err.toStdString();
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(QDir(QString::fromStdString(dir.path()))
                    .entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden)
                    .isEmpty());
}

}  // namespace
}  // namespace rp

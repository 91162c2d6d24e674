// ravenpost-batch zip-count: the count lines on standard output, the report as a PDF on the
// paper --paper names, and the errors for a missing or doubled destination or a bad paper.
#include <QFile>

#include "PdfInfo.h"
#include "ZipCommandFixture.h"

namespace rp {
namespace {

using ZipCountCommandTest = ZipCommandFixture;

TEST_F(ZipCountCommandTest, WritesTheCountLinesOfTheChosenRecords) {
    BatchRun run = batch({"zip-count", file, "--text", "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(),
              "12345     1\n"
              "83702     2\n"
              "89501     1\n"
              "97201     1\n"
              "\n"
              "\n"
              "M5V 2     1\n"  // the key is the first five characters
              "BLANK     1\n");
    EXPECT_EQ(run.err, "");

    run = batch({"zip-count", file, "--text", "--quiet", "--filter", "STATE=\"ID\""});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "83702     1\n97201     1\n\n\n");
}

TEST_F(ZipCountCommandTest, PrintsTheReportToAPdf) {
    const QString pdf = QString::fromStdString(dir.file("zips.pdf"));
    const BatchRun run = batch({"zip-count", file, "--output", pdf, "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "");
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("Zip Code Count Report")) << text.toStdString();
    EXPECT_TRUE(text.contains("Page 1")) << text.toStdString();
    EXPECT_TRUE(text.contains("83702")) << text.toStdString();
    EXPECT_TRUE(text.contains("BLANK")) << text.toStdString();
}

TEST_F(ZipCountCommandTest, PaperNamesTheSheetAndABadOneIsRefused) {
    const QString pdf = QString::fromStdString(dir.file("zips.pdf"));
    const struct {
        QString paper;
        QString size;
    } sheets[] = {
        {"Letter", "612 x 792 pts"},
        {"A4", "595 x 842 pts"},
        {"11x17", "792 x 1224 pts"},
    };
    for (const auto& c : sheets) {
        SCOPED_TRACE(c.paper.toStdString());
        QFile::remove(pdf);
        const BatchRun run =
            batch({"zip-count", file, "--output", pdf, "--paper", c.paper, "--quiet"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_TRUE(pdfInfo(pdf, "Page size").startsWith(c.size))
            << pdfInfo(pdf, "Page size").toStdString();
        EXPECT_TRUE(pdfText(pdf).contains("Zip Code Count Report"));
    }

    const struct {
        QStringList arguments;
        QString err;
    } refused[] = {
        {{"--output", pdf, "--paper", "A3"},
         "ravenpost-batch zip-count: --paper must be Letter, A4 or WIDTHxHEIGHT in inches, not "
         "\"A3\"\n"},
        {{"--output", pdf, "--paper", "250x11"},
         "ravenpost-batch zip-count: --paper: a page can be at most 200 inches (508 cm) a "
         "side.\n"},
        {{"--text", "--paper", "A4"},
         "ravenpost-batch zip-count: --text prints on no paper; leave out --paper\n"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QFile::remove(pdf);
        const BatchRun run = batch(QStringList{"zip-count", file} << c.arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out.toStdString(), "");
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

TEST_F(ZipCountCommandTest, TextGoesToStandardOutputOnly) {
    const QString pdf = QString::fromStdString(dir.file("zips.pdf"));
    const struct {
        QStringList arguments;
        QString err;
    } cases[] = {
        {{"zip-count", file, "--text", "--output", pdf},
         "ravenpost-batch zip-count: --text writes to standard output; leave out --output and "
         "--printer\n"},
        {{"zip-count", file, "--text", "--filter", "ZIP ="},
         "ravenpost-batch zip-count: --filter: "},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(c.err)) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_EQ(run.out.toStdString(), "");
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(ZipCountCommandTest, AnUnknownPrinterEndsWithStatusOne) {
    // Told before the count where the printer list knows it is missing, else when the report
    // cannot start on it.
    const BatchRun run = batch({"zip-count", file, "--printer", "No such printer", "--quiet"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("ravenpost-batch zip-count: ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("No such printer")) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "");
}

}  // namespace
}  // namespace rp

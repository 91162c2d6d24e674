// ravenpost-batch calibrate, calibration-page and labels --start-label: the correction kept in
// RAVENP.INI and removed, the refusals, the calibration page in a PDF, and where the labels of a
// run that starts at a later label land in its PDF (inches from the page's top-left corner).
#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include "BatchFixture.h"
#include "PdfInfo.h"

namespace rp {
namespace {

struct PdfWord {
    QString text;
    int page = 0;
    double left = 0;  // inches
    double top = 0;
};

// Every word of the PDF with its page and the top-left corner of its box.
std::vector<PdfWord> pdfWords(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression pageOrWord(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    std::vector<PdfWord> words;
    int page = 0;
    for (const auto& m : pageOrWord.globalMatch(html)) {
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        words.push_back(
            {m.captured(3), page, m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72});
    }
    return words;
}

class CalibrationCommandsTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        for (int i = 1; i <= 5; ++i)
            add({{"LNAME", "Name" + std::to_string(i)}, {"STREET", "1 Elm St"}});
        handOver();
    }

    QByteArray ini() const {
        QFile file(home + QStringLiteral("/RAVENP.INI"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(CalibrationCommandsTest, CalibrateKeepsAndClearsAPrintersCorrection) {
    BatchRun run = batch({"calibrate", "--printer", "Office Laser", "--shift", "0.0625,-0.03"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Office Laser: 0.06,-0.03\n"));
    run = batch({"calibrate", "--printer", "Back=Room", "--shift", "-0.1,0.2"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(ini(), QByteArray("[Calibration]\r\nOffice Laser=0.06,-0.03\r\n"
                                "Back%3DRoom=-0.10,0.20\r\n"));
    run = batch({"calibrate", "--printer", "Office Laser", "--clear"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Office Laser: no correction\n"));
    EXPECT_EQ(ini(), QByteArray("[Calibration]\r\nOffice Laser=\r\nBack%3DRoom=-0.10,0.20\r\n"));
}

TEST_F(CalibrationCommandsTest, CalibrateRefusesWhatItCannotKeep) {
    const struct {
        QStringList arguments;
        const char* error;
    } cases[] = {
        {{"--shift", "0.1,0.1"}, "ravenpost-batch calibrate: --printer NAME is needed\n"},
        {{"--printer", "PDF file", "--shift", "0.1,0.1"},
         "ravenpost-batch calibrate: --printer: \"PDF file\" prints exactly what is drawn and is "
         "never corrected\n"},
        {{"--printer", "P"}, "ravenpost-batch calibrate: give either --shift X,Y or --clear\n"},
        {{"--printer", "P", "--shift", "1", "--clear"},
         "ravenpost-batch calibrate: give either --shift X,Y or --clear\n"},
        {{"--printer", "P", "--shift", "1/16,0"},
         "ravenpost-batch calibrate: --shift must be X,Y in inches (right and down), not "
         "\"1/16,0\"\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const BatchRun run = batch(QStringList{"calibrate"} + c.arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, QString::fromLatin1(c.error));
    }
    EXPECT_EQ(ini(), QByteArray());
}

TEST_F(CalibrationCommandsTest, TheCalibrationPageOnThePaperAsked) {
    const QString pdf = QString::fromStdString(dir.file("calibration.pdf"));
    const BatchRun run = batch({"calibration-page", "--output", pdf, "--paper", "A4"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    EXPECT_TRUE(pdfInfo(pdf, QStringLiteral("Page size")).endsWith(QStringLiteral("(A4)")));
    const std::vector<PdfWord> words = pdfWords(pdf);
    // The frame's label just inside its top-left corner, 0.5 inch in.
    const auto frame = std::find_if(words.begin(), words.end(),
                                    [](const PdfWord& w) { return w.text == "Frame:"; });
    ASSERT_NE(frame, words.end());
    EXPECT_NEAR(frame->left, 0.55, 0.01);
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Calibration page for PDF file")));
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("1.50 in from left, 1.50 in from top")));

    // A file that cannot be written is named, with its cause.
    const QString nowhere = QString::fromStdString(dir.file("missing/calibration.pdf"));
    const BatchRun refused = batch({"calibration-page", "--output", nowhere});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              QStringLiteral("The file %1 cannot be written: No such file or directory\n"
                             "ravenpost-batch calibration-page: the calibration page could not be "
                             "started on %1\n")
                  .arg(nowhere));
}

TEST_F(CalibrationCommandsTest, FiveLabelsFromLabelTwentyEightFillTwoSheets) {
    const QString pdf = QString::fromStdString(dir.file("labels.pdf"));
    const BatchRun run = batch({"labels", file, "--setup", "Address labels, 30 per sheet",
                                "--output", pdf, "--start-label", "28", "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("2"));
    // Text 0.25 in and 0.15 in inside labels of 2.75 x 1.0 inch pitch from 0.188, 0.5.
    const struct {
        const char* name;
        int page;
        double left;
        double top;
    } expected[] = {{"Name1", 1, 0.438, 9.65},
                    {"Name2", 1, 3.188, 9.65},
                    {"Name3", 1, 5.938, 9.65},
                    {"Name4", 2, 0.438, 0.65},
                    {"Name5", 2, 3.188, 0.65}};
    const std::vector<PdfWord> words = pdfWords(pdf);
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        const auto word = std::find_if(words.begin(), words.end(),
                                       [&e](const PdfWord& w) { return w.text == e.name; });
        ASSERT_NE(word, words.end());
        EXPECT_EQ(word->page, e.page);
        EXPECT_NEAR(word->left, e.left, 0.005);
        EXPECT_NEAR(word->top, e.top, 0.005);
    }
    EXPECT_EQ(std::count_if(words.begin(), words.end(),
                            [](const PdfWord& w) { return w.text.startsWith("Name"); }),
              5);

    const BatchRun beyond = batch({"labels", file, "--setup", "Address labels, 30 per sheet",
                                   "--output", pdf, "--start-label", "31", "--quiet"});
    EXPECT_EQ(beyond.status, 1);
    EXPECT_EQ(beyond.err, QStringLiteral("ravenpost-batch labels: --start-label: the setup's sheet "
                                         "has 30 labels, not 31\n"));
}

}  // namespace
}  // namespace rp

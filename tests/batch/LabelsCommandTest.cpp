// ravenpost-batch labels with --presort on a generated address file: the separator labels of
// the presort groups ahead of their records, in the presort list's order, the page count, and
// no PRESORT.PSL written into the data folder.
#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include "BatchFixture.h"

namespace rp {
namespace {

class LabelsCommandTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        // 35 pieces for 83702 (a five-digit group), 12 other 837 ZIPs (a three-digit group),
        // 3 for 89501 (the Las Vegas ADC).
        for (int i = 0; i < 35; ++i) person("Five" + std::to_string(i), "83702");
        for (int i = 0; i < 12; ++i)
            person("Three" + std::to_string(i), "837" + std::to_string(10 + i));
        for (int i = 0; i < 3; ++i) person("Adc" + std::to_string(i), "89501");
        handOver();
        pdf = QString::fromStdString(dir.file("labels.pdf"));
    }

    void person(const std::string& last, const std::string& zip) {
        add({{"LNAME", last},
             {"FNAME", "Pat"},
             {"STREET", "1 Main St"},
             {"CITY", "Boise"},
             {"STATE", "ID"},
             {"ZIP", zip}});
    }

    static QString pdfPages(const QString& pdf) {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        info.waitForFinished(30000);
        const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                               .match(QString::fromUtf8(info.readAllStandardOutput()));
        return match.captured(1);
    }

    // The text in the order it was drawn.
    static QString drawnText(const QString& pdf) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
        text.waitForFinished(30000);
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    QString pdf;
};

TEST_F(LabelsCommandTest, PresortPrintsEachGroupAfterItsSeparatorLabel) {
    const BatchRun run = batch({"labels", file, "--setup", "Address labels, 30 per sheet",
                                "--output", pdf, "--presort", "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    // What the dialog would show goes to standard error as one line.
    EXPECT_TRUE(
        run.err.startsWith("Labels will print/preview in the following order: 1. "
                           "5-Digit presort 2. 3-Digit presort 3. ADC presort\n"))
        << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1);
    // 50 records and three separator labels on 30-label sheets.
    EXPECT_EQ(pdfPages(pdf), "2");

    const QString text = drawnText(pdf);
    const qsizetype five = text.indexOf("** 5-digit 83702");
    const qsizetype three = text.indexOf("** 3-digit 837");
    const qsizetype adc = text.indexOf("** ADC LAS VEGAS");
    ASSERT_GE(five, 0) << text.toStdString();
    ASSERT_GT(three, five) << text.toStdString();
    ASSERT_GT(adc, three) << text.toStdString();
    // Every record once, under its group's separator.
    for (int i = 0; i < 35; ++i) {
        const qsizetype at = text.indexOf(QStringLiteral("Pat Five%1\n").arg(i));
        EXPECT_GT(at, five) << i;
        EXPECT_LT(at, three) << i;
    }
    for (int i = 0; i < 12; ++i) {
        const qsizetype at = text.indexOf(QStringLiteral("Pat Three%1\n").arg(i));
        EXPECT_GT(at, three) << i;
        EXPECT_LT(at, adc) << i;
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(text.indexOf(QStringLiteral("Pat Adc%1\n").arg(i)), adc) << i;
    EXPECT_EQ(text.count("Pat "), 50);
    EXPECT_FALSE(QFile::exists(home + "/PRESORT.PSL"));
}

}  // namespace
}  // namespace rp

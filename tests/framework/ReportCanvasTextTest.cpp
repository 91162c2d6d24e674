// Text on the report canvas: paper and printing area, the current position and its lines,
// aligned and clipped text, fonts, and pages that break by themselves.
#include "framework/ReportCanvas.h"
#include "support/ReportLog.h"

#include <gtest/gtest.h>

namespace {

using namespace rp;

constexpr double kTolerance = 1e-9;

TEST(ReportPaper, StandardKindsAndLandscape) {
    ReportLog log;
    ReportCanvas canvas(log);
    EXPECT_DOUBLE_EQ(canvas.pageWidth(), 8.5);
    EXPECT_DOUBLE_EQ(canvas.pageHeight(), 11);
    canvas.setPaper(PaperKind::A4);
    EXPECT_NEAR(canvas.pageWidth(), 210 / 25.4, 1e-9);
    EXPECT_NEAR(canvas.pageHeight(), 297 / 25.4, 1e-9);
    canvas.setPaper(PaperKind::A5);
    canvas.setLandscape(true);
    EXPECT_NEAR(canvas.pageWidth(), 210 / 25.4, 1e-9);
    EXPECT_NEAR(canvas.pageHeight(), 148 / 25.4, 1e-9);
    canvas.setCustomPaper(9.5, 4.125);
    EXPECT_TRUE(canvas.paper().landscape());
    EXPECT_DOUBLE_EQ(canvas.pageWidth(), 4.125);
    EXPECT_DOUBLE_EQ(canvas.pageHeight(), 9.5);
    ASSERT_TRUE(canvas.start());
    EXPECT_EQ(log.paper(), canvas.paper());
}

TEST(ReportPaper, MarginsSetTheSectionFromThePageEdges) {
    ReportLog log;
    ReportCanvas canvas(log);
    canvas.setMarginLeft(0.5);
    canvas.setMarginTop(1);
    canvas.setMarginRight(0.75);
    canvas.setMarginBottom(1.25);
    EXPECT_EQ(canvas.section(), QRectF(QPointF(0.5, 1), QPointF(7.75, 9.75)));
    canvas.setSectionBottom(4);
    EXPECT_DOUBLE_EQ(canvas.section().bottom(), 4);
    canvas.setSectionLeft(1);
    canvas.setSectionRight(8);
    canvas.setSectionTop(0.5);
    EXPECT_EQ(canvas.section(), QRectF(QPointF(1, 0.5), QPointF(8, 4)));
    canvas.setSection(QRectF(0, 0, 2.625, 1));
    EXPECT_EQ(canvas.section(), QRectF(0, 0, 2.625, 1));
    // New paper starts with the whole page.
    canvas.setLandscape(true);
    EXPECT_EQ(canvas.section(), QRectF(0, 0, 11, 8.5));
}

TEST(ReportPaper, UnprintableMarginsComeFromTheOutput) {
    ReportLog log(300, QPointF(0.25, 0.125));
    ReportCanvas canvas(log);
    EXPECT_DOUBLE_EQ(canvas.unprintableLeft(), 0.25);
    EXPECT_DOUBLE_EQ(canvas.unprintableTop(), 0.125);
}

class ReportText : public ::testing::Test {
  protected:
    void SetUp() override {
        canvas.setFont(ReportFont{QStringLiteral("Arial"), 10, false, false});
        canvas.setMarginLeft(0.5);
        canvas.setMarginTop(1);
        canvas.setMarginBottom(1);
        ASSERT_TRUE(canvas.start());
    }

    double ascent() const { return ReportTextMetrics(canvas.font()).ascent(); }

    ReportLog log;
    ReportCanvas canvas{log};
};

TEST_F(ReportText, MetricsFollowTheFontSize) {
    const double tenPoint = canvas.lineHeight();
    // A 10-point font's line is a little more than 10 points (0.139 inch) high.
    EXPECT_GT(tenPoint, 10.0 / 72);
    EXPECT_LT(tenPoint, 14.0 / 72);
    const double width = canvas.textWidth(QStringLiteral("Zip Code Count Report"));
    canvas.setFontSize(20);
    EXPECT_NEAR(canvas.lineHeight(), 2 * tenPoint, 0.01);
    EXPECT_NEAR(canvas.textWidth(QStringLiteral("Zip Code Count Report")), 2 * width, 0.02);
    canvas.setFontSize(10);
    canvas.setBold(true);
    EXPECT_GT(canvas.textWidth(QStringLiteral("Zip Code Count Report")), width);
    EXPECT_TRUE(canvas.font().bold);
}

TEST_F(ReportText, AMeasureIsTheSameWhenTakenAgainOrAfterAnotherText) {
    const ReportFont font{QStringLiteral("Arial"), 10, false, false};
    const double fresh = ReportTextMetrics(font).width(QStringLiteral("Springfield  IL 62701"));
    const double freshShort = ReportTextMetrics(font).width(QStringLiteral("Springfield"));
    ASSERT_LT(freshShort, fresh);
    const ReportTextMetrics metrics(font);
    EXPECT_DOUBLE_EQ(metrics.width(QStringLiteral("Springfield  IL 62701")), fresh);
    EXPECT_DOUBLE_EQ(metrics.width(QStringLiteral("Springfield  IL 62701")), fresh);
    EXPECT_DOUBLE_EQ(metrics.width(QStringLiteral("Springfield")), freshShort);
    EXPECT_DOUBLE_EQ(metrics.width(QStringLiteral("Springfield  IL 62701")), fresh);
    EXPECT_DOUBLE_EQ(metrics.width(QString()), 0.0);
    // Past the texts it remembers it measures afresh, with the same results.
    for (int i = 0; i < 5000; ++i) metrics.width(QString::number(i));
    EXPECT_DOUBLE_EQ(metrics.width(QStringLiteral("Springfield")), freshShort);
    EXPECT_DOUBLE_EQ(metrics.width(QStringLiteral("4999")),
                     ReportTextMetrics(font).width(QStringLiteral("4999")));

    // A run's width is its measure in the font it is printed in.
    canvas.print(QStringLiteral("Springfield"));
    canvas.setFontSize(20);
    canvas.print(QStringLiteral("Springfield"));
    const std::vector<TextRun> runs = log.texts();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_DOUBLE_EQ(runs[0].width, freshShort);
    EXPECT_NEAR(runs[1].width, 2 * freshShort, 0.02);
    EXPECT_DOUBLE_EQ(runs[1].width, canvas.textWidth(QStringLiteral("Springfield")));
}

TEST_F(ReportText, HomeIsTheFirstLineOfTheSectionAndLinesFollowByTheLineHeight) {
    canvas.home();
    EXPECT_NEAR(canvas.x(), 0.5, kTolerance);
    EXPECT_NEAR(canvas.y(), 1 + ascent(), kTolerance);
    canvas.println(QStringLiteral("first"));
    canvas.println(QStringLiteral("second"));
    const TextRun first = log.text(QStringLiteral("first"));
    const TextRun second = log.text(QStringLiteral("second"));
    EXPECT_NEAR(first.x, 0.5, kTolerance);
    EXPECT_NEAR(first.baseline, 1 + ascent(), kTolerance);
    EXPECT_NEAR(first.box.top(), 1.0, kTolerance);
    EXPECT_NEAR(second.baseline - first.baseline, canvas.lineHeight(), kTolerance);
    EXPECT_NEAR(canvas.y(), first.baseline + 2 * canvas.lineHeight(), kTolerance);
    EXPECT_NEAR(canvas.x(), 0.5, kTolerance);
}

TEST_F(ReportText, PrintMovesAlongTheLine) {
    canvas.home();
    canvas.print(QStringLiteral("Page "));
    canvas.print(QStringLiteral("3"));
    EXPECT_NEAR(log.text(QStringLiteral("3")).x, 0.5 + canvas.textWidth(QStringLiteral("Page ")),
                kTolerance);
    EXPECT_NEAR(canvas.x(), 0.5 + canvas.textWidth(QStringLiteral("Page 3")), 1e-6);
}

TEST_F(ReportText, LinesLeftCountsWholeLinesAboveTheSectionBottom) {
    const double lh = canvas.lineHeight();
    canvas.setSectionTop(1);
    canvas.setSectionBottom(1 + 3.5 * lh);
    canvas.home();
    EXPECT_EQ(canvas.linesLeft(), 3);
    canvas.newLine();
    EXPECT_EQ(canvas.linesLeft(), 2);
    canvas.newLine();
    canvas.newLine();
    EXPECT_EQ(canvas.linesLeft(), 0);
    // A section that holds lines exactly keeps its last line.
    canvas.setSectionBottom(1 + 4 * lh);
    EXPECT_EQ(canvas.linesLeft(), 1);
    canvas.gotoXY(0, 50);
    EXPECT_EQ(canvas.linesLeft(), 0);
}

TEST_F(ReportText, AlignedTextStartsEndsOrCentresAtThePosition) {
    canvas.home();
    const QString text = QStringLiteral("Ravenpost");
    const double width = canvas.textWidth(text);
    canvas.printLeft(text, 2.0);
    canvas.printRight(text, 6.0);
    canvas.printCentre(text, 4.25);
    const std::vector<TextRun> runs = log.texts();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_NEAR(runs[0].x, 2.0, kTolerance);
    EXPECT_NEAR(runs[1].x, 6.0 - width, kTolerance);
    EXPECT_NEAR(runs[1].box.right(), 6.0, kTolerance);
    EXPECT_EQ(runs[1].align, TextAlign::Right);
    EXPECT_NEAR(runs[2].x, 4.25 - width / 2, kTolerance);
    EXPECT_NEAR(runs[2].box.center().x(), 4.25, kTolerance);
    EXPECT_EQ(runs[2].align, TextAlign::Centre);
    for (const TextRun& run : runs) EXPECT_NEAR(run.baseline, 1 + ascent(), kTolerance);
    // Aligned text leaves the current position alone.
    EXPECT_NEAR(canvas.x(), 0.5, kTolerance);
}

TEST_F(ReportText, ClippedTextKeepsToItsRectangle) {
    canvas.printClipped(QStringLiteral("A long line that does not fit"), QRectF(1, 2, 0.5, 0.25));
    const TextRun run = log.texts().at(0);
    EXPECT_TRUE(run.clipped);
    EXPECT_EQ(run.box, QRectF(1, 2, 0.5, 0.25));
    EXPECT_NEAR(run.x, 1, kTolerance);
    EXPECT_NEAR(run.baseline, 2 + ascent(), kTolerance);
    EXPECT_GT(run.width, 0.5);
}

TEST_F(ReportText, TheOriginIsAddedToPositionsAndTheSection) {
    canvas.setMarginLeft(0);
    canvas.setMarginTop(0);
    canvas.setOrigin(1.25, 2.5);
    EXPECT_EQ(canvas.origin(), QPointF(1.25, 2.5));
    canvas.home();
    EXPECT_NEAR(canvas.lineTop(), 0, kTolerance);
    canvas.println(QStringLiteral("label"));
    canvas.gotoXY(0.5, 0.75);
    canvas.print(QStringLiteral("there"));
    EXPECT_NEAR(log.text(QStringLiteral("label")).x, 1.25, kTolerance);
    EXPECT_NEAR(log.text(QStringLiteral("label")).baseline, 2.5 + ascent(), kTolerance);
    EXPECT_NEAR(log.text(QStringLiteral("there")).x, 1.75, kTolerance);
    EXPECT_NEAR(log.text(QStringLiteral("there")).baseline, 3.25, kTolerance);
}

TEST_F(ReportText, FontsTravelWithTheirTextRuns) {
    canvas.home();
    canvas.setFont(ReportFont{QStringLiteral("Courier New"), 12, true, true});
    canvas.setTextColour(Qt::blue);
    canvas.println(QStringLiteral("styled"));
    const TextRun run = log.text(QStringLiteral("styled"));
    EXPECT_EQ(run.font, (ReportFont{QStringLiteral("Courier New"), 12, true, true}));
    EXPECT_EQ(run.colour, QColor(Qt::blue));
}

TEST_F(ReportText, PrintingPastTheSectionBottomStartsANewPage) {
    canvas.setAutoPaging(true);
    const int perPage = canvas.linesLeft();
    ASSERT_GT(perPage, 40);  // nine inches of ten-point lines
    for (int i = 1; i <= perPage + 3; ++i) canvas.println(QStringLiteral("line %1").arg(i));
    EXPECT_EQ(canvas.pageNumber(), 2);
    EXPECT_EQ(log.pages(), 2);
    EXPECT_EQ(log.texts(1).size(), static_cast<std::size_t>(perPage));
    EXPECT_EQ(log.texts(2).size(), 3u);
    const TextRun carried = log.text(QStringLiteral("line %1").arg(perPage + 1));
    EXPECT_NEAR(carried.baseline, 1 + ascent(), kTolerance);
    EXPECT_NEAR(carried.x, 0.5, kTolerance);
    // The last line of page 1 ends inside the section.
    const TextRun last = log.text(QStringLiteral("line %1").arg(perPage));
    EXPECT_LE(last.box.bottom(), 10.0 + kTolerance);
}

TEST_F(ReportText, WithoutAutomaticPagingTheCallerDecides) {
    canvas.gotoXY(0.5, 20);
    EXPECT_EQ(canvas.linesLeft(), 0);
    canvas.println(QStringLiteral("below"));
    EXPECT_EQ(canvas.pageNumber(), 1);
    EXPECT_NEAR(log.text(QStringLiteral("below")).baseline, 20, kTolerance);
}

}  // namespace

// Tab stops on the report canvas: cell positions, justification inside the inner margins,
// shading and box lines, saving and restoring a set, and the count-report row layout.
#include "framework/ReportCanvas.h"
#include "support/ReportLog.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using namespace rp;

constexpr double kTolerance = 1e-9;

TabStop stop(std::optional<double> position, TextAlign align, double width, double margin,
             BoxLines boxes = BoxLine::None, int shade = 0) {
    return TabStop{position, align, width, margin, boxes, shade};
}

class ReportTabs : public ::testing::Test {
  protected:
    void SetUp() override {
        canvas.setFont(ReportFont{QStringLiteral("Arial"), 10, false, false});
        canvas.setMarginLeft(0.5);
        canvas.setMarginTop(1);
        canvas.setMarginRight(0.5);
        canvas.setMarginBottom(1);
        ASSERT_TRUE(canvas.start());
    }

    ReportLog log;
    ReportCanvas canvas{log};
};

TEST_F(ReportTabs, StopsWithoutPositionFollowTheOneBefore) {
    canvas.addTab(stop(0.25, TextAlign::Left, 0.625, 0.05));
    canvas.addTab(stop(std::nullopt, TextAlign::Right, 0.75, 0.05));
    canvas.addTab(stop(3.0, TextAlign::Left, 1, 0));
    canvas.addTab(stop(std::nullopt, TextAlign::Centre, 0.5, 0));
    EXPECT_DOUBLE_EQ(canvas.tabs().left(0), 0.25);
    EXPECT_DOUBLE_EQ(canvas.tabs().left(1), 0.875);
    EXPECT_DOUBLE_EQ(canvas.tabs().right(1), 1.625);
    EXPECT_DOUBLE_EQ(canvas.tabs().left(2), 3.0);
    EXPECT_DOUBLE_EQ(canvas.tabs().left(3), 4.0);
}

TEST_F(ReportTabs, TextIsJustifiedInsideTheInnerMargins) {
    canvas.setOrigin(0.5, 0);
    canvas.addTab(stop(0, TextAlign::Left, 0.625, 0.05));
    canvas.addTab(stop(std::nullopt, TextAlign::Right, 0.625, 0.05));
    canvas.addTab(stop(std::nullopt, TextAlign::Centre, 1.0, 0.1));
    canvas.printTab(QStringLiteral("02134"));
    canvas.printTab(QStringLiteral("1,234"));
    canvas.printTab(QStringLiteral("mid"));

    const TextRun left = log.text(QStringLiteral("02134"));
    EXPECT_NEAR(left.x, 0.55, kTolerance);
    EXPECT_EQ(left.align, TextAlign::Left);
    EXPECT_NEAR(left.box.left(), 0.55, kTolerance);
    EXPECT_NEAR(left.box.right(), 1.075, kTolerance);
    EXPECT_TRUE(left.clipped);

    // The count ends at the second cell's right edge less the margin: 0.5 + 1.25 - 0.05.
    const TextRun right = log.text(QStringLiteral("1,234"));
    EXPECT_GT(right.width, 0.2);
    EXPECT_NEAR(right.x + right.width, 1.70, kTolerance);
    EXPECT_NEAR(right.box.right(), 1.70, kTolerance);
    EXPECT_EQ(right.align, TextAlign::Right);

    // Centred in 1.75 + 0.1 .. 2.75 - 0.1 around 2.25.
    const TextRun centre = log.text(QStringLiteral("mid"));
    EXPECT_NEAR(centre.x + centre.width / 2, 2.25, kTolerance);
    EXPECT_EQ(centre.align, TextAlign::Centre);
}

TEST_F(ReportTabs, ShadeCoversTheWholeCellOfTheCurrentLine) {
    canvas.addTab(stop(1.0, TextAlign::Left, 0.625, 0.05, BoxLine::None, 5));
    canvas.home();
    const double top = canvas.lineTop();
    canvas.printTab(QStringLiteral("x"));

    ASSERT_EQ(log.rects().size(), 1u);
    const RectOp shade = log.rects()[0];
    EXPECT_EQ(shade.shade, 5);
    EXPECT_FALSE(shade.outlined);
    EXPECT_EQ(shade.fill, shadeColour(5));
    EXPECT_NEAR(shade.rect.left(), 1.0, kTolerance);
    EXPECT_NEAR(shade.rect.right(), 1.625, kTolerance);
    EXPECT_NEAR(shade.rect.top(), 1.0, kTolerance);
    EXPECT_NEAR(top, 1.0, kTolerance);
    EXPECT_NEAR(shade.rect.height(), canvas.lineHeight(), kTolerance);
    // The shade goes down before the text so that it does not cover it.
    ASSERT_EQ(log.entries().size(), 2u);
    EXPECT_TRUE(std::holds_alternative<RectOp>(log.entries()[0].op));
    EXPECT_TRUE(std::holds_alternative<TextRun>(log.entries()[1].op));
}

TEST_F(ReportTabs, BoxLinesAreDrawnOnTheChosenSidesOnly) {
    canvas.setPen(Qt::black, Qt::SolidLine, 2);
    canvas.addTab(stop(2.0, TextAlign::Left, 1.5, 0, BoxLine::Left | BoxLine::Bottom));
    canvas.addTab(stop(std::nullopt, TextAlign::Left, 0.5, 0, BoxLine::All));
    canvas.home();
    const double top = 1.0;
    const double bottom = 1.0 + canvas.lineHeight();
    canvas.printTab(QStringLiteral("a"));
    canvas.printTab(QStringLiteral("b"));

    const std::vector<LineOp> lines = log.lines();
    ASSERT_EQ(lines.size(), 6u);
    auto expectLine = [&](const LineOp& line, double x1, double y1, double x2, double y2) {
        EXPECT_NEAR(line.from.x(), x1, kTolerance);
        EXPECT_NEAR(line.from.y(), y1, kTolerance);
        EXPECT_NEAR(line.to.x(), x2, kTolerance);
        EXPECT_NEAR(line.to.y(), y2, kTolerance);
        EXPECT_DOUBLE_EQ(line.pen.width, 0.02);
    };
    expectLine(lines[0], 2.0, top, 2.0, bottom);     // first cell, left
    expectLine(lines[1], 2.0, bottom, 3.5, bottom);  // first cell, bottom
    expectLine(lines[2], 3.5, top, 3.5, bottom);     // second cell: left, right, top, bottom
    expectLine(lines[3], 4.0, top, 4.0, bottom);
    expectLine(lines[4], 3.5, top, 4.0, top);
    expectLine(lines[5], 3.5, bottom, 4.0, bottom);
}

TEST_F(ReportTabs, BoxLinesLeaveThePenWhereItWas) {
    canvas.addTab(stop(2.0, TextAlign::Left, 1.5, 0, BoxLine::All));
    canvas.moveTo(0.5, 0.5);
    canvas.printTab(QStringLiteral("a"));
    canvas.lineTo(1, 0.5);
    const LineOp last = log.lines().back();
    EXPECT_EQ(last.from, QPointF(0.5, 0.5));
    EXPECT_EQ(last.to, QPointF(1, 0.5));
}

TEST_F(ReportTabs, NewLineStartsAgainAtTheFirstStopAndTheLastStopIsTheEnd) {
    canvas.addTab(stop(0.5, TextAlign::Left, 1, 0));
    canvas.addTab(stop(std::nullopt, TextAlign::Left, 1, 0));
    canvas.home();
    canvas.printTab(QStringLiteral("a1"));
    canvas.printTab(QStringLiteral("a2"));
    EXPECT_THROW(canvas.printTab(QStringLiteral("a3")), std::logic_error);
    canvas.newLine();
    canvas.printTab(QStringLiteral("b1"));
    EXPECT_NEAR(log.text(QStringLiteral("b1")).x, 0.5, kTolerance);
    EXPECT_NEAR(log.text(QStringLiteral("b1")).baseline - log.text(QStringLiteral("a1")).baseline,
                canvas.lineHeight(), kTolerance);
}

TEST_F(ReportTabs, EmptyCellsStillDrawTheirShadeButNoText) {
    canvas.addTab(stop(0, TextAlign::Left, 1, 0, BoxLine::None, 20));
    canvas.printTab(QString());
    EXPECT_EQ(log.rects().size(), 1u);
    EXPECT_TRUE(log.texts().empty());
}

TEST_F(ReportTabs, SavedSetsComeBackInReverseOrder) {
    canvas.addTab(stop(1, TextAlign::Left, 1, 0));
    canvas.saveTabs();
    canvas.clearTabs();
    canvas.addTab(stop(2, TextAlign::Right, 1, 0));
    canvas.addTab(stop(4, TextAlign::Right, 1, 0));
    canvas.saveTabs();
    canvas.clearTabs();
    EXPECT_EQ(canvas.tabs().count(), 0);

    canvas.restoreTabs();
    EXPECT_EQ(canvas.tabs().count(), 2);
    EXPECT_DOUBLE_EQ(canvas.tabs().left(1), 4);
    canvas.restoreTabs();
    EXPECT_EQ(canvas.tabs().count(), 1);
    EXPECT_DOUBLE_EQ(canvas.tabs().left(0), 1);
    EXPECT_THROW(canvas.restoreTabs(), std::logic_error);
}

TEST_F(ReportTabs, CountReportRowsSitInTheirColumnWithOddRowsShaded) {
    // Column 2 of a four-column count report: origin 2 * 1.875 + 0.5, three 0.625 cells.
    canvas.addTab(stop(0, TextAlign::Left, 0.625, 0.05));
    canvas.addTab(stop(std::nullopt, TextAlign::Right, 0.625, 0.05));
    canvas.addTab(stop(std::nullopt, TextAlign::Left, 0.625, 0.05));
    canvas.setOrigin(2 * 1.875 + 0.5, 0);
    canvas.home();
    for (int row = 1; row <= 2; ++row) {
        if (row % 2 == 1)
            canvas.shadeRectangle(QRectF(0, canvas.lineTop(), 1.875, canvas.lineHeight()), 5);
        canvas.printTab(QStringLiteral("0213%1").arg(row));
        canvas.printTab(QStringLiteral("%1").arg(row * 1000));
        canvas.printTab(QString());
        canvas.newLine();
    }
    ASSERT_EQ(log.rects().size(), 1u);
    EXPECT_NEAR(log.rects()[0].rect.left(), 4.25, kTolerance);
    EXPECT_NEAR(log.rects()[0].rect.right(), 6.125, kTolerance);
    EXPECT_NEAR(log.rects()[0].rect.top(), 1.0, kTolerance);
    EXPECT_NEAR(log.text(QStringLiteral("02131")).x, 4.30, kTolerance);
    const TextRun count = log.text(QStringLiteral("2000"));
    EXPECT_NEAR(count.x + count.width, 4.25 + 1.25 - 0.05, kTolerance);
    EXPECT_NEAR(count.baseline - log.text(QStringLiteral("1000")).baseline, canvas.lineHeight(),
                kTolerance);
}

}  // namespace

// The barcode as drawn: where each bar stands on the page, in inches.
#include <gtest/gtest.h>

#include "framework/ReportCanvas.h"
#include "framework/ReportLog.h"
#include "mailpiece/BarSection.h"

namespace rp {
namespace {

TEST(BarSectionDrawing, BarsStandAPitchApartFromTheOriginAndEndOnOneBaseline) {
    ReportLog log;
    ReportCanvas canvas(log);
    canvas.start();
    canvas.setOrigin(1.0, 2.0);
    canvas.gotoXY(0, 0);
    barSection(canvas, "12345");
    canvas.finish();

    const std::vector<LineOp> bars = log.lines();
    ASSERT_EQ(bars.size(), 32u);
    // Frame bar, then digit 1 (half, half, half, full, full), ..., check digit 5, frame bar.
    EXPECT_DOUBLE_EQ(bars[0].from.x(), 1.0);
    EXPECT_DOUBLE_EQ(bars[0].from.y(), 2.0);
    EXPECT_DOUBLE_EQ(bars[1].from.x(), 1.045);
    EXPECT_DOUBLE_EQ(bars[1].from.y(), 2.0625);
    EXPECT_DOUBLE_EQ(bars[4].from.y(), 2.0);
    EXPECT_NEAR(bars[31].from.x(), 1.0 + 31 * 0.045, 1e-9);
    EXPECT_DOUBLE_EQ(bars[31].from.y(), 2.0);
    for (const LineOp& bar : bars) {
        EXPECT_DOUBLE_EQ(bar.to.x(), bar.from.x());
        EXPECT_DOUBLE_EQ(bar.to.y(), 2.125);
        EXPECT_DOUBLE_EQ(bar.pen.width, 0.01);
        EXPECT_EQ(bar.pen.style, Qt::SolidLine);
        EXPECT_EQ(bar.pen.colour, QColor(Qt::black));
    }
    EXPECT_NEAR(canvas.x(), 32 * 0.045, 1e-9);
    EXPECT_DOUBLE_EQ(canvas.y(), 0.0);
}

TEST(BarSectionDrawing, SingleBarsMoveOnAndKeepTheirHeights) {
    ReportLog log;
    ReportCanvas canvas(log);
    canvas.start();
    canvas.gotoXY(0.5, 0.5);
    bigBar(canvas);
    littleBar(canvas);
    canvas.finish();
    const std::vector<LineOp> bars = log.lines();
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_DOUBLE_EQ(bars[0].to.y() - bars[0].from.y(), 0.125);
    EXPECT_DOUBLE_EQ(bars[1].to.y() - bars[1].from.y(), 0.0625);
    EXPECT_NEAR(bars[1].from.x() - bars[0].from.x(), 0.045, 1e-12);
}

}  // namespace
}  // namespace rp

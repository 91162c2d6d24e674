// The barcode as drawn: where each bar stands on the page, in inches. Every bar is a solid
// rectangle the pen's width wide centred on x = i * kBarPitch, from its top to the baseline,
// and all the bars of a barcode are one fill operation.
#include <gtest/gtest.h>

#include "framework/ReportCanvas.h"
#include "mailpiece/BarSection.h"
#include "mailpiece/PostnetBars.h"
#include "support/ReportLog.h"

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

    EXPECT_TRUE(log.lines().empty());
    ASSERT_EQ(log.fills().size(), 1u);  // the whole barcode in one operation
    const FillOp fill = log.fills()[0];
    EXPECT_EQ(fill.colour, QColor(Qt::black));
    const std::vector<QRectF>& bars = fill.rects;
    ASSERT_EQ(bars.size(), 32u);
    // Frame bar, then digit 1 (half, half, half, full, full), ..., check digit 5, frame bar.
    EXPECT_DOUBLE_EQ(bars[0].left(), 0.995);
    EXPECT_DOUBLE_EQ(bars[0].right(), 1.005);
    EXPECT_DOUBLE_EQ(bars[0].top(), 2.0);
    EXPECT_DOUBLE_EQ(bars[1].center().x(), 1.045);
    EXPECT_DOUBLE_EQ(bars[1].top(), 2.0625);
    EXPECT_DOUBLE_EQ(bars[2].top(), 2.0625);
    EXPECT_DOUBLE_EQ(bars[3].top(), 2.0625);
    EXPECT_DOUBLE_EQ(bars[4].top(), 2.0);
    EXPECT_DOUBLE_EQ(bars[5].top(), 2.0);
    EXPECT_NEAR(bars[31].center().x(), 1.0 + 31 * 0.045, 1e-9);
    EXPECT_DOUBLE_EQ(bars[31].top(), 2.0);
    const std::vector<Bar> expected = postnetBars("12345");
    for (std::size_t i = 0; i < bars.size(); ++i) {
        EXPECT_NEAR(bars[i].center().x(), 1.0 + double(i) * kBarPitch, 1e-12) << i;
        EXPECT_NEAR(bars[i].width(), 0.01, 1e-12) << i;
        EXPECT_DOUBLE_EQ(bars[i].top(), 2.0 + barTop(expected[i])) << i;
        EXPECT_DOUBLE_EQ(bars[i].bottom(), 2.125) << i;
    }
    EXPECT_NEAR(canvas.x(), 32 * 0.045, 1e-9);
    EXPECT_DOUBLE_EQ(canvas.y(), 0.0);
    // The pen is left as the bars' width.
    EXPECT_DOUBLE_EQ(canvas.pen().width, 0.01);
    EXPECT_EQ(canvas.pen().style, Qt::SolidLine);
}

TEST(BarSectionDrawing, SingleBarsMoveOnAndKeepTheirHeights) {
    ReportLog log;
    ReportCanvas canvas(log);
    canvas.start();
    canvas.gotoXY(0.5, 0.5);
    bigBar(canvas);
    littleBar(canvas);
    canvas.finish();
    const std::vector<FillOp> fills = log.fills();
    ASSERT_EQ(fills.size(), 2u);
    ASSERT_EQ(fills[0].rects.size(), 1u);
    ASSERT_EQ(fills[1].rects.size(), 1u);
    const QRectF big = fills[0].rects[0];
    const QRectF little = fills[1].rects[0];
    EXPECT_DOUBLE_EQ(big.height(), 0.125);
    EXPECT_DOUBLE_EQ(little.height(), 0.0625);
    EXPECT_DOUBLE_EQ(big.bottom(), little.bottom());
    EXPECT_DOUBLE_EQ(big.center().x(), 0.5);
    EXPECT_NEAR(little.center().x() - big.center().x(), 0.045, 1e-12);
}

TEST(BarSectionDrawing, BarsAreNeverThinnerThanOneDotOfTheOutput) {
    ReportLog coarse(72);  // 0.01 inch is less than one dot at 72 dots per inch
    ReportCanvas canvas(coarse);
    canvas.start();
    canvas.gotoXY(1.0, 1.0);
    barSection(canvas, "12345");
    canvas.finish();
    const std::vector<FillOp> fills = coarse.fills();
    ASSERT_EQ(fills.size(), 1u);
    ASSERT_EQ(fills[0].rects.size(), 32u);
    for (const QRectF& bar : fills[0].rects) {
        EXPECT_NEAR(bar.width(), 1.0 / 72, 1e-12);
        EXPECT_DOUBLE_EQ(bar.bottom(), 1.125);
    }
    EXPECT_DOUBLE_EQ(fills[0].rects[0].center().x(), 1.0);
}

}  // namespace
}  // namespace rp

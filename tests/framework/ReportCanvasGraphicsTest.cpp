// Pens, lines, rectangles and pictures on the report canvas, and how thin a pen may become.
#include "framework/ReportCanvas.h"
#include "support/ReportLog.h"

#include <gtest/gtest.h>
#include <QImage>

namespace {

using namespace rp;

constexpr double kTolerance = 1e-9;

TEST(ReportPens, WidthIsInHundredthsOfAnInch) {
    ReportLog log(600);
    ReportCanvas canvas(log);
    canvas.setPen(Qt::red, Qt::DashLine, 3);
    EXPECT_DOUBLE_EQ(canvas.pen().width, 0.03);
    EXPECT_EQ(canvas.pen().colour, QColor(Qt::red));
    EXPECT_EQ(canvas.pen().style, Qt::DashLine);
}

TEST(ReportPens, NeverThinnerThanOneDotOfTheOutput) {
    ReportLog coarse(72);
    ReportCanvas onCoarse(coarse);
    onCoarse.setPen(Qt::black, Qt::SolidLine, 1);  // 0.01 inch is less than one dot at 72 dpi
    EXPECT_DOUBLE_EQ(onCoarse.pen().width, 1.0 / 72);
    onCoarse.setPen(Qt::black, Qt::SolidLine, 0);
    EXPECT_DOUBLE_EQ(onCoarse.pen().width, 1.0 / 72);

    ReportLog fine(600);
    ReportCanvas onFine(fine);
    onFine.setPen(Qt::black, Qt::SolidLine, 1);
    EXPECT_DOUBLE_EQ(onFine.pen().width, 0.01);
    onFine.setPen(Qt::black, Qt::SolidLine, 0);
    EXPECT_DOUBLE_EQ(onFine.pen().width, 1.0 / 600);
}

class ReportGraphics : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(canvas.start()); }
    ReportLog log{300};
    ReportCanvas canvas{log};
};

TEST_F(ReportGraphics, BarsAreDrawnFromMoveToAndLineToAtTheOrigin) {
    canvas.setOrigin(3.1667, 2.0625 - 0.165);
    canvas.setPen(Qt::black, Qt::SolidLine, 1);
    canvas.moveTo(0, 0);
    canvas.lineTo(0, 0.125);
    canvas.moveTo(0.045, 0.0625);
    canvas.lineTo(0.045, 0.125);
    const std::vector<LineOp> bars = log.lines();
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_NEAR(bars[0].from.x(), 3.1667, kTolerance);
    EXPECT_NEAR(bars[0].from.y(), 1.8975, kTolerance);
    EXPECT_NEAR(bars[0].to.y(), 2.0225, kTolerance);
    EXPECT_NEAR(bars[1].from.x(), 3.2117, kTolerance);
    EXPECT_NEAR(bars[1].from.y(), 1.96, kTolerance);
    EXPECT_NEAR(bars[1].to.y(), 2.0225, kTolerance);
    EXPECT_DOUBLE_EQ(bars[1].pen.width, 0.01);
}

TEST_F(ReportGraphics, LineToContinuesFromTheLastPoint) {
    canvas.moveTo(1, 1);
    canvas.lineTo(2, 1);
    canvas.lineTo(2, 3);
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_EQ(log.lines()[1].from, QPointF(2, 1));
    EXPECT_EQ(log.lines()[1].to, QPointF(2, 3));
}

TEST_F(ReportGraphics, RectanglesAreOutlinedAndFilledWithTheBrush) {
    canvas.setMarginLeft(0.5);
    canvas.setMarginTop(1);
    canvas.setMarginRight(0.5);
    canvas.setMarginBottom(1);
    canvas.setPen(Qt::black, Qt::SolidLine, 2);
    canvas.rectangle(canvas.section());
    canvas.setBrush(Qt::yellow);
    canvas.rectangle(QRectF(1, 1, 2, 0.5));
    canvas.shadeRectangle(QRectF(0, 0, 1, 1), 25);

    const std::vector<RectOp> rects = log.rects();
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0].rect, QRectF(QPointF(0.5, 1), QPointF(8, 10)));
    EXPECT_TRUE(rects[0].outlined);
    EXPECT_FALSE(rects[0].fill.isValid());
    EXPECT_DOUBLE_EQ(rects[0].pen.width, 0.02);
    EXPECT_EQ(rects[1].fill, QColor(Qt::yellow));
    EXPECT_TRUE(rects[1].outlined);
    EXPECT_FALSE(rects[2].outlined);
    EXPECT_EQ(rects[2].shade, 25);
    EXPECT_EQ(rects[2].fill, QColor(0, 0, 0, 64));
}

TEST_F(ReportGraphics, PicturesAreStretchedIntoTheirRectangle) {
    QImage stamp(10, 10, QImage::Format_RGB32);
    stamp.fill(Qt::red);
    canvas.setOrigin(0, 0.5);
    canvas.picture(QRectF(QPointF(8.5, 0.125), QPointF(9.25, 0.875)), stamp);
    ASSERT_EQ(log.images().size(), 1u);
    EXPECT_EQ(log.images()[0].rect, QRectF(QPointF(8.5, 0.625), QPointF(9.25, 1.375)));
    EXPECT_EQ(log.images()[0].image, stamp);
}

TEST(ShadeColour, PercentOfBlack) {
    EXPECT_EQ(shadeColour(0), QColor(0, 0, 0, 0));
    EXPECT_EQ(shadeColour(5), QColor(0, 0, 0, 13));
    EXPECT_EQ(shadeColour(50), QColor(0, 0, 0, 128));
    EXPECT_EQ(shadeColour(100), QColor(0, 0, 0, 255));
    EXPECT_EQ(shadeColour(150), QColor(0, 0, 0, 255));
}

TEST_F(ReportGraphics, FilledRectanglesAreOneOperationAtTheOrigin) {
    canvas.setOrigin(1.5, 0.25);
    canvas.fillRectangles({QRectF(0, 0, 0.01, 0.125), QRectF(0.045, 0.0625, 0.01, 0.0625)},
                          Qt::black);
    ASSERT_EQ(log.entries().size(), 1u);
    const std::vector<FillOp> fills = log.fills();
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].colour, QColor(Qt::black));
    ASSERT_EQ(fills[0].rects.size(), 2u);
    EXPECT_NEAR(fills[0].rects[0].left(), 1.5, kTolerance);
    EXPECT_NEAR(fills[0].rects[0].top(), 0.25, kTolerance);
    EXPECT_NEAR(fills[0].rects[0].bottom(), 0.375, kTolerance);
    EXPECT_NEAR(fills[0].rects[1].left(), 1.545, kTolerance);
    EXPECT_NEAR(fills[0].rects[1].top(), 0.3125, kTolerance);
    EXPECT_NEAR(fills[0].rects[1].width(), 0.01, kTolerance);
    EXPECT_TRUE(log.lines().empty());
    EXPECT_TRUE(log.rects().empty());

    // Nothing reaches the surface once the job has ended.
    canvas.finish();
    canvas.fillRectangles({QRectF(0, 0, 1, 1)}, Qt::black);
    EXPECT_EQ(log.fills().size(), 1u);
}

}  // namespace

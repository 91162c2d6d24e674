// Painting report operations on a device: pens of at least one pixel, see-through shades, and
// text placed by its alignment box with the device's own font measures.
#include "framework/ReportOpPainter.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

namespace {

using namespace rp;

// The leftmost and rightmost columns holding ink, or (-1, -1) on a blank image.
std::pair<int, int> inkColumns(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

QImage paintRun(const TextRun& run, double pixelsPerInch) {
    QImage image(qRound(4 * pixelsPerInch), qRound(1 * pixelsPerInch), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ReportOpPainter(painter, pixelsPerInch).paint(run);
    return image;
}

TextRun run(const QString& text, TextAlign align, QRectF box, bool clipped = false) {
    TextRun r;
    r.text = text;
    r.font = ReportFont{QStringLiteral("Arial"), 24, true, false};
    r.baseline = 0.6;
    r.box = box;
    r.x = box.left();
    r.align = align;
    r.clipped = clipped;
    return r;
}

TEST(ReportOpPainter, PensCoverAtLeastOnePixelAtAnyZoom) {
    EXPECT_DOUBLE_EQ(ReportOpPainter::penPixels(0.01, 50), 1.0);
    EXPECT_DOUBLE_EQ(ReportOpPainter::penPixels(0.01, 1200), 12.0);
    EXPECT_DOUBLE_EQ(ReportOpPainter::penPixels(0, 96), 1.0);

    // A 0.001 inch line at 40 pixels to the inch still darkens the pixels it crosses.
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const ReportPen hairline{Qt::black, Qt::SolidLine, 0.001};
    ReportOpPainter(painter, 40)
        .paint(LineOp{QPointF(0.5125, 0.1), QPointF(0.5125, 0.9), hairline});
    painter.end();
    EXPECT_LT(qGray(image.pixel(20, 20)), 128);
    EXPECT_EQ(qGray(image.pixel(10, 20)), 255);
}

TEST(ReportOpPainter, ShadesLeaveLinesBeneathThemVisible) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ReportOpPainter ops(painter, 20);
    ops.paint(LineOp{QPointF(0.5, 0), QPointF(0.5, 1), ReportPen{Qt::black, Qt::SolidLine, 0.1}});
    ops.paint(RectOp{QRectF(0, 0, 1, 1), false, ReportPen{}, shadeColour(5), 5});
    painter.end();
    EXPECT_EQ(qGray(image.pixel(10, 10)), 0);
    EXPECT_EQ(qGray(image.pixel(3, 10)), 242);
}

TEST(ReportOpPainter, TextIsPlacedByItsBoxAndAlignment) {
    const QRectF box(QPointF(0.5, 0.2), QPointF(3.5, 0.8));
    const auto left = inkColumns(paintRun(run(QStringLiteral("MMM"), TextAlign::Left, box), 100));
    EXPECT_GE(left.first, 50);
    EXPECT_LE(left.first, 54);

    const auto right = inkColumns(paintRun(run(QStringLiteral("MMM"), TextAlign::Right, box), 100));
    EXPECT_LE(right.second, 350);
    EXPECT_GE(right.second, 346);

    const auto centre =
        inkColumns(paintRun(run(QStringLiteral("MMM"), TextAlign::Centre, box), 100));
    EXPECT_NEAR((centre.first + centre.second) / 2.0, 200, 3);
}

TEST(ReportOpPainter, FontSizesFollowTheZoom) {
    const QRectF box(QPointF(0.25, 0.2), QPointF(3.5, 0.8));
    const auto small = inkColumns(paintRun(run(QStringLiteral("MMM"), TextAlign::Left, box), 50));
    const auto large = inkColumns(paintRun(run(QStringLiteral("MMM"), TextAlign::Left, box), 100));
    const double smallWidth = small.second - small.first;
    const double largeWidth = large.second - large.first;
    EXPECT_NEAR(largeWidth / smallWidth, 2.0, 0.15);
}

TEST(ReportOpPainter, ClippedTextStaysInItsBox) {
    const QRectF box(QPointF(0.5, 0.2), QPointF(1.0, 0.8));
    const auto ink =
        inkColumns(paintRun(run(QStringLiteral("MMMMMMMM"), TextAlign::Left, box, true), 100));
    EXPECT_GE(ink.first, 50);
    EXPECT_LE(ink.second, 100);
    EXPECT_GE(ink.second, 95);
}

}  // namespace

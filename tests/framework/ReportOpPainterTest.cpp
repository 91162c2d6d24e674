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

TEST(ReportOpPainter, FillsPaintEveryRectangleSolidWithoutAnOutline) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::red, 8));  // whatever pen the painter holds draws no outline
    ReportOpPainter(painter, 100)
        .paint(FillOp{{QRectF(0.1, 0.1, 0.1, 0.5), QRectF(0.5, 0.2, 0.2, 0.2)}, Qt::black});
    painter.end();
    EXPECT_EQ(image.pixelColor(15, 50), QColor(Qt::black));  // inside the first
    EXPECT_EQ(image.pixelColor(60, 30), QColor(Qt::black));  // inside the second
    EXPECT_EQ(image.pixelColor(35, 50), QColor(Qt::white));  // between them
    EXPECT_EQ(image.pixelColor(8, 50), QColor(Qt::white));   // just left of the first
    EXPECT_EQ(image.pixelColor(15, 62), QColor(Qt::white));  // just below the first
    EXPECT_EQ(image.pixelColor(72, 30), QColor(Qt::white));  // just right of the second
}

TEST(ReportOpPainter, FillsKeepThePaintersOwnTransform) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(10, 5);
    const QTransform before = painter.worldTransform();
    ReportOpPainter(painter, 100)
        .paint(FillOp{{QRectF(0.3, 0.3, 0.1, 0.1), QRectF(0.6, 0.5, 0.1, 0.2)}, Qt::black});
    EXPECT_EQ(painter.worldTransform(), before);
    painter.end();
    EXPECT_EQ(image.pixelColor(45, 40), QColor(Qt::black));  // (0.35, 0.35) moved by (10, 5)
    EXPECT_EQ(image.pixelColor(75, 65), QColor(Qt::black));  // (0.65, 0.6) moved by (10, 5)
    EXPECT_EQ(image.pixelColor(38, 33), QColor(Qt::white));  // where the first would be unmoved
    EXPECT_EQ(image.pixelColor(75, 78), QColor(Qt::white));  // below the second
}

TEST(ReportOpPainter, OnePainterKeepsEachRunsFontAndClip) {
    // A clipped run, then the same text unclipped in a smaller font, then right-aligned in the
    // first font again: the clip ends with its run, and each run has its own size.
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ReportOpPainter ops(painter, 100);
    ops.paint(run(QStringLiteral("MMMMMMMM"), TextAlign::Left,
                  QRectF(QPointF(0.5, 0.2), QPointF(1.0, 0.8)), true));
    TextRun small = run(QStringLiteral("MMMMMMMM"), TextAlign::Left,
                        QRectF(QPointF(0.5, 1.2), QPointF(3.9, 1.8)));
    small.baseline = 1.6;
    small.font.points = 12;
    ops.paint(small);
    TextRun right =
        run(QStringLiteral("MMM"), TextAlign::Right, QRectF(QPointF(0.5, 2.2), QPointF(3.5, 2.8)));
    right.baseline = 2.6;
    ops.paint(right);
    painter.end();

    const auto clipped = inkColumns(image.copy(0, 0, 400, 100));
    EXPECT_LE(clipped.second, 100);
    const auto unclipped = inkColumns(image.copy(0, 100, 400, 100));
    EXPECT_GT(unclipped.second, 150);  // eight 12-point capitals run well past the clip
    const auto large = inkColumns(paintRun(run(QStringLiteral("MMMMMMMM"), TextAlign::Left,
                                               QRectF(QPointF(0.5, 0.2), QPointF(3.9, 0.8))),
                                           100));
    EXPECT_NEAR(double(unclipped.second - unclipped.first) / (large.second - large.first), 0.5,
                0.08);
    const auto ended = inkColumns(image.copy(0, 200, 400, 100));
    EXPECT_LE(ended.second, 350);
    EXPECT_GE(ended.second, 346);
}

}  // namespace

// Reports recorded into memory for the preview: page count, page size, random access to the
// pages and painting them back at a zoom.
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

namespace {

using namespace rp;

// A long report: each page has its number in the heading and a shaded band.
void drawNumberedPages(ReportCanvas& canvas, int pages) {
    canvas.setMarginLeft(0.5);
    canvas.setMarginTop(1);
    ASSERT_TRUE(canvas.start());
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) canvas.newPage();
        canvas.println(QStringLiteral("Page %1").arg(canvas.pageNumber()));
        canvas.shadeRectangle(QRectF(1, 3, 2, 1), 50);
    }
    canvas.finish();
}

QImage paint(const RecordedPages& pages, int index, double pixelsPerInch) {
    const QSizeF size = pages.pageSize() * pixelsPerInch;
    QImage image(qCeil(size.width()), qCeil(size.height()), QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    pages.paintPage(index, painter, pixelsPerInch);
    return image;
}

TEST(RecordedPages, HoldsEveryPageOfALongReport) {
    RecordedPages pages;
    ReportCanvas canvas(pages);
    drawNumberedPages(canvas, 320);
    EXPECT_TRUE(pages.finished());
    EXPECT_EQ(pages.pageCount(), 320);
    EXPECT_EQ(pages.pageSize(), QSizeF(8.5, 11));
    for (int index : {249, 0, 319}) {
        const std::vector<ReportOp>& ops = pages.page(index);
        ASSERT_EQ(ops.size(), 2u);
        EXPECT_EQ(std::get<TextRun>(ops[0]).text, QStringLiteral("Page %1").arg(index + 1));
    }
}

TEST(RecordedPages, PageSizeFollowsPaperAndOrientation) {
    RecordedPages pages;
    ReportCanvas canvas(pages);
    canvas.setCustomPaper(4.125, 9.5);
    canvas.setLandscape(true);
    ASSERT_TRUE(canvas.start());
    canvas.finish();
    EXPECT_EQ(pages.pageCount(), 1);
    EXPECT_EQ(pages.pageSize(), QSizeF(9.5, 4.125));
}

TEST(RecordedPages, TakesTheMarginsAndResolutionOfThePrinterItStandsFor) {
    RecordedPages pages(QPointF(0.25, 0.2), 300);
    ReportCanvas canvas(pages);
    EXPECT_DOUBLE_EQ(canvas.unprintableLeft(), 0.25);
    EXPECT_DOUBLE_EQ(canvas.unprintableTop(), 0.2);
    canvas.setPen(Qt::black, Qt::SolidLine, 0);
    EXPECT_DOUBLE_EQ(canvas.pen().width, 1.0 / 300);
}

TEST(RecordedPages, PaintsAnyPageBackAtTheZoomAsked) {
    RecordedPages pages;
    ReportCanvas canvas(pages);
    drawNumberedPages(canvas, 3);

    // 20 pixels to the inch: the page is 170 x 220, the band covers x 20..60, y 60..80.
    const QImage third = paint(pages, 2, 20);
    EXPECT_EQ(third.size(), QSize(170, 220));
    EXPECT_EQ(QColor(third.pixel(40, 70)), QColor(127, 127, 127));
    EXPECT_EQ(QColor(third.pixel(100, 150)), QColor(Qt::white));
    EXPECT_EQ(QColor(third.pixel(1, 1)), QColor(Qt::white));

    // The heading's ink lies on the first line below the top margin.
    int dark = 0;
    for (int y = 20; y < 24; ++y)
        for (int x = 10; x < 30; ++x) dark += qGray(third.pixel(x, y)) < 160 ? 1 : 0;
    EXPECT_GT(dark, 3);

    // Painting is repeatable and pages differ only where they differ.
    EXPECT_EQ(paint(pages, 2, 20), third);
    const QImage first = paint(pages, 0, 20);
    EXPECT_NE(first, third);
    EXPECT_EQ(first.copy(0, 40, 170, 180), third.copy(0, 40, 170, 180));
}

TEST(RecordedPages, AnAbortedRecordingKeepsNoPages) {
    RecordedPages pages;
    ReportCanvas canvas(pages);
    ASSERT_TRUE(canvas.start());
    canvas.newPage();
    canvas.abort();
    EXPECT_EQ(pages.pageCount(), 0);
    EXPECT_FALSE(pages.finished());
}

}  // namespace

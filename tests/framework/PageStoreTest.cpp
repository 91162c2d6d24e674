// Pages packed small and unpacked again: every kind of operation comes back equal to what was
// recorded, field for field, on the page it was recorded on.
#include "framework/PageStore.h"

#include <gtest/gtest.h>
#include <QTextDocument>

namespace rp {
namespace {

bool sameOp(const ReportOp& a, const ReportOp& b) {
    if (a.index() != b.index()) return false;
    if (const auto* x = std::get_if<TextRun>(&a)) {
        const auto& y = std::get<TextRun>(b);
        return x->text == y.text && x->font == y.font && x->colour == y.colour && x->x == y.x &&
               x->baseline == y.baseline && x->width == y.width && x->box == y.box &&
               x->align == y.align && x->clipped == y.clipped;
    }
    if (const auto* x = std::get_if<LineOp>(&a)) {
        const auto& y = std::get<LineOp>(b);
        return x->from == y.from && x->to == y.to && x->pen == y.pen;
    }
    if (const auto* x = std::get_if<RectOp>(&a)) {
        const auto& y = std::get<RectOp>(b);
        return x->rect == y.rect && x->outlined == y.outlined && x->pen == y.pen &&
               x->fill == y.fill && x->shade == y.shade;
    }
    if (const auto* x = std::get_if<FillOp>(&a)) {
        const auto& y = std::get<FillOp>(b);
        return x->rects == y.rects && x->colour == y.colour;
    }
    if (const auto* x = std::get_if<ImageOp>(&a)) {
        const auto& y = std::get<ImageOp>(b);
        return x->rect == y.rect && x->image == y.image;
    }
    const auto& x = std::get<DocumentPageOp>(a);
    const auto& y = std::get<DocumentPageOp>(b);
    return x.document == y.document && x.page == y.page && x.rect == y.rect &&
           x.layoutDpi == y.layoutDpi;
}

TEST(PageStoreTest, EveryOperationComesBackAsRecorded) {
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const auto document = std::make_shared<const QTextDocument>();
    const std::vector<std::vector<ReportOp>> recorded = {
        {TextRun{"Jane Public", ReportFont{"Arial", 10.5, true, false}, Qt::black, 0.1 / 3, 1.0 / 7,
                 2.25, QRectF(0.5, 0.75, 3, 0.2), TextAlign::Right, true},
         TextRun{QString::fromUtf8("Łódź – Straße ✓"), ReportFont{"Times New Roman", 12}, Qt::red,
                 1, 2, 3, QRectF(), TextAlign::Centre, false},
         LineOp{QPointF(0.5, 1), QPointF(8, 1), ReportPen{Qt::gray, Qt::DashLine, 0.02}},
         RectOp{QRectF(1, 1, 2, 0.5), false, ReportPen{}, QColor(), 30},
         RectOp{QRectF(1, 2, 2, 0.5), true, ReportPen{Qt::black, Qt::SolidLine, 0.01},
                shadeColour(20), 20}},
        {},
        {FillOp{{QRectF(0.995, 2, 0.01, 0.125), QRectF(1.04, 2.0625, 0.01, 0.0625)}, Qt::black},
         ImageOp{QRectF(6, 0.5, 1, 1), picture},
         TextRun{"", ReportFont{"Arial", 10.5, true, false}, Qt::black, 0, 0, 0, {}, {}, false},
         DocumentPageOp{document, 2, QRectF(1, 1, 6.5, 9), 96}},
    };
    PageStore store;
    for (const auto& page : recorded) {
        store.startPage();
        for (const ReportOp& op : page) store.add(op);
    }
    store.finishPage();
    ASSERT_EQ(store.pageCount(), 3);
    for (int p = 0; p < 3; ++p) {
        const std::vector<ReportOp> back = store.page(p);
        ASSERT_EQ(back.size(), recorded[std::size_t(p)].size()) << p;
        for (std::size_t i = 0; i < back.size(); ++i)
            EXPECT_TRUE(sameOp(back[i], recorded[std::size_t(p)][i])) << p << ' ' << i;
    }
}

TEST(PageStoreTest, AFinishedPageOfLabelsTakesAFractionOfItsOperations) {
    PageStore store;
    store.startPage();
    for (int label = 0; label < 30; ++label)
        for (int line = 0; line < 4; ++line)
            store.add(TextRun{QStringLiteral("Reader %1 line %2").arg(label).arg(line),
                              ReportFont{}, Qt::black, 0.3 + label % 3 * 2.75,
                              0.7 + label / 3 * 1.0 + line * 0.17, 1.5, QRectF(), TextAlign::Left,
                              false});
    const std::size_t open = store.byteSize();
    store.finishPage();
    EXPECT_LT(store.byteSize() * 3, open);
    EXPECT_EQ(store.page(0).size(), 120u);
}

}  // namespace
}  // namespace rp

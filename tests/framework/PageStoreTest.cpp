// Pages packed small and unpacked again: every kind of operation comes back equal to what was
// recorded, field for field, on the page it was recorded on.
#include "framework/PageStore.h"

#include <gtest/gtest.h>
#include <QTextDocument>

#include "support/RecordedOps.h"

namespace rp {
namespace {

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

TEST(PageStoreTest, PagesPastTheMemoryBudgetAreReadBackFromTheirFile) {
    PageStore store(2000);
    for (int p = 0; p < 40; ++p) {
        store.startPage();
        for (int line = 0; line < 20; ++line)
            store.add(TextRun{QStringLiteral("Page %1 line %2 of the report").arg(p).arg(line),
                              ReportFont{}, Qt::black, 0.5, 1.0 + line * 0.2, 2, QRectF(),
                              TextAlign::Left, false});
    }
    store.finishPage();
    EXPECT_GT(store.spilledSize(), 0u);
    EXPECT_LT(store.byteSize(), 2000u + 1000u);  // the budget and at most the page that passed it
    for (int p : {39, 0, 17}) {
        const std::vector<ReportOp> ops = store.page(p);
        ASSERT_EQ(ops.size(), 20u);
        EXPECT_EQ(std::get<TextRun>(ops[19]).text,
                  QStringLiteral("Page %1 line 19 of the report").arg(p));
    }
    store.clear();
    EXPECT_EQ(store.spilledSize(), 0u);
    EXPECT_EQ(store.pageCount(), 0);
}

TEST(PageStoreTest, AStoreKeepsAtMost24MbOfPagesInMemoryUnlessToldOtherwise) {
    PageStore store;
    std::uint32_t state = 1;
    // Letters that do not repeat, so that the pages compress little.
    const auto scrambled = [&state] {
        QString text;
        for (int i = 0; i < 1000; ++i) {
            state = state * 1103515245u + 12345u;
            text += QChar(u'a' + (state >> 16) % 26);
        }
        return text;
    };
    while (store.spilledSize() == 0) {
        ASSERT_LT(store.pageCount(), 10000);
        store.startPage();
        for (int line = 0; line < 30; ++line)
            store.add(TextRun{scrambled(), ReportFont{}, Qt::black, 0.5, 1.0 + line * 0.2, 2,
                              QRectF(), TextAlign::Left, false});
    }
    // The budget and at most the page that passed it.
    EXPECT_LE(store.byteSize(), (std::size_t(24) << 20) + 30 * 1000);
}

}  // namespace
}  // namespace rp

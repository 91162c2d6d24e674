// The envelope print run on the test log: the feed offset of every feed method, and where the
// return address, message, delivery address, barcode and stamp of a #10 envelope land.
#include <gtest/gtest.h>

#include "envelopes/EnvelopeRun.h"
#include "framework/ReportCanvas.h"
#include "support/ReportLog.h"

namespace rp {
namespace {

constexpr double kEps = 1e-4;

EnvelopeSetup fed(int orient, int facing, int position) {
    EnvelopeSetup setup = defaultEnvelopeSetup();
    setup.orient = orient;
    setup.facing = facing;
    setup.position = position;
    return setup;
}

void expectOffset(const EnvelopeSetup& setup, QSizeF page, QPointF expected,
                  QPointF unprintable = {}) {
    const QPointF offset = envelopeFeedOffset(setup, page, unprintable);
    EXPECT_NEAR(offset.x(), expected.x(), kEps) << setup.orient << setup.facing << setup.position;
    EXPECT_NEAR(offset.y(), expected.y(), kEps) << setup.orient << setup.facing << setup.position;
}

AddressValues jane(const QString& zip) {
    AddressValues a;
    a.first = "Jane";
    a.middle = "Q";
    a.last = "Public";
    a.street = "123 MAIN ST";
    a.city = "Springfield";
    a.state = "IL";
    a.zip = zip;
    return a;
}

// The top of a text run's line.
double top(const TextRun& run) {
    return run.box.top();
}

TEST(envelopeFeedOffset, FollowsFacingOrientationPositionAndRotation) {
    const QSizeF letterLandscape(11, 8.5);
    // The default: landscape, face down, centred; and with "Clockwise Rotation".
    expectOffset(defaultEnvelopeSetup(), letterLandscape, {1.5, 2.1875});
    expectOffset(fed(1, 1, 12), letterLandscape, {0, 2.1875});
    // Landscape: across the feeder is down the page; face down mirrors it.
    expectOffset(fed(1, 0, 1), letterLandscape, {1.5, 4.375});
    expectOffset(fed(1, 0, 0), letterLandscape, {1.5, 0});
    expectOffset(fed(1, 1, 0), letterLandscape, {1.5, 4.375});
    expectOffset(fed(1, 1, 1), letterLandscape, {1.5, 0});
    // Clockwise swaps left and right: Right is treated as Left and the other way round.
    expectOffset(fed(1, 0, 11), letterLandscape, {0, 0});
    expectOffset(fed(1, 0, 10), letterLandscape, {0, 4.375});
    // Portrait on a page wider than the envelope: across the feeder is across the page.
    const QSizeF wide(10, 13);
    expectOffset(fed(0, 0, 1), wide, {0.5, 0});
    expectOffset(fed(0, 0, 2), wide, {0.25, 0});
    expectOffset(fed(0, 0, 0), wide, {0, 0});
    expectOffset(fed(0, 1, 0), wide, {0.5, 0});
    expectOffset(fed(0, 1, 1), wide, {0, 0});
    // The unprintable margins are added; a page narrower than the envelope gives no negative
    // offset.
    expectOffset(fed(0, 0, 1), {8.5, 11}, {0, 0.1}, {0.25, 0.1});
    expectOffset(fed(0, 0, 1), wide, {0.75, 0.1}, {0.25, 0.1});
    // A page that is the envelope: the margins alone, in every feed method.
    expectOffset(defaultEnvelopeSetup(), {9.5, 4.125}, {0.2, 0.15}, {0.2, 0.15});
    expectOffset(fed(1, 0, 1), {9.54, 4.19}, {0, 0});

    EXPECT_FALSE(pageDiffersFromEnvelope({9.59, 4.125}, {9.5, 4.125}));
    EXPECT_TRUE(pageDiffersFromEnvelope({9.6, 4.125}, {9.5, 4.125}));
    EXPECT_TRUE(pageDiffersFromEnvelope({9.5, 4.2}, {9.5, 4.125}));
    const FeedMethod right = runFeedMethod(11);
    EXPECT_TRUE(right.clockwise);
    EXPECT_EQ(right.position, FeedPosition::Left);
    EXPECT_EQ(runFeedMethod(12).position, FeedPosition::Center);
    EXPECT_EQ(runFeedMethod(1).position, FeedPosition::Right);
    EXPECT_FALSE(runFeedMethod(1).clockwise);
}

TEST(EnvelopeRun, PlacesEveryPartOfANumber10EnvelopeFedFaceDownInLandscape) {
    ReportLog log;
    ReportCanvas canvas(log);
    canvas.setPaper(PaperKind::Letter);
    EnvelopeSetup setup = defaultEnvelopeSetup();
    setup.useMessage = true;
    setup.barcode = true;
    runEnvelope(canvas, setup, jane("62701-1234"), true);
    canvas.finish();

    EXPECT_TRUE(log.paper().landscape());
    EXPECT_EQ(log.pages(), 1);
    const double dx = 1.5;
    const double dy = 2.1875;
    // Five return lines, the two empty ones included, then the message and the block.
    EXPECT_EQ(log.textStrings(), (QStringList{"John Q Public", "123 N West St", "LA, CA  90024", "",
                                              "", "Handle with Care", "Jane Q. Public ",
                                              "123 MAIN ST", "Springfield  IL 62701-1234"}));
    const std::vector<TextRun> texts = log.texts();
    EXPECT_NEAR(texts[0].x, 0.25 + dx, kEps);
    EXPECT_NEAR(top(texts[0]), 0.25 + dy, kEps);
    EXPECT_EQ(texts[0].font, (ReportFont{"Arial", 8, false, false}));
    EXPECT_NEAR(texts[4].x, 0.25 + dx, kEps);
    EXPECT_NEAR(texts[4].baseline - texts[0].baseline, 4 * (texts[1].baseline - texts[0].baseline),
                kEps);
    EXPECT_NEAR(texts[5].x, 0.25 + dx, kEps);
    EXPECT_NEAR(top(texts[5]), 3.125 + dy, kEps);
    EXPECT_EQ(texts[5].font, (ReportFont{"Arial", 10, true, true}));
    EXPECT_NEAR(texts[6].x, 3.1667 + dx, kEps);
    EXPECT_NEAR(top(texts[6]), 2.0625 + dy, kEps);
    EXPECT_EQ(texts[6].font, (ReportFont{"Arial", 10, true, false}));
    EXPECT_NEAR(texts[8].x, 3.1667 + dx, kEps);
    EXPECT_GT(texts[8].baseline, texts[7].baseline);

    // 62 bars from 0.165 inch above the block, one pitch apart, on one baseline.
    ASSERT_EQ(log.fills().size(), 1u);
    const std::vector<QRectF> bars = log.fills()[0].rects;
    ASSERT_EQ(bars.size(), 62u);
    EXPECT_NEAR(bars[0].center().x(), 3.1667 + dx, kEps);
    EXPECT_NEAR(bars[0].width(), 0.01, kEps);
    EXPECT_NEAR(bars[0].top(), 2.0625 - 0.165 + dy, kEps);
    EXPECT_NEAR(bars[0].bottom(), 2.0625 - 0.165 + dy + 0.125, kEps);
    EXPECT_NEAR(bars[61].center().x(), 3.1667 + dx + 61 * 0.045, kEps);
    EXPECT_NEAR(bars[61].bottom(), 2.0625 - 0.165 + dy + 0.125, kEps);

    // The stamp sits in the envelope's top right corner.
    const std::vector<ImageOp> images = log.images();
    ASSERT_EQ(images.size(), 1u);
    EXPECT_NEAR(images[0].rect.left(), dx + 9.5 - 1.0, kEps);
    EXPECT_NEAR(images[0].rect.right(), dx + 9.5 - 0.25, kEps);
    EXPECT_NEAR(images[0].rect.top(), dy + 0.125, kEps);
    EXPECT_NEAR(images[0].rect.bottom(), dy + 0.875, kEps);
}

TEST(EnvelopeRun, PortraitFaceUpRightWithMarginsAndPagesThatAreTheEnvelope) {
    // A preview portrait, face up, at the feeder's right, on a page half an inch wider than the
    // envelope; return address off; a four-character ZIP gets no barcode.
    ReportLog log(300, QPointF(0.2, 0.1));
    ReportCanvas canvas(log);
    canvas.setCustomPaper(10, 13);
    EnvelopeSetup setup = fed(0, 0, 1);
    setup.useReturn = false;
    setup.barcode = true;
    runEnvelope(canvas, setup, jane("1234"), true);
    canvas.finish();
    EXPECT_FALSE(log.paper().landscape());
    EXPECT_EQ(log.textStrings().first(), "Jane Q. Public ");
    EXPECT_NEAR(log.texts()[0].x, 3.1667 + 0.5 + 0.2, kEps);
    EXPECT_NEAR(top(log.texts()[0]), 2.0625 + 0.1, kEps);
    EXPECT_TRUE(log.lines().empty());
    EXPECT_TRUE(log.fills().empty());
    EXPECT_EQ(log.images().size(), 1u);

    // A preview on a page that is the envelope: no stamp, the margins alone as the offset.
    ReportLog exact(300, QPointF(0.2, 0.1));
    ReportCanvas onEnvelope(exact);
    onEnvelope.setCustomPaper(4.125, 9.5);
    runEnvelope(onEnvelope, defaultEnvelopeSetup(), jane("62701"), true);
    onEnvelope.finish();
    EXPECT_TRUE(exact.images().empty());
    EXPECT_NEAR(exact.text("John Q Public").x, 0.25 + 0.2, kEps);
    EXPECT_NEAR(top(exact.text("John Q Public")), 0.25 + 0.1, kEps);
    EXPECT_NEAR(exact.text("Jane Q. Public ").x, 3.1667 + 0.2, kEps);

    // Printing leaves the stamp out.
    ReportLog printed;
    ReportCanvas toPrinter(printed);
    toPrinter.setPaper(PaperKind::Letter);
    runEnvelope(toPrinter, defaultEnvelopeSetup(), jane("62701"), false);
    toPrinter.finish();
    EXPECT_TRUE(printed.images().empty());
    EXPECT_EQ(printed.textStrings().size(), 8);
}

TEST(EnvelopeRun, ADeliveryAddressOffTheEnvelopeIsFoundBeforePrinting) {
    // Default: a #10 envelope, 9.5 x 4.125 inches, the address in 10 points (0.139 inch).
    struct Row {
        float left, top;
        bool on;
    };
    for (const Row& row :
         {Row{-1.938f, 2.0625f, false}, Row{3.0f, -0.01f, false}, Row{9.4f, 2.0f, false},
          Row{3.0f, 4.0f, false}, Row{9.5f, 4.125f, false}, Row{0.0f, 0.0f, true},
          Row{9.361f, 3.986f, true}, Row{3.1667f, 2.0625f, true}}) {
        EnvelopeSetup setup = defaultEnvelopeSetup();
        setup.delLeft = row.left;
        setup.delTop = row.top;
        EXPECT_EQ(deliveryOnEnvelope(setup), row.on) << row.left << "," << row.top;
    }
}

TEST(EnvelopeRun, ASetupWithItsDeliveryAddressOffTheEnvelopePrintsNothing) {
    EnvelopeSetup setup = defaultEnvelopeSetup();
    setup.descript = "Office";
    setup.delLeft = -1.938f;
    ReportLog log;
    ReportCanvas canvas(log);
    canvas.setPaper(PaperKind::Letter);
    try {
        runEnvelope(canvas, setup, jane("62701"), false);
        ADD_FAILURE() << "the run went on";
    } catch (const std::exception& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()),
                  "The envelope setup \"Office\" places the delivery address off the envelope. "
                  "Open it in the Envelope Designer and move the address onto the envelope.");
    }
    EXPECT_FALSE(canvas.printing());
    EXPECT_EQ(canvas.pageNumber(), 0);
    EXPECT_TRUE(log.textStrings().isEmpty());
}

}  // namespace
}  // namespace rp

// The designer's working values without a window: pixels at a zoom and back to inches, item
// sizes from text, the barcode above the delivery address, remembered positions, the items
// placed anew for another envelope size, and what Save stores.
#include <gtest/gtest.h>

#include "envelopes/EnvelopeDesignModel.h"

namespace rp {
namespace {

constexpr int kPpi = 96;

EnvelopeSetup number10() {
    EnvelopeSetup s = defaultEnvelopeSetup();
    s.envName = "Envelope #10";
    s.envWidth = 9.5f;
    s.envHeight = 4.125f;
    s.retTop = 0.25f;
    s.retLeft = 0.25f;
    s.delTop = 2.0f;
    s.delLeft = 4.0f;
    s.messTop = 3.5f;
    s.messLeft = 0.25f;
    return s;
}

EnvelopeSize size(const char* name, double width, double height) {
    return {QString::fromLatin1(name), QStringLiteral("desc"), width, height, true};
}

TEST(EnvelopeDesignModelTest, Number10IsItsPixelsAtEveryZoom) {
    EnvelopeDesignModel model(number10(), kPpi);
    EXPECT_EQ(model.envelopePixels(), QSize(912, 396));
    struct Row {
        int zoom;
        QSize area;
        QPoint delivery;
    };
    for (const Row& row : {Row{100, {912, 396}, {384, 192}}, Row{75, {684, 297}, {288, 144}},
                           Row{50, {456, 198}, {192, 96}}}) {
        model.setZoom(row.zoom);
        EXPECT_EQ(model.areaSize(), row.area) << row.zoom;
        EXPECT_EQ(model.itemPosition(DesignItem::Delivery), row.delivery) << row.zoom;
        EXPECT_EQ(model.rememberedPosition(DesignItem::Delivery), QPoint(384, 192)) << row.zoom;
    }
}

TEST(EnvelopeDesignModelTest, PositionsTruncateIntoPixelsAndBack) {
    EnvelopeSetup s = number10();
    s.retTop = 0.3f;   // 28.8 px
    s.retLeft = 0.7f;  // 67.2 px
    EnvelopeDesignModel model(s, kPpi);
    EXPECT_EQ(model.rememberedPosition(DesignItem::ReturnAddress), QPoint(67, 28));
    model.setZoom(75);
    EXPECT_EQ(model.itemPosition(DesignItem::ReturnAddress), QPoint(50, 21));  // 50.25, 21
    model.rememberPositions();
    EXPECT_EQ(model.rememberedPosition(DesignItem::ReturnAddress), QPoint(66, 28));
    EXPECT_DOUBLE_EQ(model.toInches(48), 0.5);
    EXPECT_EQ(model.toPixels(1.01), 96);
}

TEST(EnvelopeDesignModelTest, RememberedPositionDividesTheScreenPositionByTheZoom) {
    struct Row {
        int zoom;
        QPoint screen;
        QPoint remembered;
    };
    for (const Row& row :
         {Row{100, {33, 17}, {33, 17}}, Row{75, {33, 17}, {44, 22}}, Row{50, {33, 17}, {66, 34}},
          Row{50, {3, 5}, {6, 10}}, Row{75, {4, 1}, {5, 1}}}) {
        EnvelopeDesignModel model(number10(), kPpi);
        model.setZoom(row.zoom);
        model.moveItem(DesignItem::Message, row.screen, QSize(10, 10));
        EXPECT_EQ(model.rememberedPosition(DesignItem::Message), QPoint(24, 336));
        model.rememberPositions();
        EXPECT_EQ(model.rememberedPosition(DesignItem::Message), row.remembered) << row.zoom;
        EXPECT_EQ(model.rememberedPosition(DesignItem::Delivery), QPoint(384, 192));
    }
}

TEST(EnvelopeDesignModelTest, FontSizesFollowTheZoom) {
    EnvelopeDesignModel model(number10(), kPpi);
    struct Row {
        int zoom, size, points;
    };
    for (const Row& row :
         {Row{100, 11, 11}, Row{75, 11, 8}, Row{50, 11, 5}, Row{50, 1, 0}, Row{75, 12, 9}}) {
        model.setZoom(row.zoom);
        EXPECT_EQ(model.pointSizeAtZoom(row.size), row.points) << row.zoom << " " << row.size;
    }
}

TEST(EnvelopeDesignModelTest, AnItemIsAsWideAsItsWidestLineAndAsHighAsItsLines) {
    const TextMeasure measure{[](const QString& s) { return static_cast<int>(s.size()) * 7; }, 15};
    EXPECT_EQ(EnvelopeDesignModel::blockSize({"ab", "abcdef", "abc"}, measure), QSize(42, 45));
    EXPECT_EQ(EnvelopeDesignModel::blockSize({"x"}, measure), QSize(7, 15));
}

TEST(EnvelopeDesignModelTest, AnItemWithoutTextKeepsRoomToBeClicked) {
    const TextMeasure measure{[](const QString& s) { return static_cast<int>(s.size()) * 7; }, 15};
    // Twelve letters "W" wide, three lines high, however many blank lines it has.
    for (const QStringList& lines : {QStringList{}, QStringList{""}, QStringList{"", "  ", ""}})
        EXPECT_EQ(EnvelopeDesignModel::blockSize(lines, measure), QSize(84, 45)) << lines.size();
    EXPECT_TRUE(EnvelopeDesignModel::isEmptyText({" ", ""}));
    EXPECT_FALSE(EnvelopeDesignModel::isEmptyText({"", "x"}));
}

TEST(EnvelopeDesignModelTest, AMovedItemStaysWhollyOnTheEnvelope) {
    // #10 at 96 ppi: 912 x 396 pixels at 100 %, 456 x 198 at 50 %. With the barcode on, the
    // delivery address takes the 248 x 12 picture 15 pixels above it (124 x 6, 7 above, at 50 %).
    struct Row {
        const char* what;
        DesignItem item;
        int zoom;
        bool barcode;
        QPoint wanted;
        QSize block;
        QPoint placed;
    };
    const Row rows[] = {
        {"return off the left",
         DesignItem::ReturnAddress,
         100,
         false,
         {-50, 10},
         {100, 45},
         {0, 10}},
        {"return off the right",
         DesignItem::ReturnAddress,
         100,
         false,
         {900, 10},
         {100, 45},
         {812, 10}},
        {"return off the top", DesignItem::ReturnAddress, 50, false, {40, -1}, {50, 22}, {40, 0}},
        {"return off the bottom",
         DesignItem::ReturnAddress,
         50,
         false,
         {40, 190},
         {50, 22},
         {40, 176}},
        {"message off the top", DesignItem::Message, 100, false, {20, -7}, {120, 15}, {20, 0}},
        {"message off the bottom",
         DesignItem::Message,
         100,
         false,
         {20, 390},
         {120, 15},
         {20, 381}},
        {"message off the right", DesignItem::Message, 75, false, {680, 100}, {90, 11}, {594, 100}},
        {"message off the corner", DesignItem::Message, 75, false, {-5, 300}, {90, 11}, {0, 286}},
        {"delivery off the left",
         DesignItem::Delivery,
         100,
         false,
         {-186, 192},
         {180, 45},
         {0, 192}},
        {"delivery off the right",
         DesignItem::Delivery,
         100,
         false,
         {800, 192},
         {180, 45},
         {732, 192}},
        {"delivery off the bottom",
         DesignItem::Delivery,
         100,
         false,
         {300, 380},
         {180, 45},
         {300, 351}},
        {"barcode off the top", DesignItem::Delivery, 100, true, {300, 5}, {180, 45}, {300, 15}},
        {"barcode off the right",
         DesignItem::Delivery,
         100,
         true,
         {800, 100},
         {180, 45},
         {664, 100}},
        {"barcode off at 50 %", DesignItem::Delivery, 50, true, {-10, 300}, {50, 20}, {0, 178}},
        {"barcode off the top at 50 %",
         DesignItem::Delivery,
         50,
         true,
         {100, 3},
         {150, 20},
         {100, 7}},
        {"larger than the envelope",
         DesignItem::Message,
         100,
         false,
         {30, 30},
         {1000, 500},
         {0, 0}},
        {"on the envelope", DesignItem::Delivery, 100, true, {300, 200}, {180, 45}, {300, 200}},
        {"against the corner", DesignItem::Delivery, 100, false, {732, 351}, {180, 45}, {732, 351}},
    };
    for (const Row& row : rows) {
        EnvelopeDesignModel model(number10(), kPpi);
        model.setBarcode(row.barcode);
        model.setZoom(row.zoom);
        EXPECT_EQ(model.positionInside(row.item, row.wanted, row.block), row.placed) << row.what;
        model.moveItem(row.item, row.wanted, row.block);
        EXPECT_EQ(model.itemPosition(row.item), row.placed) << row.what;
        const QRect extent = model.itemExtent(row.item, row.placed, row.block);
        if (row.block.width() <= model.areaSize().width()) {
            EXPECT_TRUE(QRect(QPoint(0, 0), model.areaSize()).contains(extent)) << row.what;
        }
    }
}

TEST(EnvelopeDesignModelTest, AnItemAtTheEdgeStaysThereUnderArrowSteps) {
    // Each arrow key moves the item by one pixel from where it stands.
    struct Row {
        QPoint at, step, placed;
    };
    for (const Row& row : {Row{{0, 50}, {-1, 0}, {0, 50}}, Row{{812, 50}, {1, 0}, {812, 50}},
                           Row{{50, 0}, {0, -1}, {50, 0}}, Row{{50, 351}, {0, 1}, {50, 351}},
                           Row{{1, 1}, {-1, 0}, {0, 1}}, Row{{811, 350}, {0, 1}, {811, 351}}}) {
        EnvelopeDesignModel model(number10(), kPpi);
        const QSize block(100, 45);
        model.moveItem(DesignItem::ReturnAddress, row.at, block);
        ASSERT_EQ(model.itemPosition(DesignItem::ReturnAddress), row.at);
        model.moveItem(DesignItem::ReturnAddress, row.at + row.step, block);
        model.rememberPositions();
        EXPECT_EQ(model.rememberedPosition(DesignItem::ReturnAddress), row.placed) << row.at.x();
    }
}

TEST(EnvelopeDesignModelTest, SavedPositionsOfAnItemDraggedOffAreOnTheEnvelope) {
    EnvelopeDesignModel model(number10(), kPpi);
    model.setZoom(50);
    model.moveItem(DesignItem::Delivery, {-93, 96}, {90, 24});  // -1.938 inches at 100 %
    model.rememberPositions();
    ASSERT_TRUE(model.save(QStringLiteral("Office")));
    EXPECT_FLOAT_EQ(model.setup().delLeft, 0.0f);
    EXPECT_FLOAT_EQ(model.setup().delTop, 2.0f);
}

TEST(EnvelopeDesignModelTest, TheBarcodeStandsAboveTheDeliveryAddress) {
    struct Row {
        int ppi, zoom, lift;
        QRect rect;
    };
    for (const Row& row :
         {Row{96, 100, 15, {384, 177, 248, 12}}, Row{96, 75, 11, {288, 133, 186, 9}},
          Row{96, 50, 7, {192, 89, 124, 6}}, Row{120, 100, 19, {480, 221, 248, 12}}}) {
        EnvelopeDesignModel model(number10(), row.ppi);
        model.setZoom(row.zoom);
        EXPECT_EQ(model.barcodeLift(), row.lift) << row.ppi << " " << row.zoom;
        EXPECT_EQ(model.barcodeRect(), row.rect) << row.ppi << " " << row.zoom;
    }
}

TEST(EnvelopeDesignModelTest, ASmallerEnvelopePlacesTheItemsAnewAtTheZoom) {
    EnvelopeDesignModel model(number10(), kPpi);
    model.setZoom(50);
    EXPECT_TRUE(model.chooseEnvelope(size("Envelope #6 3/4", 6.5, 3.625)));
    EXPECT_EQ(model.envelopeName(), "Envelope #6 3/4");
    EXPECT_EQ(model.envelopePixels(), QSize(624, 348));
    EXPECT_EQ(model.areaSize(), QSize(312, 174));
    EXPECT_EQ(model.itemPosition(DesignItem::ReturnAddress), QPoint(12, 12));
    EXPECT_EQ(model.itemPosition(DesignItem::Message), QPoint(12, 150));
    EXPECT_EQ(model.itemPosition(DesignItem::Delivery), QPoint(104, 87));
    ASSERT_TRUE(model.save(QStringLiteral("Small")));
    const EnvelopeSetup& s = model.setup();
    EXPECT_FLOAT_EQ(s.retTop, 0.25f);
    EXPECT_FLOAT_EQ(s.retLeft, 0.25f);
    EXPECT_FLOAT_EQ(s.messTop, 3.125f);
    EXPECT_FLOAT_EQ(s.messLeft, 0.25f);
    EXPECT_FLOAT_EQ(s.delTop, 1.8125f);
    EXPECT_NEAR(s.delLeft, 2.1667, 0.0001);
    EXPECT_FLOAT_EQ(s.envWidth, 6.5f);
    EXPECT_FLOAT_EQ(s.envHeight, 3.625f);
    EXPECT_EQ(s.envName, "Envelope #6 3/4");
}

TEST(EnvelopeDesignModelTest, PlacingAnewAtEachZoomRemembersThePositionsAt100) {
    // Half of 396 is 198: at 75 % the delivery address stands on 148 (148.5 truncated),
    // which is 197 at 100 %.
    struct Row {
        int zoom;
        QPoint delivery;
    };
    for (const Row& row : {Row{100, {304, 198}}, Row{75, {304, 197}}, Row{50, {304, 198}}}) {
        EnvelopeDesignModel model(number10(), kPpi);
        model.setZoom(row.zoom);
        model.placeItemsAnew();
        EXPECT_EQ(model.rememberedPosition(DesignItem::ReturnAddress), QPoint(24, 24)) << row.zoom;
        EXPECT_EQ(model.rememberedPosition(DesignItem::Message), QPoint(24, 348)) << row.zoom;
        EXPECT_EQ(model.rememberedPosition(DesignItem::Delivery), row.delivery) << row.zoom;
    }
}

TEST(EnvelopeDesignModelTest, TheSameNameOrTheSamePixelsLeaveThePositions) {
    EnvelopeDesignModel model(number10(), kPpi);
    EXPECT_FALSE(model.chooseEnvelope(size("Envelope #10", 6.5, 3.625)));
    EXPECT_EQ(model.envelopePixels(), QSize(912, 396));
    // Another name of the same pixels takes the name and keeps the items where they were.
    EXPECT_TRUE(model.chooseEnvelope(size("Commercial", 9.5, 4.125)));
    EXPECT_EQ(model.envelopeName(), "Commercial");
    EXPECT_EQ(model.rememberedPosition(DesignItem::Delivery), QPoint(384, 192));
    EXPECT_TRUE(model.chooseEnvelope(size("A name longer than twenty", 9.5, 4.125)));
    EXPECT_EQ(model.envelopeName(), "A name longer than t");
}

TEST(EnvelopeDesignModelTest, ABlankDescriptionIsRefused) {
    EnvelopeDesignModel model(number10(), kPpi);
    for (const char* text : {"", "   ", " \t "}) {
        EXPECT_FALSE(EnvelopeDesignModel::descriptionAccepted(QString::fromLatin1(text)));
        EXPECT_FALSE(model.save(QString::fromLatin1(text)));
    }
    EXPECT_EQ(model.setup(), number10());
    EXPECT_TRUE(EnvelopeDesignModel::descriptionAccepted(QStringLiteral(" x ")));
}

TEST(EnvelopeDesignModelTest, SaveCutsTextsToTheirFieldWidths) {
    EnvelopeDesignModel model(number10(), kPpi);
    model.setReturnLines({QString(45, 'a'), "two", "three", "four", "five", "six"});
    model.setMessageText(QString(60, 'm'));
    model.setFont(DesignItem::Message, {QString(55, 'f'), 14, true, false});
    ASSERT_TRUE(model.save(QString(70, 'd')));
    const EnvelopeSetup& s = model.setup();
    EXPECT_EQ(s.descript.text(), QString(50, 'd'));
    EXPECT_EQ(s.retLines[0].text(), QString(40, 'a'));
    EXPECT_EQ(s.retLines[4], "five");
    EXPECT_EQ(s.messText.text(), QString(50, 'm'));
    EXPECT_EQ(s.messFontName.text(), QString(50, 'f'));
    EXPECT_EQ(s.messFontSize, 14);
    EXPECT_TRUE(s.messFontBold);
    EXPECT_FALSE(s.messFontItalic);
}

TEST(EnvelopeDesignModelTest, AReturnAddressCutToTwoLinesEmptiesTheThird) {
    EnvelopeSetup in = number10();
    in.retLines = {"One", "Two", "Three", "", ""};
    EnvelopeDesignModel model(in, kPpi);
    EXPECT_EQ(model.returnLines(), QStringList({"One", "Two", "Three"}));
    model.setReturnLines({"One", "Two"});
    ASSERT_TRUE(model.save(QStringLiteral("x")));
    EXPECT_EQ(model.setup().retLines[1], "Two");
    EXPECT_TRUE(model.setup().retLines[2].isEmpty());
}

TEST(EnvelopeDesignModelTest, EmptyReturnLinesCloseUp) {
    EnvelopeSetup in = number10();
    in.retLines = {"", "Two", "", "Four", "   "};
    EnvelopeDesignModel model(in, kPpi);
    EXPECT_EQ(model.returnLines(), QStringList({"Two", "Four"}));
    ASSERT_TRUE(model.save(QStringLiteral("x")));
    EXPECT_EQ(model.setup().retLines[0], "Two");
    EXPECT_EQ(model.setup().retLines[1], "Four");
    EXPECT_TRUE(model.setup().retLines[2].isEmpty());
}

TEST(EnvelopeDesignModelTest, FeedPositionKeepsTheClockwiseFlag) {
    struct Row {
        int stored;
        FeedPosition position;
        bool clockwise;
    };
    for (const Row& row : {Row{0, FeedPosition::Left, false}, Row{1, FeedPosition::Right, false},
                           Row{2, FeedPosition::Center, false}, Row{10, FeedPosition::Left, true},
                           Row{12, FeedPosition::Center, true}}) {
        EnvelopeSetup in = number10();
        in.position = row.stored;
        EnvelopeDesignModel model(in, kPpi);
        EXPECT_EQ(model.feedPosition(), row.position) << row.stored;
        EXPECT_EQ(model.clockwise(), row.clockwise) << row.stored;
        ASSERT_TRUE(model.save(QStringLiteral("x")));
        EXPECT_EQ(model.setup().position, row.stored);
    }
    EnvelopeDesignModel model(number10(), kPpi);
    model.setFeedPosition(FeedPosition::Right);
    model.setClockwise(true);
    model.setOrientation(1);
    model.setFacing(1);
    ASSERT_TRUE(model.save(QStringLiteral("x")));
    EXPECT_EQ(model.setup().position, 11);
    EXPECT_EQ(model.setup().orient, 1);
    EXPECT_EQ(model.setup().facing, 1);
}

TEST(EnvelopeDesignModelTest, ContentsAreStoredWithoutSaving) {
    EnvelopeDesignModel model(number10(), kPpi);
    model.setReturnLines({"Changed"});
    AddressContents contents;
    contents.name = true;
    contents.zip = true;
    contents.zipPlacement = ZipPlacement::BeforeCity;
    contents.uppercase = true;
    model.setContents(contents);
    EXPECT_EQ(model.setup().contents, contents);
    EXPECT_EQ(model.setup().retLines, number10().retLines);  // nothing else was stored
    EXPECT_EQ(model.setup().descript, number10().descript);
}

TEST(EnvelopeDesignModelTest, DeliveryLinesFollowTheWorkingContents) {
    EnvelopeDesignModel model(number10(), kPpi);
    AddressValues values;
    values.first = "Ann";
    values.last = "Lee";
    values.city = "Salem";
    values.state = "OR";
    values.zip = "97301";
    AddressContents contents;
    contents.name = true;
    contents.cityState = true;
    contents.zip = true;
    contents.uppercase = true;
    model.setContents(contents);
    const QStringList lines = model.deliveryLines(values);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("ANN LEE"));
    EXPECT_TRUE(lines[1].contains("97301"));
}

TEST(EnvelopeDesignModelTest, TheFeedSymbolStandsAsThePositionSays) {
    const QSize page(40, 52);
    EXPECT_EQ(feedSymbolSize({10, 20}, 0), QSize(10, 20));
    EXPECT_EQ(feedSymbolSize({10, 20}, 1), QSize(20, 10));
    EXPECT_EQ(feedSymbolRect(page, {10, 20}, FeedPosition::Left), QRect(2, 16, 10, 20));
    EXPECT_EQ(feedSymbolRect(page, {10, 20}, FeedPosition::Right), QRect(28, 16, 10, 20));
    EXPECT_EQ(feedSymbolRect(page, {10, 20}, FeedPosition::Center), QRect(15, 16, 10, 20));
}

}  // namespace
}  // namespace rp

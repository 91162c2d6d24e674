// The label designer's working values at 96 pixels per inch: offsets in and out, the text
// position buttons and their limits, the font size buttons, the barcode switch, the stock
// choice and the Save rules.
#include <gtest/gtest.h>

#include "labels/LabelDesignerModel.h"

namespace rp {
namespace {

constexpr int kPpi = 96;

LabelSetup wideSetup() {
    LabelSetup s = defaultLabelSetup();
    s.labelWidth = 4.0f;
    s.labelHeight = 1.44f;
    return s;
}

TEST(LabelDesignerModelTest, OffsetsLoadTruncatedAndSaveInWholePixels) {
    LabelSetup s = defaultLabelSetup();
    s.xOffset = 0.188f;
    s.yOffset = 0.1f;
    const LabelDesignerModel m(s, kPpi);
    EXPECT_EQ(m.x(), 18);
    EXPECT_EQ(m.y(), 9);
    const LabelSetup out = m.saved();
    EXPECT_EQ(out.xOffset, 0.1875f);
    EXPECT_EQ(out.yOffset, 0.09375f);
}

TEST(LabelDesignerModelTest, LabelSizeIsRoundedAndBarcodeSitsAboveTheText) {
    LabelSetup s = defaultLabelSetup();  // 2.625 x 1.0
    s.xOffset = 0.5f;
    s.yOffset = 0.5f;
    const LabelDesignerModel m(s, kPpi);
    EXPECT_EQ(m.labelSize(), QSize(252, 96));
    EXPECT_EQ(m.barcodePosition(), QPoint(48, 48 - 15));
    const LabelDesignerModel at120(s, 120);
    EXPECT_EQ(at120.labelSize(), QSize(315, 120));
    EXPECT_EQ(at120.barcodePosition(), QPoint(60, 60 - 19));
}

TEST(LabelDesignerModelTest, HomeWithAndWithoutBarcode) {
    LabelDesignerModel m(wideSetup(), kPpi);
    m.setBarcode(false);
    m.moveHome();
    EXPECT_EQ(m.x(), 5);
    EXPECT_EQ(m.y(), 7);
    m.setBarcode(true);
    m.moveHome();
    EXPECT_EQ(m.x(), 5);
    EXPECT_EQ(m.y(), 21);
    EXPECT_EQ(m.barcodePosition(), QPoint(5, 6));
}

TEST(LabelDesignerModelTest, UpStopsAboveTheMarginAndDownHasNoLimit) {
    struct Row {
        bool barcode;
        int startY;
        int stopY;
    };
    // m is 1 without the barcode, truncate(0.205 x 96) = 19 with it; up moves while Y > m + 2.
    for (const Row& row : {Row{false, 10, 2}, Row{false, 9, 3}, Row{false, 4, 2}, Row{true, 30, 20},
                           Row{true, 31, 21}, Row{true, 21, 21}}) {
        LabelSetup s = wideSetup();
        s.barcode = row.barcode;
        s.yOffset = (row.startY + 0.5f) / kPpi;
        LabelDesignerModel m(s, kPpi);
        ASSERT_EQ(m.y(), row.startY);
        for (int i = 0; i < 50; ++i) m.moveUp();
        EXPECT_EQ(m.y(), row.stopY) << row.barcode << ' ' << row.startY;
    }
    LabelDesignerModel m(wideSetup(), kPpi);
    const int y = m.y();
    for (int i = 0; i < 500; ++i) m.moveDown();
    EXPECT_EQ(m.y(), y + 1000);
}

TEST(LabelDesignerModelTest, LeftStopsBeforeOneAndRightHasNoLimit) {
    struct Row {
        int startX;
        bool fast;
        int stopX;
    };
    for (const Row& row : {Row{10, false, 1}, Row{10, true, 2}, Row{4, true, 4}, Row{5, true, 1},
                           Row{1, false, 1}}) {
        LabelSetup s = wideSetup();
        s.xOffset = (row.startX + 0.5f) / kPpi;
        LabelDesignerModel m(s, kPpi);
        ASSERT_EQ(m.x(), row.startX);
        for (int i = 0; i < 50; ++i) m.moveLeft(row.fast);
        EXPECT_EQ(m.x(), row.stopX) << row.startX << ' ' << row.fast;
    }
    LabelDesignerModel m(wideSetup(), kPpi);
    const int x = m.x();
    m.moveRight(false);
    EXPECT_EQ(m.x(), x + 1);
    m.moveRight(true);
    EXPECT_EQ(m.x(), x + 5);
    EXPECT_EQ(m.barcodePosition().x(), x + 5);
}

TEST(LabelDesignerModelTest, FontSizeButtonsStayBetween6And36) {
    LabelSetup s = wideSetup();
    s.fontSize = 7;
    LabelDesignerModel m(s, kPpi);
    EXPECT_TRUE(m.smaller());
    EXPECT_EQ(m.font().size, 6);
    EXPECT_FALSE(m.smaller());
    EXPECT_EQ(m.font().size, 6);
    s.fontSize = 35;
    LabelDesignerModel big(s, kPpi);
    EXPECT_TRUE(big.bigger());
    EXPECT_EQ(big.font().size, 36);
    EXPECT_FALSE(big.bigger());
    EXPECT_EQ(big.font().size, 36);
    // Character height truncate(size x PPI / 72), line pitch truncate(size x PPI / 60).
    EXPECT_EQ(big.characterHeight(), 48);
    EXPECT_EQ(big.linePitch(), 57);
    s.fontSize = 10;
    const LabelDesignerModel ten(s, kPpi);
    EXPECT_EQ(ten.characterHeight(), 13);
    EXPECT_EQ(ten.linePitch(), 16);
}

TEST(LabelDesignerModelTest, FontInfoText) {
    struct Row {
        LabelFont font;
        const char* info;
    };
    for (const Row& row :
         {Row{{"Arial", 10, true, false}, "Arial,10 pt., Bold"},
          Row{{"Arial", 10, false, false}, "Arial,10 pt."},
          Row{{"Times New Roman", 12, true, true}, "Times New Roman,12 pt., Bold, Italic"},
          Row{{"Courier", 8, false, true}, "Courier,8 pt., Italic"}})
        EXPECT_EQ(labelFontInfo(row.font), row.info);
    LabelDesignerModel m(wideSetup(), kPpi);
    m.setFont({"Courier New", 14, false, true});
    EXPECT_EQ(m.fontInfo(), "Courier New,14 pt., Italic");
    EXPECT_EQ(m.saved().fontName, "Courier New");
    EXPECT_EQ(m.saved().fontSize, 14);
    EXPECT_TRUE(m.saved().fontItalic);
}

TEST(LabelDesignerModelTest, PitchFontsAndOrdinaryOnes) {
    struct Row {
        const char* name;
        int pitch;
        int width;  // at 96 PPI
    };
    for (const Row& row :
         {Row{"Courier 10CPI", 10, 11}, Row{"Roman 12CPI BOLD", 12, 9}, Row{"Sans 16.67CPI", 16, 6},
          Row{"Draft 17 CPI", 17, 6}, Row{"Arial", 0, 0}, Row{"CPI Font", 0, 0},
          Row{"Mono 1CPI", 0, 0}, Row{"Mono 0CPI", 0, 0}, Row{"Mono 2CPI", 2, 192}}) {
        EXPECT_EQ(pitchOfFontName(row.name), row.pitch) << row.name;
        EXPECT_EQ(pitchCharacterWidth(row.name, kPpi), row.width) << row.name;
    }
}

TEST(LabelDesignerModelTest, BarcodeSwitchMovesTextBelowThePicture) {
    LabelSetup s = wideSetup();
    s.barcode = false;
    s.yOffset = 12.0f / kPpi;
    LabelDesignerModel m(s, kPpi);
    ASSERT_EQ(m.y(), 12);
    m.setBarcode(true);
    EXPECT_TRUE(m.barcode());
    EXPECT_EQ(m.y(), 19);
    EXPECT_EQ(m.barcodePosition(), QPoint(m.x(), 4));

    s.yOffset = 13.0f / kPpi;
    LabelDesignerModel low(s, kPpi);
    low.setBarcode(true);
    EXPECT_EQ(low.y(), 13);
    low.setBarcode(false);
    EXPECT_FALSE(low.barcode());
    EXPECT_EQ(low.y(), 13);
}

TEST(LabelDesignerModelTest, NarrowStockTurnsBarcodeOffAndWideOneAllowsIt) {
    LabelSetup s = wideSetup();
    s.barcode = true;
    LabelDesignerModel m(s, kPpi);
    EXPECT_TRUE(m.barcodeAvailable());
    EXPECT_TRUE(m.barcode());

    LabelSetup narrow = defaultLabelSetup();
    narrow.labelWidth = 2.625f;
    narrow.labelHeight = 1.0f;
    narrow.across = 3;
    narrow.down = 10;
    narrow.paperSize = "LETTER-X";
    narrow.printerType = "LJX";
    narrow.labelTypeName = "Avery 5160";
    narrow.description = "not taken";
    m.takeStock(narrow);
    EXPECT_FALSE(m.barcodeAvailable());
    EXPECT_FALSE(m.barcode());
    EXPECT_EQ(m.labelSize(), QSize(252, 96));
    EXPECT_EQ(m.setup().paperSize, "LETTE");
    EXPECT_EQ(m.setup().printerType, "LJ");
    EXPECT_EQ(m.setup().labelTypeName, "Avery 5160");
    EXPECT_EQ(m.setup().across, 3);
    EXPECT_EQ(m.setup().down, 10);
    EXPECT_EQ(m.description(), "Default Label Setup");
    m.setBarcode(true);
    EXPECT_FALSE(m.barcode());

    m.takeStock(wideSetup());
    EXPECT_TRUE(m.barcodeAvailable());
    EXPECT_FALSE(m.barcode());
}

TEST(LabelDesignerModelTest, SaveRules) {
    LabelDesignerModel m(wideSetup(), kPpi);
    for (const char* blank : {"", " ", "     "}) {
        m.setDescription(blank);
        EXPECT_TRUE(m.descriptionMissing()) << '"' << blank << '"';
    }
    m.setDescription(QString(60, 'd'));
    EXPECT_FALSE(m.descriptionMissing());
    m.setFont({QString(55, 'f'), 11, true, false});
    AddressContents c;
    c.name = c.zip = c.uppercase = true;
    c.zipPlacement = ZipPlacement::BeforeCountry;
    m.setContents(c, true);
    const LabelSetup out = m.saved();
    EXPECT_EQ(out.description, QString(50, 'd'));
    EXPECT_EQ(out.fontName, QString(50, 'f'));
    EXPECT_EQ(out.contents, c);
    EXPECT_TRUE(out.trimText);
    EXPECT_EQ(out.labelWidth, 4.0f);
}

}  // namespace
}  // namespace rp

// The label setup record: the default setup, reading and writing a setup file row with the
// 3-decimal rounding, bounded texts, and the stock taken from a definition row.
#include <gtest/gtest.h>

#include <sstream>

#include "LabelSideFixture.h"
#include "data/FieldText.h"
#include "data/PendingRecord.h"
#include "data/SideFileValues.h"
#include "labels/LabelFiles.h"
#include "labels/LabelSetup.h"

namespace rp {
namespace {

class LabelSetupTest : public LabelSideTest {
  protected:
    // An empty setup file of the program's layout (another layout when given).
    std::unique_ptr<xbase::Table> emptySetups(
        const std::vector<xbase::FieldSpec>& layout = labelSetupLayout()) {
        engine.create(enginePath(path("SETUPS.DBF")), layout);
        auto table = engine.open(enginePath(path("SETUPS.DBF")), xbase::OpenMode::Exclusive);
        table->goTop();
        return table;
    }
};

LabelSetup odd() {
    LabelSetup s;
    s.description = "Shipping, big";
    s.printerType = "DM";
    s.fontName = "Courier New";
    s.fontSize = 14;
    s.fontBold = true;
    s.fontItalic = true;
    s.xOffset = 0.1875f;  // 18 pixels at 96 per inch
    s.yOffset = 0.0004f;
    s.barcode = true;
    s.contents.name = s.contents.company = s.contents.zip = s.contents.country = true;
    s.contents.title = s.contents.street = s.contents.cityState = s.contents.phone = false;
    s.contents.zipPlacement = ZipPlacement::BeforeCountry;
    s.contents.uppercase = true;
    s.labelHeight = 0.98425f;  // 25 mm
    s.labelWidth = 2.5984252f;
    s.across = 10;
    s.down = 30;
    s.topMargin = 0.0f;
    s.leftMargin = 0.2505f;
    s.horizontalPitch = 2.6f;
    s.verticalPitch = 1.0f;
    s.sheetWidth = 11.69f;
    s.sheetDepth = 8.27f;
    s.paperSize = "A4L";
    s.trimText = false;
    s.labelTypeName = "[New] Avery 5160  Address,   1.00 x 2.63";
    return s;
}

TEST(LabelSetupDefaults, EveryMemberOfTheDefaultSetup) {
    std::ostringstream text;
    PrintTo(defaultLabelSetup(), &text);
    EXPECT_EQ(text.str(),
              "{Default Label Setup|LJ|Arial 10 off 0.25,0.25 bc 0 contents 10011100 zip@1 uc 0 "
              "label 1x2.625 3x10 "
              "marg 0.5,0.188 pitch 2.75,1 sheet 8.5x11 LTR trim 1 type Avery 5160  Address,   "
              "1.00 x 2.63}");
    EXPECT_EQ(defaultLabelSetup().leftMargin, 0.188f);
    EXPECT_EQ(kUntitledLabelSetup, "{Untitled Label Setup Record}");
    const AddressContents c = defaultLabelSetup().contents;
    EXPECT_TRUE(c.name && c.street && c.cityState && c.zip);
    EXPECT_FALSE(c.title || c.company || c.phone || c.country || c.uppercase);
    EXPECT_EQ(c.zipPlacement, ZipPlacement::AfterState);
}

TEST(LabelSetupRounding, FloatsAreRoundedToThreeDecimals) {
    EXPECT_EQ(roundTo3Decimals(0.1875f), 0.188f);
    EXPECT_EQ(roundTo3Decimals(2.6255f), 2.625f);  // the float is just below the half
    EXPECT_EQ(roundTo3Decimals(0.0004f), 0.0f);
    EXPECT_EQ(roundTo3Decimals(0.0005f), 0.001f);
    EXPECT_EQ(roundTo3Decimals(11.69f), 11.69f);
    EXPECT_EQ(roundTo3Decimals(-0.25f), -0.25f);
}

TEST_F(LabelSetupTest, AnEmptyFileGivesTheDefaultAndASetupRoundTripsRoundedToThreeDecimals) {
    const auto setups = emptySetups();
    ASSERT_TRUE(setups->eof());
    EXPECT_EQ(readLabelSetup(*setups), defaultLabelSetup());  // an empty file
    setups->appendBlank();
    ASSERT_TRUE(writeLabelSetup(*setups, odd()));
    EXPECT_FALSE(setups->editing());
    EXPECT_EQ(setups->recordCount(), 1u);
    EXPECT_EQ(setups->text("XOFFSET"), "0.188");
    EXPECT_EQ(setups->text("LBLWIDTH"), "2.598");
    EXPECT_EQ(setups->text("YOFFSET"), "0.000");
    EXPECT_EQ(setups->text("ZIPOPTIONS"), "4");
    EXPECT_EQ(setups->text("PRINTERTYP") + setups->text("PAPERSIZE"), "DMA4L");

    setups->close();
    const auto again = engine.open(enginePath(path("SETUPS.DBF")));
    again->goTop();
    LabelSetup expected = odd();
    expected.xOffset = 0.188f;
    expected.yOffset = 0.0f;
    expected.labelHeight = 0.984f;
    expected.labelWidth = 2.598f;
    expected.leftMargin = 0.25f;  // 0.2505 as a float is just below the half
    EXPECT_EQ(readLabelSetup(*again), expected);

    // A second write goes over the current record, not a new one.
    LabelSetup changed = expected;
    changed.description = "Changed";
    changed.fontSize = 9;
    ASSERT_TRUE(writeLabelSetup(*again, changed));
    EXPECT_EQ(again->recordCount(), 1u);
    again->goTop();
    EXPECT_EQ(readLabelSetup(*again), changed);
}

TEST_F(LabelSetupTest, TextsOfAFileWithWiderColumnsAreCutToTheirBounds) {
    std::vector<xbase::FieldSpec> wide = labelSetupLayout();
    for (auto& f : wide)
        if (f.type == 'C') f.width = 80;
    const auto wider = emptySetups(wide);
    wider->appendBlank();
    for (const char* field : {"DESCRIPT", "PRINTERTYP", "FONTNAME", "PAPERSIZE", "USERLABELN"})
        wider->setText(field, std::string(80, 'x'));
    wider->post();
    const LabelSetup cut = readLabelSetup(*wider);
    EXPECT_EQ(cut.description.size(), 50);
    EXPECT_EQ(cut.printerType.size(), 2);
    EXPECT_EQ(cut.fontName.size(), 50);
    EXPECT_EQ(cut.paperSize.size(), 5);
    EXPECT_EQ(cut.labelTypeName.size(), 60);
}

TEST_F(LabelSetupTest, AnUnstorableCharacterStoresNothing) {
    const auto setups = emptySetups();
    LabelSetup s = defaultLabelSetup();
    s.description = QStringLiteral("Łódź");
    {
        const PendingRecord added(*setups, PendingRecord::Target::NewRecord);
        EXPECT_FALSE(writeLabelSetup(*setups, s));
    }
    EXPECT_FALSE(setups->editing());
    EXPECT_EQ(setups->recordCount(), 0u);
    EXPECT_EQ(messages.texts(), QStringList{unstorableMessage(QStringLiteral("Ł"))});
}

}  // namespace
}  // namespace rp

// The EnvelopeSetup record: its default, its round trip through a row of RVPESU.DBF, the
// rounding and cutting on the way, and the feed method's stored form.
#include "EnvelopeFixture.h"
#include "support/TableBytes.h"

#include <limits>

#include "data/ListedRecords.h"
#include "data/SideFileValues.h"
#include "envelopes/EnvelopeSetup.h"

namespace rp {
namespace {

// A setup in which every member differs from the default.
EnvelopeSetup everyMemberSet() {
    EnvelopeSetup s;
    s.descript = "Invitations, small";
    s.envName = "A2 Invitation";
    s.useReturn = false;
    s.useMessage = true;
    s.retTop = 0.375f;
    s.retLeft = 0.5f;
    s.retFontName = "Times New Roman";
    s.retFontSize = 9;
    s.retFontBold = true;
    s.retFontItalic = true;
    s.retLines = {BoundedText<40>("Ann Example"), BoundedText<40>("Suite 4"), BoundedText<40>(),
                  BoundedText<40>("Springfield, IL  62701"), BoundedText<40>("USA")};
    s.messTop = 3.5f;
    s.messLeft = 0.75f;
    s.messFontName = "Courier New";
    s.messFontSize = 12;
    s.messFontBold = false;
    s.messFontItalic = false;
    s.messText = "Do Not Bend";
    s.delTop = 2.25f;
    s.delLeft = 2.125f;
    s.delFontName = "Verdana";
    s.delFontSize = 11;
    s.delFontBold = false;
    s.delFontItalic = true;
    s.barcode = true;
    s.contents = {false, false, false, true, true, true, true, true, ZipPlacement::BeforeCountry,
                  true};
    s.envWidth = 5.75f;
    s.envHeight = 4.375f;
    s.orient = 0;
    s.facing = 0;
    s.position = 11;
    return s;
}

TEST(EnvelopeSetupDefaultTest, IsTheNumber10SetupOfTheText) {
    const EnvelopeSetup s = defaultEnvelopeSetup();
    EXPECT_EQ(s.descript, "Default Envelope Setup");
    EXPECT_EQ(s.envName, "Envelope #10");
    EXPECT_FLOAT_EQ(s.envWidth, 9.5f);
    EXPECT_FLOAT_EQ(s.envHeight, 4.125f);
    EXPECT_TRUE(s.useReturn);
    EXPECT_FALSE(s.useMessage);
    EXPECT_FLOAT_EQ(s.retTop, 0.25f);
    EXPECT_FLOAT_EQ(s.retLeft, 0.25f);
    EXPECT_EQ(s.retFontName, "Arial");
    EXPECT_EQ(s.retFontSize, 8);
    EXPECT_FALSE(s.retFontBold);
    EXPECT_FALSE(s.retFontItalic);
    EXPECT_EQ(s.retLines[0], "John Q Public");
    EXPECT_EQ(s.retLines[1], "123 N West St");
    EXPECT_EQ(s.retLines[2], "LA, CA  90024");
    EXPECT_TRUE(s.retLines[3].isEmpty());
    EXPECT_TRUE(s.retLines[4].isEmpty());
    EXPECT_FLOAT_EQ(s.messTop, 3.125f);
    EXPECT_FLOAT_EQ(s.messLeft, 0.25f);
    EXPECT_EQ(s.messFontName, "Arial");
    EXPECT_EQ(s.messFontSize, 10);
    EXPECT_TRUE(s.messFontBold);
    EXPECT_TRUE(s.messFontItalic);
    EXPECT_EQ(s.messText, "Handle with Care");
    EXPECT_FLOAT_EQ(s.delTop, 2.0625f);
    EXPECT_NEAR(s.delLeft, 3.1667, 0.0001);
    EXPECT_EQ(s.delFontName, "Arial");
    EXPECT_EQ(s.delFontSize, 10);
    EXPECT_TRUE(s.delFontBold);
    EXPECT_FALSE(s.delFontItalic);
    EXPECT_FALSE(s.barcode);
    EXPECT_TRUE(s.contents.name && s.contents.title && s.contents.company && s.contents.street &&
                s.contents.cityState && s.contents.zip);
    EXPECT_FALSE(s.contents.phone);
    EXPECT_FALSE(s.contents.country);
    EXPECT_EQ(s.contents.zipPlacement, ZipPlacement::AfterState);
    EXPECT_FALSE(s.contents.uppercase);
    EXPECT_EQ(s.orient, 1);
    EXPECT_EQ(s.facing, 1);
    EXPECT_EQ(s.position, 2);
}

TEST(EnvelopeSetupRecordTest, TextsAreCutAtTheirFieldWidths) {
    EnvelopeSetup s;
    s.descript = QString(60, QLatin1Char('d'));
    s.envName = QStringLiteral("A name far longer than twenty");
    s.retLines[2] = QString(45, QLatin1Char('x'));
    s.messText = QString(51, QLatin1Char('m'));
    EXPECT_EQ(s.descript.text().size(), 50);
    EXPECT_EQ(s.envName, "A name far longer th");
    EXPECT_EQ(s.retLines[2].text().size(), 40);
    EXPECT_EQ(s.messText.text().size(), 50);
    EXPECT_EQ(BoundedText<20>("short"), "short");
}

TEST(EnvelopeSetupRecordTest, FeedPositionDecodesTheClockwiseChoice) {
    EXPECT_EQ(decodePosition(11).position, FeedPosition::Right);
    EXPECT_TRUE(decodePosition(11).clockwise);
    EXPECT_EQ(positionName(decodePosition(11).position), "Right");
    EXPECT_EQ(decodePosition(12).position, FeedPosition::Center);
    EXPECT_TRUE(decodePosition(12).clockwise);
    EXPECT_EQ(decodePosition(10).position, FeedPosition::Left);
    for (int stored : {0, 1, 2}) {
        EXPECT_FALSE(decodePosition(stored).clockwise);
        EXPECT_EQ(static_cast<int>(decodePosition(stored).position), stored);
    }
    for (int stored : {0, 1, 2, 10, 11, 12})
        EXPECT_EQ(encodePosition(decodePosition(stored)), stored);
    EXPECT_EQ(orientationName(0), "Portrait");
    EXPECT_EQ(orientationName(1), "Landscape");
    EXPECT_EQ(facingName(0), "Up");
    EXPECT_EQ(facingName(1), "Down");
}

TEST(EnvelopeSetupRecordTest, StoredPositionsOutsideTheirRangeReadAsCenter) {
    struct Case {
        std::int32_t stored;
        FeedPosition position;
        bool clockwise;
    };
    const Case cases[] = {
        {std::numeric_limits<std::int32_t>::min(), FeedPosition::Center, false},
        {-1, FeedPosition::Center, false},
        {0, FeedPosition::Left, false},
        {2, FeedPosition::Center, false},
        {3, FeedPosition::Center, false},
        {9, FeedPosition::Center, false},
        {10, FeedPosition::Left, true},
        {12, FeedPosition::Center, true},
        {13, FeedPosition::Center, true},
        {std::numeric_limits<std::int32_t>::max(), FeedPosition::Center, true},
    };
    for (const Case& c : cases) {
        const FeedMethod decoded = decodePosition(c.stored);
        EXPECT_EQ(decoded.position, c.position) << c.stored;
        EXPECT_EQ(decoded.clockwise, c.clockwise) << c.stored;
        EXPECT_FALSE(positionName(decoded.position).isEmpty()) << c.stored;
    }
}

TEST(EnvelopeSetupRecordTest, FloatsAreRoundedTo3DecimalsForTheFile) {
    EXPECT_FLOAT_EQ(roundTo3Decimals(9.5f / 3), 3.167f);
    EXPECT_FLOAT_EQ(roundTo3Decimals(4.125f * 0.5f),
                    2.063f);  // 2.0625 exactly: half away from zero
    EXPECT_FLOAT_EQ(roundTo3Decimals(0.25f), 0.25f);
    EXPECT_FLOAT_EQ(roundTo3Decimals(0.1234f), 0.123f);
}

class EnvelopeSetupTableTest : public EnvelopeFixture {};

TEST_F(EnvelopeSetupTableTest, AnEmptyFileReadsAsTheDefault) {
    auto setups = emptySetups();
    EXPECT_FALSE(hasCurrentRecord(*setups));
    EXPECT_EQ(readEnvelopeSetup(*setups), defaultEnvelopeSetup());
}

TEST_F(EnvelopeSetupTableTest, TheDeliveredSetupReads) {
    auto setups = open("RVPESU.DBF");
    ASSERT_TRUE(hasCurrentRecord(*setups));
    const EnvelopeSetup s = readEnvelopeSetup(*setups);
    EXPECT_EQ(s.descript, "#10 business envelope");
    EXPECT_EQ(s.envName, "Envelope #10");
    EXPECT_FLOAT_EQ(s.envWidth, 9.5f);
    EXPECT_FLOAT_EQ(s.envHeight, 4.125f);
    EXPECT_FLOAT_EQ(s.delTop, 2.063f);
    EXPECT_FLOAT_EQ(s.delLeft, 3.167f);
    EXPECT_EQ(s.messText, "Handle with Care");
    EXPECT_TRUE(s.barcode);
    EXPECT_EQ(s.contents.zipPlacement, ZipPlacement::AfterState);
    EXPECT_EQ(s.position, 2);
}

TEST_F(EnvelopeSetupTableTest, ASetupSurvivesItsRowAndAReopen) {
    const EnvelopeSetup written = everyMemberSet();
    {
        auto setups = open("RVPESU.DBF");
        writeEnvelopeSetup(*setups, written);
        EXPECT_FALSE(setups->editing());
        EXPECT_EQ(setups->recordCount(), 1u);
        EXPECT_EQ(readEnvelopeSetup(*setups), written);
    }
    auto again = open("RVPESU.DBF");
    const EnvelopeSetup read = readEnvelopeSetup(*again);
    EXPECT_EQ(read, written);
    EXPECT_EQ(read.retLines[2], "");
    EXPECT_EQ(read.retLines[3], "Springfield, IL  62701");
    EXPECT_EQ(read.contents.zipPlacement, ZipPlacement::BeforeCountry);
    EXPECT_EQ(read.position, 11);
    EXPECT_EQ(again->text("POSITION"), "11");
}

TEST_F(EnvelopeSetupTableTest, TheDefaultIsStoredRoundedAndAJustAppendedRecordIsAppended) {
    auto setups = emptySetups();
    setups->appendBlank();
    writeEnvelopeSetup(*setups, defaultEnvelopeSetup());
    EXPECT_EQ(setups->recordCount(), 1u);
    EXPECT_TRUE(hasCurrentRecord(*setups));
    EXPECT_EQ(setups->text("DELLEFT"), "3.167");
    EXPECT_EQ(setups->text("DELTOP"), "2.063");
    EXPECT_EQ(setups->text("MESSTOP"), "3.125");
    const EnvelopeSetup read = readEnvelopeSetup(*setups);
    EXPECT_FLOAT_EQ(read.delLeft, 3.167f);
    EXPECT_FLOAT_EQ(read.delTop, 2.063f);
    EXPECT_EQ(read.descript, "Default Envelope Setup");
    EXPECT_EQ(read.retLines[1], "123 N West St");
}

TEST_F(EnvelopeSetupTableTest, AnUnstorableCharacterIsRefusedAndTheRowKept) {
    auto setups = open("RVPESU.DBF");
    EnvelopeSetup s = readEnvelopeSetup(*setups);
    s.messText = QStringLiteral("Fragile \u0142");
    EXPECT_THROW(writeEnvelopeSetup(*setups, s), std::runtime_error);
    EXPECT_FALSE(setups->editing());
    EXPECT_EQ(readEnvelopeSetup(*setups).descript, "#10 business envelope");
    EXPECT_EQ(readEnvelopeSetup(*setups).messText, "Handle with Care");
}

// The delivered setups read and written back by the program keep their bytes.
TEST_F(EnvelopeFixture, EveryDeliveredSetupWrittenBackKeepsItsBytes) {
    {
        auto setups = engine.open(path("RVPESU.DBF").toStdString(), xbase::OpenMode::Exclusive);
        for (std::uint32_t r = 1; r <= setups->recordCount(); ++r) {
            setups->go(r);
            writeEnvelopeSetup(*setups, readEnvelopeSetup(*setups));
        }
    }
    EXPECT_EQ(tableBytesWithoutDateAndCounter(path("RVPESU.DBF")),
              tableBytesWithoutDateAndCounter(delivered("RVPESU.DBF")));
}

}  // namespace
}  // namespace rp

// The Search command's key and seek: prefixes on the name and city orders, dates in the
// short date format, and the record kept when nothing matches.
#include <gtest/gtest.h>

#include "app/RecordSearch.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

const QString kFormat = QStringLiteral("mm/dd/yyyy");

class RecordSearchTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        brown =
            add({{"LNAME", "Brown"}, {"CITY", "Boston"}, {"STATE", "MA"}, {"DATE", "20210315"}});
        adams = add({{"LNAME", "Adams"}, {"CITY", "Boise"}, {"STATE", "ID"}, {"DATE", "19991231"}});
        brooks =
            add({{"LNAME", "brooks"}, {"CITY", "Austin"}, {"STATE", "TX"}, {"DATE", "20210316"}});
        bronson = add({{"LNAME", "Bronson"}, {"CITY", "Denver"}, {"STATE", "CO"}});
        carter =
            add({{"LNAME", "Carter"}, {"CITY", "Bostwick"}, {"STATE", "GA"}, {"DATE", "20000101"}});
    }

    bool search(const char* tag, const QString& input) {
        table->setOrder(tag);
        return searchFor(table.table(), tag, input, kFormat);
    }

    std::uint32_t brown = 0, adams = 0, brooks = 0, bronson = 0, carter = 0;
};

TEST_F(RecordSearchTest, APrefixFindsTheFirstNameInOrder) {
    table->go(carter);
    EXPECT_TRUE(search("LNAME", "bro"));
    EXPECT_EQ(table->recNo(), bronson);  // BRONSON before BROOKS before BROWN
    EXPECT_TRUE(search("LNAME", "BROO"));
    EXPECT_EQ(table->recNo(), brooks);
    EXPECT_TRUE(search("LNAME", "Brown"));
    EXPECT_EQ(table->recNo(), brown);
    EXPECT_TRUE(shown.shown().empty());
}

TEST_F(RecordSearchTest, NothingFoundLeavesTheRecordAndSaysNothing) {
    table->go(adams);
    EXPECT_FALSE(search("LNAME", "Bz"));  // a soft seek would stand on CARTER
    EXPECT_EQ(table->recNo(), adams);
    EXPECT_FALSE(search("LNAME", "Zimmer"));  // and this one past the end
    EXPECT_EQ(table->recNo(), adams);
    EXPECT_FALSE(table->eof());
    EXPECT_TRUE(shown.shown().empty());
}

TEST_F(RecordSearchTest, TheEngineSettingsArePutBack) {
    engine.settings.exact = true;
    engine.settings.softSeek = false;
    table->go(adams);
    EXPECT_TRUE(search("LNAME", "bro"));  // with exact matching still on, BRO would match nothing
    EXPECT_TRUE(engine.settings.exact);
    EXPECT_FALSE(engine.settings.softSeek);
    engine.settings.exact = false;
    engine.settings.softSeek = true;
    EXPECT_FALSE(search("LNAME", "Bz"));
    EXPECT_FALSE(engine.settings.exact);
    EXPECT_TRUE(engine.settings.softSeek);
}

TEST_F(RecordSearchTest, AnInvalidDateIsToldAndNothingMoves) {
    table->go(carter);
    EXPECT_FALSE(search("DATE", "13/15/2021"));
    EXPECT_EQ(table->recNo(), carter);
    EXPECT_EQ(shown.texts(), QStringList{"Invalid date entered"});
    shown.clear();
    EXPECT_FALSE(search("DATE", "02/30/2021"));
    EXPECT_FALSE(search("DATE", "no date"));
    EXPECT_EQ(shown.texts(), QStringList({"Invalid date entered", "Invalid date entered"}));
    EXPECT_EQ(table->recNo(), carter);
}

TEST_F(RecordSearchTest, AValidDateFindsItsRecord) {
    table->go(adams);
    EXPECT_TRUE(search("DATE", "03/16/2021"));
    EXPECT_EQ(table->recNo(), brooks);
    EXPECT_TRUE(search("DATE", "12/31/1999"));
    EXPECT_EQ(table->recNo(), adams);
    EXPECT_FALSE(search("DATE", "03/17/2021"));
    EXPECT_EQ(table->recNo(), adams);
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(RecordSearchTest, ACityOrItsBeginningFindsTheCity) {
    table->go(adams);
    EXPECT_TRUE(search("CITY", "bost"));
    EXPECT_EQ(table->recNo(), brown);  // BOSTONMA before BOSTWICKGA
    EXPECT_TRUE(search("CITY", "Bostw"));
    EXPECT_EQ(table->recNo(), carter);
    EXPECT_TRUE(search("CITY", "boise"));
    EXPECT_EQ(table->recNo(), adams);
    EXPECT_FALSE(search("CITY", "Dallas"));
    EXPECT_EQ(table->recNo(), adams);
}

TEST_F(RecordSearchTest, EmptyInputAndUnstorableCharactersFindNothing) {
    table->go(carter);
    EXPECT_FALSE(search("LNAME", ""));
    EXPECT_FALSE(search("LNAME", QString::fromUtf8("Bró\u738B")));
    EXPECT_EQ(table->recNo(), carter);
    EXPECT_TRUE(shown.shown().empty());
}

TEST_F(RecordSearchTest, TypedLettersTheFileLacksSeekTheirClosestSpelling) {
    table->go(carter);
    EXPECT_TRUE(search("LNAME", QString::fromUtf8("Brőwn")));
    EXPECT_EQ(table->recNo(), brown);
    EXPECT_TRUE(shown.shown().empty());
}

TEST_F(RecordSearchTest, WithoutAnOrderNothingIsSought) {
    table->setOrder(0);
    table->go(carter);
    EXPECT_FALSE(seekKeepingPlace(table.table(), "BRO"));
    EXPECT_EQ(table->recNo(), carter);
}

TEST_F(RecordSearchTest, TheSearchHonoursTheFilter) {
    table->setFilter("UPPER(LNAME)<>\"BRONSON\"");
    table->go(adams);
    EXPECT_TRUE(search("LNAME", "bro"));
    EXPECT_EQ(table->recNo(), brooks);
}

TEST(searchKey, CapitalsAreTheEnginesAndDatesAreYyyymmdd) {
    using Kind = SearchKeyResult::Kind;
    SearchKeyResult k = searchKey("LNAME", QString::fromUtf8("m\u00fcller jr"), kFormat);
    EXPECT_EQ(k.kind, Kind::Key);
    EXPECT_EQ(k.key, "M\xFCLLER JR");  // as UPPER makes the index keys: ü stays small
    k = searchKey("ZIP", "83702-1234", kFormat);
    EXPECT_EQ(k.key, "83702-1234");
    k = searchKey("DATE", "7/4/1976", kFormat);
    EXPECT_EQ(k.kind, Kind::Key);
    EXPECT_EQ(k.key, "19760704");
    k = searchKey("DATE", "04.07.1976", "dd.mm.yyyy");
    EXPECT_EQ(k.key, "19760704");
    EXPECT_EQ(searchKey("DATE", "04.13.1976", "dd.mm.yyyy").kind, Kind::InvalidDate);
    EXPECT_EQ(searchKey("DATE", "  /  /    ", kFormat).kind, Kind::InvalidDate);
    k = searchKey("CITY", QString::fromUtf8("\u0141\u00f3d\u017a"), kFormat);
    EXPECT_EQ(k.kind, Kind::Key);
    EXPECT_EQ(k.key,
              "L\xF3"
              "DZ");  // in its closest spelling
    EXPECT_EQ(searchKey("CITY", QString::fromUtf8("\u5317\u4EAC"), kFormat).kind, Kind::Unstorable);
}

}  // namespace
}  // namespace rp

// The address block: the lines each switch adds, the three places of the ZIP, no empty line,
// and capitals.
#include <gtest/gtest.h>

#include "mailpiece/AddressBlock.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

AddressValues janePublic() {
    AddressValues v;
    v.prefix = "Dr.";
    v.first = "Jane";
    v.middle = "Q";
    v.last = "Public";
    v.street = "12 Main St";
    v.city = "Springfield";
    v.state = "IL";
    v.zip = "62701";
    v.country = "USA";
    return v;
}

// The default label setup: Name, Street, City + State, Zip after the state.
AddressContents labelDefault() {
    AddressContents c;
    c.name = c.street = c.cityState = c.zip = true;
    return c;
}

AddressContents everything(ZipPlacement placement) {
    AddressContents c;
    c.name = c.title = c.company = c.street = c.cityState = c.zip = c.country = c.phone = true;
    c.zipPlacement = placement;
    return c;
}

QStringList compose(const AddressValues& values, const AddressContents& contents) {
    QStringList lines{"left over"};
    composeAddressBlock(lines, values, contents);
    return lines;
}

TEST(AddressBlock, TheDefaultLabelBlock) {
    EXPECT_EQ(compose(janePublic(), labelDefault()),
              (QStringList{"Dr. Jane Q. Public ", "12 Main St", "Springfield  IL 62701"}));
}

TEST(AddressBlock, EverySwitchAddsItsLineInItsPlace) {
    AddressValues v = janePublic();
    v.title = "Director";
    v.org = "Acme";
    v.phone = "555-0100";
    EXPECT_EQ(compose(v, everything(ZipPlacement::AfterState)),
              (QStringList{"Dr. Jane Q. Public ", "Director", "Acme", "12 Main St",
                           "Springfield  IL 62701", "USA", "555-0100"}));
    EXPECT_EQ(compose(v, AddressContents{}), QStringList{});
}

TEST(AddressBlock, TheZipInEachOfItsPlaces) {
    AddressContents c = labelDefault();
    c.name = c.street = false;
    c.zipPlacement = ZipPlacement::BeforeCity;
    EXPECT_EQ(compose(janePublic(), c), QStringList{"62701 Springfield IL "});
    c.zipPlacement = ZipPlacement::AfterCountry;
    EXPECT_EQ(compose(janePublic(), c), (QStringList{"Springfield IL", "62701"}));
    c.zipPlacement = ZipPlacement::BeforeCountry;
    EXPECT_EQ(compose(janePublic(), c), (QStringList{"Springfield IL", "62701"}));
    c.country = true;
    EXPECT_EQ(compose(janePublic(), c), (QStringList{"Springfield IL", "62701 USA"}));
    c.zipPlacement = ZipPlacement::AfterCountry;
    EXPECT_EQ(compose(janePublic(), c), (QStringList{"Springfield IL", "USA 62701"}));
    c.zipPlacement = ZipPlacement::AfterState;
    EXPECT_EQ(compose(janePublic(), c), (QStringList{"Springfield  IL 62701", "USA"}));
    c.zip = false;
    EXPECT_EQ(compose(janePublic(), c), (QStringList{"Springfield IL", "USA"}));
}

TEST(AddressBlock, WithoutCityAndStateAZipAfterStateOrBeforeCityStandsAlone) {
    AddressContents c = labelDefault();
    c.name = c.street = c.cityState = false;
    c.country = true;
    EXPECT_EQ(compose(janePublic(), c), (QStringList{"62701", "USA"}));
    c.zipPlacement = ZipPlacement::BeforeCity;
    EXPECT_EQ(compose(janePublic(), c), (QStringList{"62701", "USA"}));
    c.zip = false;
    EXPECT_EQ(compose(janePublic(), c), QStringList{"USA"});
}

TEST(AddressBlock, BlankNamePartsTakeNoRoom) {
    AddressValues v = janePublic();
    v.middle = "";
    v.prefix = "  ";
    EXPECT_EQ(compose(v, labelDefault()).first(), "Jane Public ");
    v.first = v.last = "";
    EXPECT_EQ(compose(v, labelDefault()).first(), "12 Main St");
    v.middle = " R";
    EXPECT_EQ(compose(v, labelDefault()).first(), "R. ");
}

TEST(AddressBlock, ABlankCityAndStateStillCarryTheZip) {
    AddressValues v;
    v.zip = "62701";
    // A blank city and a blank state take no room, which leaves the blank between them.
    EXPECT_EQ(compose(v, labelDefault()), QStringList{" 62701"});
    v.zip = "";
    EXPECT_EQ(compose(v, labelDefault()), QStringList{});
}

TEST(AddressBlock, EveryFieldBlankGivesNoLines) {
    for (int placement = 1; placement <= 4; ++placement) {
        AddressContents c = everything(static_cast<ZipPlacement>(placement));
        c.uppercase = true;
        EXPECT_EQ(compose(AddressValues{}, c), QStringList{}) << placement;
    }
}

TEST(AddressBlock, UppercaseTurnsEveryLineToCapitals) {
    AddressContents c = labelDefault();
    c.uppercase = true;
    AddressValues v = janePublic();
    v.street = "Straße 5";
    EXPECT_EQ(compose(v, c),
              (QStringList{"DR. JANE Q. PUBLIC ", "STRASSE 5", "SPRINGFIELD  IL 62701"}));
}

using AddressBlockRecord = AddressFileFixture;

TEST_F(AddressBlockRecord, TheBlockOfTheCurrentRecord) {
    add({{"FNAME", "Otto"}, {"LNAME", "Ober"}});
    add({{"PREFIX", "Dr."},
         {"FNAME", "Jane"},
         {"MIDDLE", "Q"},
         {"LNAME", "Public"},
         {"STREET", "  12 Main St"},
         {"CITY", "Z\xfcrich"},
         {"STATE", "ZH"},
         {"ZIP", "8001"},
         {"COUNTRY", "Switzerland"}});
    AddressContents c = labelDefault();
    c.country = true;
    c.zipPlacement = ZipPlacement::BeforeCity;
    c.uppercase = true;
    QStringList lines;
    composeAddressBlock(lines, table.table(), c);
    EXPECT_EQ(lines, (QStringList{"DR. JANE Q. PUBLIC ", "  12 MAIN ST", "8001 Z\u00dcRICH ZH ",
                                  "SWITZERLAND"}));
}

}  // namespace
}  // namespace rp

// Households: the normalised key of street and ZIP, and the members counted into a household.
#include <gtest/gtest.h>

#include "data/Households.h"

namespace rp {
namespace {

TEST(householdKey, IgnoresCaseBlanksAndPunctuationAndTheZipPlusFour) {
    const struct {
        const char* street;
        const char* zip;
        const char* key;
    } cases[] = {
        {"12 Oak St.", "83702", "12OAKST\n83702"},
        {"  12 oak  st ", "83702-1234", "12OAKST\n83702"},
        {"12 OAK ST", "837021234", "12OAKST\n83702"},
        {"12 Oak St", "83702 1234", "12OAKST\n83702"},
        {"P.O. Box 7", "83702", "POBOX7\n83702"},
        // Not a US ZIP: the whole code.
        {"1 Rue A", "H2X 1Y4", "1RUEA\nH2X1Y4"},
        {"1 rue a", "h2x-1y4", "1RUEA\nH2X1Y4"},
        {"1 High St", "SW1A 1AA", "1HIGHST\nSW1A1AA"},
        {"1 Main", "8370", "1MAIN\n8370"},
        {"1 Main", "837021", "1MAIN\n837021"},
        // No street, or no ZIP: no household.
        {"", "83702", ""},
        {" .,- ", "83702", ""},
        {"12 Oak St", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(householdKey(c.street, c.zip), c.key) << c.street << " / " << c.zip;
}

TEST(Households, CountsMembersAndWhatTheyShare) {
    Households h;
    EXPECT_TRUE(h.add("12 Oak St.", "83702", "Smith     ", "Acme"));
    EXPECT_FALSE(h.add("12 OAK ST", "83702-1234", "SMITH", "ACME"));
    EXPECT_TRUE(h.add("5 Elm Rd", "83704", "Adams", "Elm Co"));
    EXPECT_FALSE(h.add("5 Elm Rd.", "83704", "Brown", ""));
    EXPECT_TRUE(h.add("", "83706", "Young", ""));
    EXPECT_TRUE(h.add("", "83706", "Young", ""));
    EXPECT_TRUE(h.add("9 Ash Ln", "83706", "Lone", ""));

    const Household* smith = h.shared("12 oak st", "83702");
    ASSERT_NE(smith, nullptr);
    EXPECT_EQ(smith->members, 2u);
    EXPECT_TRUE(smith->sameLastName);
    EXPECT_TRUE(smith->sameOrganization);
    const Household* elm = h.shared("5 Elm Rd", "83704");
    ASSERT_NE(elm, nullptr);
    EXPECT_FALSE(elm->sameLastName);
    EXPECT_FALSE(elm->sameOrganization);
    // One member, or no household at all.
    EXPECT_EQ(h.shared("9 Ash Ln", "83706"), nullptr);
    EXPECT_EQ(h.shared("", "83706"), nullptr);
    EXPECT_EQ(h.piecesSaved(), 2u);
}

}  // namespace
}  // namespace rp

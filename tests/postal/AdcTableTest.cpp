// The ADC table and the ADC pass: the prefixes the table covers, and how keys are handed to
// the first entry that serves them.
#include <gtest/gtest.h>

#include <set>

#include "postal/AdcList.h"
#include "postal/AdcTable.h"

namespace rp {
namespace {

std::string prefix(int n) {
    char text[4];
    std::snprintf(text, sizeof text, "%03d", n);
    return text;
}

TEST(adcTable, EachPrefixBelongsToOneEntryAndSeventyToNone) {
    std::set<std::string> served;
    for (const AdcEntry& entry : adcTable()) {
        for (std::size_t at = 0; at < entry.prefixes.size(); at += 4) {
            const std::string p(entry.prefixes.substr(at, 3));
            EXPECT_EQ(p.find_first_not_of("0123456789"), std::string::npos) << entry.name;
            EXPECT_TRUE(at + 3 == entry.prefixes.size() || entry.prefixes[at + 3] == ' ')
                << entry.name;
            EXPECT_TRUE(served.insert(p).second) << p << " twice";
        }
    }
    EXPECT_EQ(served.size(), 930u);
    std::set<std::string> unserved;
    for (int n = 0; n < 1000; ++n)
        if (!served.contains(prefix(n))) unserved.insert(prefix(n));
    std::set<std::string> expected;
    for (int n :
         {0,   1,   2,   3,   99,  213, 269, 343, 345, 348, 353, 398, 419, 428, 429, 517, 518, 519,
          529, 533, 536, 552, 568, 569, 578, 579, 589, 621, 632, 642, 643, 659, 663, 682, 694, 695,
          696, 697, 698, 699, 702, 709, 715, 732, 742, 817, 818, 819, 839, 848, 849, 851, 854, 858,
          861, 862, 866, 867, 868, 869, 876, 886, 887, 888, 892, 896, 899, 909, 929, 987})
        expected.insert(prefix(n));
    EXPECT_EQ(unserved, expected);
}

TEST(AdcPass, AnEntryTakesTheKeysItServesInOrderUnderOneHeading) {
    std::vector<std::string> residual{"12001", "13001", "12999", "129"};
    std::vector<std::string> adcList{"earlier"};
    extractADC(adcTable().front(), residual, adcList);
    EXPECT_EQ(adcList, (std::vector<std::string>{"earlier", "** ADC ALBANY NY 120", "12001",
                                                 "12999", "129"}));
    EXPECT_EQ(residual, std::vector<std::string>{"13001"});
}

TEST(AdcPass, AnEntryThatServesNoKeyAddsNothing) {
    std::vector<std::string> residual{"13001"};
    std::vector<std::string> adcList;
    extractADC(adcTable().front(), residual, adcList);
    EXPECT_TRUE(adcList.empty());
    EXPECT_EQ(residual, std::vector<std::string>{"13001"});
}

TEST(AdcPass, AKeyGoesToTheFirstEntryThatServesItAndUnservedKeysStay) {
    // "0 1" stands in Albany's "120 121" only across a blank.
    std::vector<std::string> residual{"00012", "05", "05401", "99501", "0 123", "1A"};
    EXPECT_EQ(fillADCList(residual),
              (std::vector<std::string>{"** ADC ANCHORAGE AK 995", "99501",  //
                                        "** ADC BOSTON MA 021", "05",        // in its 055
                                        "** ADC WHITE RVR JCT VT 050", "05401"}));
    EXPECT_EQ(residual, (std::vector<std::string>{"00012", "0 123", "1A"}));
}

}  // namespace
}  // namespace rp

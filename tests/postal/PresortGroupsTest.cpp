// How the presort groups ZIP codes, on address files of the test's own: five-digit groups of
// 10 pieces, three-digit runs, ADC groups, "** Unknown", and which ZIP values take part.
#include <gtest/gtest.h>

#include "PresortFixture.h"

namespace rp {
namespace {

using PresortGroups = PresortFixture;

TEST_F(PresortGroups, TenPiecesMakeAFiveDigitGroupNineDoNot) {
    addZip("12345", 10);
    addZip("13210", 9);
    EXPECT_EQ(presortLines(),
              (Lines{"** 5-digit 12345", "12345", "** ADC SYRACUSE NY 130", "13210"}));
}

TEST_F(PresortGroups, ZipsOfOnePrefixAddUpToAThreeDigitGroup) {
    addZip("12399", 3);
    addZip("12346", 3);
    addZip("12345", 4);
    EXPECT_EQ(presortLines(), (Lines{"** 3-digit 123", "12345", "12346", "12399"}));
}

TEST_F(PresortGroups, NinePiecesUnderOnePrefixGoToTheirAdc) {
    addZip("12345", 4);
    addZip("12346", 3);
    addZip("12399", 2);
    EXPECT_EQ(presortLines(), (Lines{"** ADC ALBANY NY 120", "12345", "12346", "12399"}));
}

TEST_F(PresortGroups, AFiveDigitGroupLeavesTooFewForItsPrefix) {
    addZip("12345", 10);
    addZip("12346", 9);
    EXPECT_EQ(presortLines(),
              (Lines{"** 5-digit 12345", "12345", "** ADC ALBANY NY 120", "12346"}));
}

TEST_F(PresortGroups, EachListKeepsItsOwnOrderAndTheListsFollowEachOther) {
    addZip("90210", 12);
    addZip("10001", 11);
    addZip("33101", 2);
    addZip("33109", 8);  // 331 adds up to 10
    addZip("10002", 3);
    addZip("90211", 1);
    addZip("00100", 1);
    addZip("63101", 1);
    EXPECT_EQ(presortLines(),
              (Lines{"** 5-digit 10001", "10001", "** 5-digit 90210", "90210", "** 3-digit 331",
                     "33101", "33109", "** ADC NEW YORK NY 100", "10002", "** ADC ST. LOUIS MO 630",
                     "63101", "** ADC TWIN VALLEY CA 900", "90211", "** Unknown", "00100"}));
}

TEST_F(PresortGroups, ZipPlusFourCountsUnderItsFiveDigits) {
    addZip("55401-1234", 6);
    addZip("55401-9876", 3);
    addZip("55401", 1);
    EXPECT_EQ(presortLines(), (Lines{"** 5-digit 55401", "55401"}));
}

TEST_F(PresortGroups, ShortKeysTakePartUnchanged) {
    addZip("123", 6);
    addZip("12345", 4);
    addZip("98", 1);
    addZip("5", 1);
    // 123 joins the run of its prefix; 5 and 98 go to the first ADC with a prefix that holds
    // them: the 125 of Albany, the 098 of AMF Kennedy.
    EXPECT_EQ(presortLines(), (Lines{"** 3-digit 123", "123", "12345", "** ADC ALBANY NY 120", "5",
                                     "** ADC AMF KENNEDY NY 00300", "98"}));
}

TEST_F(PresortGroups, ZipsBeginningWith000To003AreUnknown) {
    addZip("00399");
    addZip("00012");
    addZip("00201");
    addZip("00123");
    addZip("00401");  // 004 is Westchester's
    EXPECT_EQ(presortLines(), (Lines{"** ADC WESTCHESTER NY 105", "00401", "** Unknown", "00012",
                                     "00123", "00201", "00399"}));
}

TEST_F(PresortGroups, KeysThatAreNoZipCodeAreLeftOut) {
    for (const char* zip : {"M5V 2T6", "K1A 0B1", "", " 12345", "-1234", "0", "0000", "9999:", "9A",
                            "1**45", "1\t345"})
        addZip(zip, 10);
    addZip("0001", 1);        // above "00000"
    addZip("99999-9999", 1);  // keyed 99999
    addZip("4-567", 1);       // a digit first, and within the range
    EXPECT_EQ(presortLines(),
              (Lines{"** ADC SEATTLE WA 980", "99999", "** Unknown", "0001", "4-567"}));
}

TEST_F(PresortGroups, APrefixWithABlankMatchesNoAdc) {
    // "12 " is in Baltimore's "211 212 214" only across a blank.
    addZip("12 45");
    EXPECT_EQ(presortLines(), (Lines{"** Unknown", "12 45"}));
}

}  // namespace
}  // namespace rp

// POSTNET: which ZIPs get a barcode, what it encodes, its correction digit, the delivery point
// of the street line, and the bars.
#include <gtest/gtest.h>

#include <algorithm>

#include "mailpiece/DeliveryPoint.h"
#include "mailpiece/Postnet.h"
#include "mailpiece/PostnetBars.h"

namespace rp {
namespace {

// The bars as F and H, frame bars included.
std::string pattern(const std::vector<Bar>& bars) {
    std::string text;
    for (Bar b : bars) text += b == Bar::Full ? 'F' : 'H';
    return text;
}

TEST(PostnetDigits, DigitsOnlyKeepsTheDigitsInOrder) {
    EXPECT_EQ(DigitsOnly("12345-6789"), "123456789");
    EXPECT_EQ(DigitsOnly(" a1b2 "), "12");
    EXPECT_EQ(DigitsOnly("ZIP"), "");
}

TEST(PostnetDigits, TheCheckDigitMakesTheSumAMultipleOfTen) {
    EXPECT_EQ(PostnetCheckDigit("12345"), "5");
    EXPECT_EQ(PostnetCheckDigit("00000"), "0");
    EXPECT_EQ(PostnetCheckDigit("12345678923"), "0");
    EXPECT_EQ(PostnetCheckDigit("9"), "1");
    EXPECT_EQ(PostnetCheckDigit(""), "0");
}

TEST(PostnetEligibility, FiveOrNineDigitZipsWithinTheRangeGetABarcode) {
    for (const char* zip :
         {"12345", "00000", "123456789", "12345-6789", "99999-9999", "12345 6789"})
        EXPECT_TRUE(BarcodeEligible(true, zip)) << zip;
    for (const char* zip : {"1234", "", "A1234", "M5V 2T6", "99999-99999"})
        EXPECT_FALSE(BarcodeEligible(true, zip)) << zip;
    EXPECT_FALSE(BarcodeEligible(false, "12345"));
}

TEST(PostnetEligibility, ZipsWhoseDigitsMakeNoPostnetCodeGetNone) {
    for (const char* zip : {"1234567890", "12345-678", "1-2-3-4"})
        EXPECT_FALSE(BarcodeEligible(true, zip)) << zip;
}

TEST(PostnetText, OnlyATenCharacterZipPlusFourTakesTheDeliveryPoint) {
    EXPECT_EQ(BarcodeText("12345-6789", "123 MAIN ST"), "12345-678923");
    EXPECT_EQ(BarcodeText("12345", "123 MAIN ST"), "12345");
    EXPECT_EQ(BarcodeText("123456789", "123 MAIN ST"), "123456789");
    // Ten characters but five digits: a delivery point would make a code of seven.
    EXPECT_EQ(BarcodeText("12345ABCDE", "123 MAIN ST"), "12345ABCDE");
}

TEST(PostnetDeliveryPoint, TheLastTwoDigitsOfTheHouseNumber) {
    EXPECT_EQ(DeliveryPointDigits("123 MAIN ST"), "23");
    EXPECT_EQ(DeliveryPointDigits("123 42ND ST"), "23");
    EXPECT_EQ(DeliveryPointDigits("123 42nd st"), "23");
    EXPECT_EQ(DeliveryPointDigits("12 1/2 MAIN"), "12");
    EXPECT_EQ(DeliveryPointDigits("A1"), "01");
    EXPECT_EQ(DeliveryPointDigits("7 ELM"), "07");
    EXPECT_EQ(DeliveryPointDigits("12A OAK"), "12");
}

TEST(PostnetDeliveryPoint, NinetyNineWhenThereIsNoHouseNumber) {
    EXPECT_EQ(DeliveryPointDigits("42ND ST"), "99");
    EXPECT_EQ(DeliveryPointDigits("PSC 2 BOX 40 APO"), "99");
    EXPECT_EQ(DeliveryPointDigits("Unit 5 fpo ae"), "99");
    EXPECT_EQ(DeliveryPointDigits(""), "99");
    EXPECT_EQ(DeliveryPointDigits("MAIN ST"), "99");
}

TEST(PostnetBars, AFiveDigitZipHasThirtyTwoBars) {
    const std::vector<Bar> bars = PostnetBars("12345");
    ASSERT_EQ(bars.size(), 32u);
    // Frame, 1 2 3 4 5, correction digit 5, frame.
    EXPECT_EQ(pattern(bars),
              "F"
              "HHHFF"
              "HHFHF"
              "HHFFH"
              "HFHHF"
              "HFHFH"
              "HFHFH"
              "F");
}

TEST(PostnetBars, NineDigitsHaveFiftyTwoBarsAndAZipPlusFourWithDeliveryPointSixtyTwo) {
    EXPECT_EQ(PostnetBars("123456789").size(), 52u);
    const std::vector<Bar> bars = PostnetBars(BarcodeText("12345-6789", "123 MAIN ST"));
    ASSERT_EQ(bars.size(), 62u);
    // 2 and 3 of the delivery point, then correction digit 0.
    EXPECT_EQ(pattern(bars).substr(46),
              "HHFHF"
              "HHFFH"
              "FFHHH"
              "F");
}

TEST(PostnetBars, EveryDigitHasTwoFullBarsAndItsOwnPattern) {
    std::vector<std::string> seen;
    for (int digit = 0; digit <= 9; ++digit) {
        const auto& bars = DigitBars(digit);
        EXPECT_EQ(std::count(bars.begin(), bars.end(), Bar::Full), 2) << digit;
        seen.push_back(pattern({bars.begin(), bars.end()}));
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
    EXPECT_EQ(pattern({DigitBars(0).begin(), DigitBars(0).end()}), "FFHHH");
    EXPECT_EQ(pattern({DigitBars(7).begin(), DigitBars(7).end()}), "FHHHF");
}

TEST(PostnetBars, BarsShareOneBaselineAndThePenIsOneHundredthWide) {
    EXPECT_DOUBLE_EQ(BarTop(Bar::Full), 0.0);
    EXPECT_DOUBLE_EQ(BarTop(Bar::Half), 0.0625);
    EXPECT_DOUBLE_EQ(kFullBarHeight - BarTop(Bar::Half), kHalfBarHeight);
    EXPECT_EQ(kBarPenHundredths, 1);
    EXPECT_DOUBLE_EQ(kBarPitch * 31, 1.395);  // a 32-bar code's last bar from its first
}

}  // namespace
}  // namespace rp

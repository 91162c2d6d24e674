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
    EXPECT_EQ(digitsOnly("12345-6789"), "123456789");
    EXPECT_EQ(digitsOnly(" a1b2 "), "12");
    EXPECT_EQ(digitsOnly("ZIP"), "");
}

TEST(PostnetDigits, TheCheckDigitMakesTheSumAMultipleOfTen) {
    EXPECT_EQ(postnetCheckDigit("12345"), "5");
    EXPECT_EQ(postnetCheckDigit("00000"), "0");
    EXPECT_EQ(postnetCheckDigit("12345678923"), "0");
    EXPECT_EQ(postnetCheckDigit("9"), "1");
    EXPECT_EQ(postnetCheckDigit(""), "0");
}

TEST(PostnetEligibility, FiveOrNineDigitZipsWithinTheRangeGetABarcode) {
    for (const char* zip :
         {"12345", "00000", "123456789", "12345-6789", "99999-9999", "12345 6789"})
        EXPECT_TRUE(barcodeEligible(true, zip)) << zip;
    for (const char* zip : {"1234", "", "A1234", "M5V 2T6", "99999-99999"})
        EXPECT_FALSE(barcodeEligible(true, zip)) << zip;
    EXPECT_FALSE(barcodeEligible(false, "12345"));
}

TEST(PostnetEligibility, ZipsWhoseDigitsMakeNoPostnetCodeGetNone) {
    for (const char* zip : {"1234567890", "12345-678", "1-2-3-4"})
        EXPECT_FALSE(barcodeEligible(true, zip)) << zip;
}

TEST(PostnetText, OnlyATenCharacterZipPlusFourTakesTheDeliveryPoint) {
    EXPECT_EQ(barcodeText("12345-6789", "123 MAIN ST"), "12345-678923");
    EXPECT_EQ(barcodeText("12345", "123 MAIN ST"), "12345");
    EXPECT_EQ(barcodeText("123456789", "123 MAIN ST"), "123456789");
    // Ten characters but five digits: a delivery point would make a code of seven.
    EXPECT_EQ(barcodeText("12345ABCDE", "123 MAIN ST"), "12345ABCDE");
}

TEST(PostnetDeliveryPoint, TheLastTwoDigitsOfTheHouseNumber) {
    EXPECT_EQ(deliveryPointDigits("123 MAIN ST"), "23");
    EXPECT_EQ(deliveryPointDigits("123 42ND ST"), "23");
    EXPECT_EQ(deliveryPointDigits("123 42nd st"), "23");
    EXPECT_EQ(deliveryPointDigits("12 1/2 MAIN"), "12");
    EXPECT_EQ(deliveryPointDigits("A1"), "01");
    EXPECT_EQ(deliveryPointDigits("7 ELM"), "07");
    EXPECT_EQ(deliveryPointDigits("12A OAK"), "12");
}

TEST(PostnetDeliveryPoint, NinetyNineWhenThereIsNoHouseNumber) {
    EXPECT_EQ(deliveryPointDigits("42ND ST"), "99");
    EXPECT_EQ(deliveryPointDigits("PSC 2 BOX 40 APO"), "99");
    EXPECT_EQ(deliveryPointDigits("Unit 5 fpo ae"), "99");
    EXPECT_EQ(deliveryPointDigits(""), "99");
    EXPECT_EQ(deliveryPointDigits("MAIN ST"), "99");
}

TEST(postnetBars, AFiveDigitZipHasThirtyTwoBars) {
    const std::vector<Bar> bars = postnetBars("12345");
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

TEST(postnetBars, NineDigitsHaveFiftyTwoBarsAndAZipPlusFourWithDeliveryPointSixtyTwo) {
    EXPECT_EQ(postnetBars("123456789").size(), 52u);
    const std::vector<Bar> bars = postnetBars(barcodeText("12345-6789", "123 MAIN ST"));
    ASSERT_EQ(bars.size(), 62u);
    // 2 and 3 of the delivery point, then correction digit 0.
    EXPECT_EQ(pattern(bars).substr(46),
              "HHFHF"
              "HHFFH"
              "FFHHH"
              "F");
}

TEST(postnetBars, EveryDigitHasTwoFullBarsAndItsOwnPattern) {
    std::vector<std::string> seen;
    for (int digit = 0; digit <= 9; ++digit) {
        const auto& bars = digitBars(digit);
        EXPECT_EQ(std::count(bars.begin(), bars.end(), Bar::Full), 2) << digit;
        seen.push_back(pattern({bars.begin(), bars.end()}));
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
    EXPECT_EQ(pattern({digitBars(0).begin(), digitBars(0).end()}), "FFHHH");
    EXPECT_EQ(pattern({digitBars(7).begin(), digitBars(7).end()}), "FHHHF");
}

TEST(postnetBars, BarsShareOneBaselineAndThePenIsOneHundredthWide) {
    EXPECT_DOUBLE_EQ(barTop(Bar::Full), 0.0);
    EXPECT_DOUBLE_EQ(barTop(Bar::Half), 0.0625);
    EXPECT_DOUBLE_EQ(kFullBarHeight - barTop(Bar::Half), kHalfBarHeight);
    EXPECT_EQ(kBarPenHundredths, 1);
    EXPECT_DOUBLE_EQ(kBarPitch * 31, 1.395);  // a 32-bar code's last bar from its first
}

}  // namespace
}  // namespace rp

// Arithmetic and the number functions: STR, VAL, ROUND, INT, ABS, MAX, MIN.
#include "ExprTestRecord.h"

namespace {

TEST(ExprNumber, ArithmeticFollowsPrecedence) {
    const TestRecord r = person();
    EXPECT_EQ(evalNumber(r, "1+2*3"), 7);
    EXPECT_EQ(evalNumber(r, "(1+2)*3"), 9);
    EXPECT_EQ(evalNumber(r, "10-4-3"), 3);
    EXPECT_EQ(evalNumber(r, "24/4/2"), 3);
    EXPECT_EQ(evalNumber(r, "-2*3"), -6);
    EXPECT_EQ(evalNumber(r, "2*-3"), -6);
    EXPECT_EQ(evalNumber(r, "- -3"), 3);
    EXPECT_EQ(evalNumber(r, "+4"), 4);
    EXPECT_EQ(evalNumber(r, "7/2"), 3.5);
    EXPECT_EQ(evalNumber(r, ".5+1"), 1.5);
}

TEST(ExprNumber, RemainderKeepsTheDividendsSignAndZeroDivisorsGiveZero) {
    const TestRecord r = person();
    EXPECT_EQ(evalNumber(r, "7%3"), 1);
    EXPECT_EQ(evalNumber(r, "-7%3"), -1);
    EXPECT_EQ(evalNumber(r, "7%-3"), 1);
    EXPECT_EQ(evalNumber(r, "5/0"), 0);
    EXPECT_EQ(evalNumber(r, "5%0"), 0);
    EXPECT_EQ(evalNumber(r, "SEQNO/NOTHING"), 0);
}

TEST(ExprNumber, StrRightAlignsAndRoundsHalfAwayFromZero) {
    const TestRecord r = person();
    EXPECT_EQ(evalText(r, "STR(42)"), "        42");
    EXPECT_EQ(evalText(r, "STR(SEQNO,6,0)"), "    42");
    EXPECT_EQ(evalText(r, "STR(3.14159,6,2)"), "  3.14");
    EXPECT_EQ(evalText(r, "STR(2.5,1)"), "3");
    EXPECT_EQ(evalText(r, "STR(-2.5,2)"), "-3");
    EXPECT_EQ(evalText(r, "STR(1.005,5,2)"), " 1.01");
    EXPECT_EQ(evalText(r, "STR(2.675,4,2)"), "2.68");
    EXPECT_EQ(evalText(r, "STR(0.5,3)"), "  1");
    EXPECT_EQ(evalText(r, "STR(0.049,4,1)"), " 0.0");
    EXPECT_EQ(evalText(r, "STR(-0.001,5,2)"), " 0.00");
    EXPECT_EQ(evalText(r, "STR(AMOUNT,10,2)"), "  -1234.56");
    EXPECT_EQ(evalText(r, "STR(1/3,10,4)"), "    0.3333");
    EXPECT_EQ(evalText(r, "STR(99.96,5,1)"), "100.0");
    EXPECT_EQ(evalText(r, "STR(5,3,-1)"), "  5");
}

TEST(ExprNumber, StrDropsDecimalsThatDoNotFitAndStarsAWholePartThatDoesNot) {
    const TestRecord r = person();
    EXPECT_EQ(evalText(r, "STR(1234.5678,6,2)"), "1234.6");
    EXPECT_EQ(evalText(r, "STR(1234.5678,4,2)"), "1235");
    EXPECT_EQ(evalText(r, "STR(123456,5)"), "*****");
    EXPECT_EQ(evalText(r, "STR(-1234,4)"), "****");
    EXPECT_EQ(evalText(r, "STR(-7,2)"), "-7");
    EXPECT_EQ(evalText(r, "STR(-7,1)"), "*");
    EXPECT_EQ(evalText(r, "STR(0,3)"), "  0");
    EXPECT_EQ(evalText(r, "STR(-0.4,3)"), "  0");
    EXPECT_EQ(evalText(r, "STR(999999999999999,16)"), " 999999999999999");
    EXPECT_EQ(evalText(r, "STR(1000000000000000,17)"), " 1000000000000000");
    EXPECT_EQ(evalText(r, "STR(9999.9,4)"), "****");
    EXPECT_EQ(evalText(r, "STR(VAL(REPLICATE(\"9\",400)))"), "**********");
    EXPECT_EQ(evalText(r, "STR(5,0)"), "");
}

TEST(ExprNumber, ValReadsTheLeadingNumber) {
    const TestRecord r = person();
    EXPECT_EQ(evalNumber(r, "VAL(\"  12.50\")"), 12.5);
    EXPECT_EQ(evalNumber(r, "VAL(\"-3abc\")"), -3);
    EXPECT_EQ(evalNumber(r, "VAL(\"+7\")"), 7);
    EXPECT_EQ(evalNumber(r, "VAL(\".5\")"), 0.5);
    EXPECT_EQ(evalNumber(r, "VAL(\"1.2.3\")"), 1.2);
    EXPECT_EQ(evalNumber(r, "VAL(\"abc\")"), 0);
    EXPECT_EQ(evalNumber(r, "VAL(\"\")"), 0);
    EXPECT_EQ(evalNumber(r, "VAL(\"- 5\")"), 0);
    EXPECT_EQ(evalNumber(r, "VAL(ZIP)"), 10001);
    EXPECT_EQ(evalNumber(r, "VAL(\"0.\"+REPLICATE(\"0\",400)+\"1\")"), 0);
}

TEST(ExprNumber, RoundIntAbsMaxMin) {
    const TestRecord r = person();
    EXPECT_EQ(evalNumber(r, "ROUND(2.675,2)"), 2.68);
    EXPECT_EQ(evalNumber(r, "ROUND(-2.5,0)"), -3);
    EXPECT_EQ(evalNumber(r, "ROUND(1234.5,-2)"), 1200);
    EXPECT_EQ(evalNumber(r, "ROUND(1250,-2)"), 1300);
    EXPECT_EQ(evalNumber(r, "ROUND(0.4,0)"), 0);
    EXPECT_EQ(evalNumber(r, "ROUND(AMOUNT,1)"), -1234.6);
    EXPECT_EQ(evalNumber(r, "INT(-3.7)"), -3);
    EXPECT_EQ(evalNumber(r, "INT(3.7)"), 3);
    EXPECT_EQ(evalNumber(r, "ABS(AMOUNT)"), 1234.56);
    EXPECT_EQ(evalNumber(r, "MAX(SEQNO,100)"), 100);
    EXPECT_EQ(evalNumber(r, "MIN(SEQNO,100)"), 42);
    EXPECT_EQ(evalDate(r, "MAX(BORN,NODATE)"), evalDate(r, "BORN"));
    EXPECT_EQ(evalDate(r, "MIN(BORN,NODATE)"), 0);
}

TEST(ExprNumber, NumbersAsTextShowTheirDecimals) {
    const TestRecord r = person();
    auto asText = [&](const char* text) { return compileOn(r, text).evalAsText(r, {}); };
    EXPECT_EQ(asText("SEQNO"), "    42");
    EXPECT_EQ(asText("AMOUNT"), "  -1234.56");
    EXPECT_EQ(asText("SEQNO*1.5"), "63.0");
    EXPECT_EQ(asText("7/2"), "3.50");
    EXPECT_EQ(asText("VAL(\"3\")"), "3.00");
    EXPECT_EQ(asText("-AMOUNT"), "1234.56");
    EXPECT_EQ(asText("ROUND(AMOUNT,0)"), "-1235");
}

}  // namespace

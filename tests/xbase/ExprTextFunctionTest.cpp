// Text operators and functions on ordinary and edge arguments.
#include "ExprTestRecord.h"
#include "xbase/Ascii.h"

namespace {

TEST(ExprText, PlusConcatenatesAndMinusMovesTrailingBlanksToTheEnd) {
    const TestRecord r = person();
    EXPECT_EQ(evalText(r, "\"AB  \"+\"CD\""), "AB  CD");
    EXPECT_EQ(evalText(r, "\"AB  \"-\"CD\""), "ABCD  ");
    EXPECT_EQ(evalText(r, "\"    \"-\"CD\""), "CD    ");
    EXPECT_EQ(evalText(r, "\"AB\"-\"\""), "AB");
    EXPECT_EQ(evalText(r, "UPPER(LNAME-FNAME)"), "SMITHJOHN" + std::string(51, ' '));
    EXPECT_EQ(evalText(r, "TRIM(FNAME)+\" \"+TRIM(LNAME)"), "John Smith");
}

TEST(ExprText, CaseFoldingTouchesAsciiLettersOnly) {
    const TestRecord r = person();
    EXPECT_EQ(evalText(r, "UPPER(\"Smith-Jones 3\")"), "SMITH-JONES 3");
    EXPECT_EQ(evalText(r, "LOWER(\"McDONALD\")"), "mcdonald");
    EXPECT_EQ(evalText(r, "UPPER(\"\")"), "");

    // Every byte value, at every offset within eight-byte blocks.
    std::string all;
    for (int b = 255; b > 0; --b) all += static_cast<char>(b);
    TestRecord bytes;
    bytes.add("ALL", 'C', 255, 0, all);
    std::string lower = all;
    for (char& ch : lower) ch = xbase::lowerAscii(ch);
    EXPECT_EQ(evalText(bytes, "UPPER(ALL)"), xbase::upperAscii(all));
    EXPECT_EQ(evalText(bytes, "LOWER(ALL)"), lower);
    EXPECT_EQ(evalText(bytes, "UPPER(SUBSTR(ALL,3))"), xbase::upperAscii(all.substr(2)));
    // Every length up to three blocks, so that each way of ending a text is taken.
    for (std::size_t n = 0; n <= 24; ++n) {
        const std::string text = all.substr(150, n);
        const std::string call = "(SUBSTR(ALL,151," + std::to_string(n) + "))";
        ASSERT_EQ(evalText(bytes, "UPPER" + call), xbase::upperAscii(text)) << n;
        ASSERT_EQ(evalText(bytes, "LOWER" + call), lower.substr(150, n)) << n;
    }
}

TEST(ExprText, TrimsRemoveBlanksOnly) {
    const TestRecord r = person();
    EXPECT_EQ(evalText(r, "LTRIM(\"  a b  \")"), "a b  ");
    EXPECT_EQ(evalText(r, "RTRIM(\"  a b  \")"), "  a b");
    EXPECT_EQ(evalText(r, "TRIM(\"  a b  \")"), "  a b");
    EXPECT_EQ(evalText(r, "ALLTRIM(\"  a b  \")"), "a b");
    EXPECT_EQ(evalText(r, "ALLTRIM(PREFIX)"), "");
    EXPECT_EQ(evalText(r, "LTRIM(CHR(9)+\"x\")"), "\tx");
}

TEST(ExprText, SubstrLeftAndRightStayInsideTheText) {
    const TestRecord r = person();
    EXPECT_EQ(evalText(r, "SUBSTR(\"ABCDEF\",2,3)"), "BCD");
    EXPECT_EQ(evalText(r, "SUBSTR(\"ABCDEF\",4)"), "DEF");
    EXPECT_EQ(evalText(r, "SUBSTR(\"ABCDEF\",5,10)"), "EF");
    EXPECT_EQ(evalText(r, "SUBSTR(\"ABCDEF\",7)"), "");
    EXPECT_EQ(evalText(r, "SUBSTR(\"ABCDEF\",0,2)"), "AB");
    EXPECT_EQ(evalText(r, "SUBSTR(\"ABCDEF\",-5,2)"), "AB");
    EXPECT_EQ(evalText(r, "SUBSTR(\"ABCDEF\",2,-1)"), "");
    EXPECT_EQ(evalText(r, "SUBSTR(\"ABCDEF\",2.9,1.9)"), "B");
    EXPECT_EQ(evalText(r, "SUBSTR(LNAME,SEQNO-40,3)"), "mit");
    EXPECT_EQ(evalText(r, "SUBSTR(\"AB\",1/0,1)"), "A");  // division by zero gives 0
    EXPECT_EQ(evalText(r, "LEFT(\"ABCDEF\",2)"), "AB");
    EXPECT_EQ(evalText(r, "LEFT(\"ABC\",9)"), "ABC");
    EXPECT_EQ(evalText(r, "LEFT(\"ABC\",-1)"), "");
    EXPECT_EQ(evalText(r, "RIGHT(\"ABCDEF\",2)"), "EF");
    EXPECT_EQ(evalText(r, "RIGHT(\"ABC\",9)"), "ABC");
    EXPECT_EQ(evalText(r, "RIGHT(\"ABC\",0)"), "");
}

TEST(ExprText, BuiltTextsHonourTheirCounts) {
    const TestRecord r = person();
    EXPECT_EQ(evalText(r, "SPACE(3)"), "   ");
    EXPECT_EQ(evalText(r, "SPACE(-3)"), "");
    EXPECT_EQ(evalText(r, "SPACE(1000000000)").size(), 65535u);
    EXPECT_EQ(evalText(r, "REPLICATE(\"ab\",3)"), "ababab");
    EXPECT_EQ(evalText(r, "REPLICATE(\"\",3)"), "");
    EXPECT_EQ(evalText(r, "REPLICATE(\"abc\",100000)").size(), 65535u);
    EXPECT_EQ(evalText(r, "REPLICATE(\"ab\",100000)").size(), 65534u);  // whole copies only
    EXPECT_EQ(evalText(r, "PADL(\"ab\",5)"), "   ab");
    EXPECT_EQ(evalText(r, "PADR(\"ab\",5,\"*\")"), "ab***");
    EXPECT_EQ(evalText(r, "PADL(\"abcdef\",3)"), "abc");
    EXPECT_EQ(evalText(r, "PADR(\"ab\",4,\"\")"), "ab  ");
}

TEST(ExprText, CharacterCodesLengthsAndPositions) {
    const TestRecord r = person();
    EXPECT_EQ(evalText(r, "CHR(65)+CHR(321)+CHR(-191)"), "AAA");
    EXPECT_EQ(evalNumber(r, "ASC(\"A\")"), 65);
    EXPECT_EQ(evalNumber(r, "ASC(CHR(233))"), 233);
    EXPECT_EQ(evalNumber(r, "ASC(\"\")"), 0);
    EXPECT_EQ(evalNumber(r, "LEN(LNAME)"), 30);
    EXPECT_EQ(evalNumber(r, "LEN(TRIM(LNAME))"), 5);
    EXPECT_EQ(evalNumber(r, "LEN(NOTES)"), 10);
    EXPECT_EQ(evalNumber(r, "LEN(\"\")"), 0);
    EXPECT_EQ(evalNumber(r, "AT(\"th\",LNAME)"), 4);
    EXPECT_EQ(evalNumber(r, "AT(\"x\",LNAME)"), 0);
    EXPECT_EQ(evalNumber(r, "AT(\"\",LNAME)"), 0);
    EXPECT_EQ(evalNumber(r, "AT(\"aa\",\"baaa\")"), 2);
}

TEST(ExprText, EmptyAndIifWorkOnEveryType) {
    const TestRecord r = person();
    EXPECT_TRUE(evalLogical(r, "EMPTY(PREFIX)"));
    EXPECT_TRUE(evalLogical(r, "EMPTY(CHR(9)+CHR(13)+CHR(10)+\" \")"));
    EXPECT_FALSE(evalLogical(r, "EMPTY(LNAME)"));
    EXPECT_TRUE(evalLogical(r, "EMPTY(NOTHING)"));
    EXPECT_FALSE(evalLogical(r, "EMPTY(AMOUNT)"));
    EXPECT_TRUE(evalLogical(r, "EMPTY(NODATE)"));
    EXPECT_FALSE(evalLogical(r, "EMPTY(BORN)"));
    EXPECT_FALSE(evalLogical(r, "EMPTY(ACTIVE)"));
    EXPECT_EQ(evalText(r, "IIF(ACTIVE,\"yes\",\"no \")"), "yes");
    EXPECT_EQ(evalNumber(r, "IIF(SEQNO>50,1,2)"), 2);
    EXPECT_EQ(evalDate(r, "IIF(.F.,BORN,NODATE)"), 0);
    EXPECT_FALSE(evalLogical(r, "IIF(EMPTY(LNAME),.T.,.F.)"));
}

}  // namespace

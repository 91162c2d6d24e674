// Comparisons: texts with exact matching off and on, ==, $, and numbers, dates and logicals.
#include "ExprTestRecord.h"

namespace {

xbase::Settings exactOn() {
    xbase::Settings s;
    s.exact = true;
    return s;
}

TEST(ExprCompare, EqualWithExactOffComparesAsManyCharactersAsTheRightHas) {
    const TestRecord r = person();
    EXPECT_TRUE(evalLogical(r, "\"BROWNING\"=\"BROWN\""));
    EXPECT_FALSE(evalLogical(r, "\"BRO\"=\"BROWN\""));
    EXPECT_TRUE(evalLogical(r, "\"anything\"=\"\""));
    EXPECT_FALSE(evalLogical(r, "\"\"=\"X\""));
    EXPECT_FALSE(evalLogical(r, "\"ABC\"=\"ABC  \""));
    EXPECT_TRUE(evalLogical(r, "LNAME=\"Sm\""));
    EXPECT_TRUE(evalLogical(r, "LNAME=\"Smith\""));
    EXPECT_FALSE(evalLogical(r, "\"Smith\"=LNAME"));  // the 30-wide field is longer
}

TEST(ExprCompare, EqualWithExactOnPadsTheShorterText) {
    const TestRecord r = person();
    const xbase::Settings s = exactOn();
    EXPECT_FALSE(evalLogical(r, "\"BROWNING\"=\"BROWN\"", s));
    EXPECT_TRUE(evalLogical(r, "\"ABC\"=\"ABC  \"", s));
    EXPECT_TRUE(evalLogical(r, "\"Smith\"=LNAME", s));
    EXPECT_FALSE(evalLogical(r, "LNAME=\"Sm\"", s));
    EXPECT_FALSE(evalLogical(r, "\"X\"=\"\"", s));
    EXPECT_TRUE(evalLogical(r, "\"  \"=\"\"", s));
}

TEST(ExprCompare, OrderingFollowsTheSameRules) {
    const TestRecord r = person();
    EXPECT_FALSE(evalLogical(r, "\"BROWNING\">\"BROWN\""));
    EXPECT_TRUE(evalLogical(r, "\"BROWNING\">=\"BROWN\""));
    EXPECT_TRUE(evalLogical(r, "\"BRO\"<\"BROWN\""));
    EXPECT_FALSE(evalLogical(r, "\"BROWNING\"<>\"BROWN\""));
    EXPECT_TRUE(evalLogical(r, "\"BRO\"#\"BROWN\""));
    EXPECT_TRUE(evalLogical(r, "\"BRO\"!=\"BROWN\""));
    EXPECT_TRUE(evalLogical(r, "\"BROWNING\">\"BROWN\"", exactOn()));
    EXPECT_TRUE(evalLogical(r, "\"BROWNING\"<>\"BROWN\"", exactOn()));
    // Padding with blanks: a control character sorts below the blank, a letter above.
    EXPECT_TRUE(evalLogical(r, "\"AB\">CHR(65)+CHR(66)+CHR(1)", exactOn()));
    EXPECT_TRUE(evalLogical(r, "\"AB\"<\"ABC\"", exactOn()));
    EXPECT_TRUE(evalLogical(r, "\"AB\"<=\"AB   \"", exactOn()));
}

TEST(ExprCompare, BytesCompareUnsigned) {
    const TestRecord r = person();
    EXPECT_TRUE(evalLogical(r, "CHR(200)>\"z\""));
    EXPECT_TRUE(evalLogical(r, "CHR(255)>CHR(128)"));
    EXPECT_TRUE(evalLogical(r, "\"a\">\"Z\""));
}

TEST(ExprCompare, DoubleEqualComparesWholeTextsIgnoringTrailingBlanks) {
    const TestRecord r = person();
    for (const auto& s : {xbase::Settings{}, exactOn()}) {
        EXPECT_TRUE(evalLogical(r, "LNAME==\"Smith\"", s));
        EXPECT_TRUE(evalLogical(r, "\"Smith\"==LNAME", s));
        EXPECT_FALSE(evalLogical(r, "LNAME==\"Sm\"", s));
        EXPECT_FALSE(evalLogical(r, "\" Smith\"==\"Smith\"", s));
        EXPECT_TRUE(evalLogical(r, "\"\"==PREFIX", s));
    }
}

TEST(ExprCompare, ContainsLooksForTheLeftTextInTheRightOne) {
    const TestRecord r = person();
    EXPECT_TRUE(evalLogical(r, "\"mit\"$LNAME"));
    EXPECT_FALSE(evalLogical(r, "\"MIT\"$LNAME"));
    EXPECT_TRUE(evalLogical(r, "\"MIT\"$UPPER(LNAME)"));
    EXPECT_TRUE(evalLogical(r, "\"cats\"$NOTES"));
    EXPECT_FALSE(evalLogical(r, "\"\"$LNAME"));
    EXPECT_FALSE(evalLogical(r, "LNAME$\"Smith\""));  // trailing blanks are part of the field
    EXPECT_TRUE(evalLogical(r, "TRIM(LNAME)$\"Smithson\""));
}

TEST(ExprCompare, NumbersDatesAndLogicalsCompareAsValues) {
    const TestRecord r = person();
    EXPECT_TRUE(evalLogical(r, "SEQNO=42"));
    EXPECT_TRUE(evalLogical(r, "SEQNO==42.0"));
    EXPECT_TRUE(evalLogical(r, "AMOUNT<-1234.5"));
    EXPECT_TRUE(evalLogical(r, "10>9"));  // not as texts
    EXPECT_TRUE(evalLogical(r, "NOTHING<=0 .and. NOTHING>=0"));
    EXPECT_TRUE(evalLogical(r, "BORN>NODATE"));
    EXPECT_TRUE(evalLogical(r, "BORN<CTOD(\"01/01/70\")"));
    EXPECT_TRUE(evalLogical(r, "BORN=CTOD(\"04/12/65\")"));
    EXPECT_TRUE(evalLogical(r, "ACTIVE=.T."));
    EXPECT_TRUE(evalLogical(r, "ACTIVE<>.F."));
    EXPECT_TRUE(evalLogical(r, "(1=2)==.F."));
}

}  // namespace

// width(): the width of a result when the expression alone decides it, as index keys need.
#include "ExprTestRecord.h"

namespace {

int widthOf(const char* text) {
    return compileOn(person(), text).width();
}

TEST(ExprWidth, KeyExpressionsAddUpTheirParts) {
    EXPECT_EQ(widthOf("UPPER(LNAME)+UPPER(FNAME)"), 60);
    EXPECT_EQ(widthOf("STR(SEQNO,6,0)+STATE+ZIP"), 36);
    EXPECT_EQ(widthOf("LNAME-FNAME"), 60);
    EXPECT_EQ(widthOf("DTOS(BORN)+LNAME"), 38);
    EXPECT_EQ(widthOf("\"abc\"+LOWER(PREFIX)"), 13);
}

TEST(ExprWidth, FunctionsWithConstantCounts) {
    EXPECT_EQ(widthOf("STR(SEQNO)"), 10);
    EXPECT_EQ(widthOf("STR(AMOUNT,12,2)"), 12);
    EXPECT_EQ(widthOf("SUBSTR(LNAME,3,4)"), 4);
    EXPECT_EQ(widthOf("SUBSTR(LNAME,3)"), 28);
    EXPECT_EQ(widthOf("SUBSTR(LNAME,28,10)"), 3);
    EXPECT_EQ(widthOf("SUBSTR(LNAME,40)"), 0);
    EXPECT_EQ(widthOf("LEFT(LNAME,5)"), 5);
    EXPECT_EQ(widthOf("RIGHT(ZIP,50)"), 10);
    EXPECT_EQ(widthOf("SPACE(7)"), 7);
    EXPECT_EQ(widthOf("PADL(LNAME,12)"), 12);
    EXPECT_EQ(widthOf("REPLICATE(\"ab\",3)"), 6);
    EXPECT_EQ(widthOf("REPLICATE(STATE,3)"), 60);
    EXPECT_EQ(widthOf("CHR(SEQNO)"), 1);
    EXPECT_EQ(widthOf("IIF(ACTIVE,LNAME,FNAME)"), 30);
    EXPECT_EQ(widthOf("SUBSTR(LNAME,-1+2,2)"), 2);
}

TEST(ExprWidth, DataDependentWidthsAreUnknown) {
    EXPECT_EQ(widthOf("TRIM(LNAME)"), -1);
    EXPECT_EQ(widthOf("LTRIM(LNAME)+FNAME"), -1);
    EXPECT_EQ(widthOf("ALLTRIM(LNAME)"), -1);
    EXPECT_EQ(widthOf("NOTES"), -1);
    EXPECT_EQ(widthOf("SUBSTR(LNAME,SEQNO,2)"), -1);
    EXPECT_EQ(widthOf("LEFT(LNAME,SEQNO)"), -1);
    EXPECT_EQ(widthOf("SPACE(SEQNO)"), -1);
    EXPECT_EQ(widthOf("STR(AMOUNT,SEQNO)"), -1);
    EXPECT_EQ(widthOf("IIF(ACTIVE,LNAME,STATE)"), -1);
    EXPECT_EQ(widthOf("LEFT(TRIM(LNAME),3)"), -1);
}

TEST(ExprWidth, ConstantTextsAreFoldedToTheirLength) {
    EXPECT_EQ(widthOf("TRIM(\"ab  \")"), 2);
    EXPECT_EQ(widthOf("\"\""), 0);
    EXPECT_EQ(widthOf("UPPER(\"a\"+\"bc\")"), 3);
}

TEST(ExprWidth, OtherTypes) {
    EXPECT_EQ(widthOf("BORN"), 8);
    EXPECT_EQ(widthOf("BORN+1"), 8);
    EXPECT_EQ(widthOf("ACTIVE"), 1);
    EXPECT_EQ(widthOf("LNAME=FNAME"), 1);
    EXPECT_EQ(widthOf("SEQNO"), 6);
    EXPECT_EQ(widthOf("SEQNO+1"), -1);
}

TEST(ExprWidth, DtocWidthFollowsTheDateSettings) {
    const xbase::Expression e = compileOn(person(), "DTOC(BORN)+LNAME");
    EXPECT_EQ(e.width(), -1);
    xbase::Settings s;
    EXPECT_EQ(e.width(s), 38);
    s.century = true;
    EXPECT_EQ(e.width(s), 40);
    s.dateFormat = "yyyy-mm-dd";
    EXPECT_EQ(e.width(s), 40);
    s.century = false;
    EXPECT_EQ(e.width(s), 38);
    EXPECT_EQ(compileOn(person(), "LNAME").width(s), 30);
}

}  // namespace

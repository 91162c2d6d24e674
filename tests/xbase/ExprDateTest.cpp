// Dates: DTOS, DTOC and CTOD under the date settings, empty dates, arithmetic and date parts.
#include "ExprTestRecord.h"

namespace {

xbase::Settings dates(const char* format, bool century) {
    xbase::Settings s;
    s.dateFormat = format;
    s.century = century;
    return s;
}

TEST(ExprDate, DtosWritesYyyymmddAndBlanksForTheEmptyDate) {
    const TestRecord r = person();
    EXPECT_EQ(evalText(r, "DTOS(BORN)"), "19650412");
    EXPECT_EQ(evalText(r, "DTOS(NODATE)"), "        ");
    EXPECT_EQ(evalText(r, "DTOS(CTOD(\"\"))"), "        ");
    EXPECT_EQ(evalText(r, "DTOS(CTOD(\"01/01/01\")+36524*100)"), "        ");  // past 9999
}

TEST(ExprDate, DtocAndCtodFollowTheFormatAndCentury) {
    const TestRecord r = person();
    const xbase::Settings us = dates("mm/dd/yy", false), usLong = dates("mm/dd/yy", true);
    const xbase::Settings german = dates("dd.mm.yyyy", false),
                          germanLong = dates("dd.mm.yyyy", true);
    EXPECT_EQ(evalText(r, "DTOC(BORN)", us), "04/12/65");
    EXPECT_EQ(evalText(r, "DTOC(BORN)", usLong), "04/12/1965");
    EXPECT_EQ(evalText(r, "DTOC(BORN)", german), "12.04.65");
    EXPECT_EQ(evalText(r, "DTOC(BORN)", germanLong), "12.04.1965");
    EXPECT_EQ(evalText(r, "DTOC(NODATE)", us), "  /  /  ");
    EXPECT_EQ(evalText(r, "DTOC(NODATE)", germanLong), "  .  .    ");

    const xbase::JulianDay born = xbase::julianDay(1965, 4, 12);
    EXPECT_EQ(evalDate(r, "CTOD(\"04/12/65\")", us), born);
    EXPECT_EQ(evalDate(r, "CTOD(\"4/12/1965\")", usLong), born);
    EXPECT_EQ(evalDate(r, "CTOD(\"12.04.65\")", german), born);
    EXPECT_EQ(evalDate(r, "CTOD(\"12.04.1965\")", germanLong), born);
    EXPECT_EQ(evalDate(r, "CTOD(DTOC(BORN))", germanLong), born);
}

TEST(ExprDate, CtodGivesTheEmptyDateForEmptyOrInvalidText) {
    const TestRecord r = person();
    EXPECT_EQ(evalDate(r, "CTOD(\"\")"), 0);
    EXPECT_EQ(evalDate(r, "CTOD(\"  /  /  \")"), 0);
    EXPECT_EQ(evalDate(r, "CTOD(\"13/01/65\")"), 0);
    EXPECT_EQ(evalDate(r, "CTOD(\"02/29/23\")"), 0);
    EXPECT_EQ(evalDate(r, "CTOD(\"hello\")"), 0);
}

TEST(ExprDate, CtodAndDtocReadTheSettingsOfEachEvaluation) {
    const TestRecord r = person();
    const xbase::Expression e = compileOn(r, "DTOC(CTOD(\"01/02/03\"))");
    EXPECT_EQ(e.evalString(r, dates("mm/dd/yy", false)), "01/02/03");
    EXPECT_EQ(e.evalString(r, dates("mm/dd/yy", true)), "01/02/1903");
    EXPECT_EQ(e.evalString(r, dates("yy-mm-dd", false)), "01-02-03");
}

TEST(ExprDate, ArithmeticMovesByDaysAndKeepsEmptyDatesEmpty) {
    const TestRecord r = person();
    EXPECT_EQ(evalDate(r, "BORN+1"), xbase::julianDay(1965, 4, 13));
    EXPECT_EQ(evalDate(r, "20+BORN"), xbase::julianDay(1965, 5, 2));
    EXPECT_EQ(evalDate(r, "BORN-12"), xbase::julianDay(1965, 3, 31));
    EXPECT_EQ(evalDate(r, "BORN+1.9"), xbase::julianDay(1965, 4, 13));
    EXPECT_EQ(evalNumber(r, "BORN-CTOD(\"04/01/65\")"), 11);
    EXPECT_EQ(evalNumber(r, "CTOD(\"04/01/65\")-BORN"), -11);
    EXPECT_EQ(evalDate(r, "NODATE+1"), 0);
    EXPECT_EQ(evalDate(r, "BORN-10000000"), 0);
    EXPECT_EQ(evalDate(r, "BORN+VAL(REPLICATE(\"9\",400))"), 0);
}

TEST(ExprDate, TheCalendarRunsFromYearOneTo9999) {
    const TestRecord r = person();
    const xbase::Settings s = dates("mm/dd/yy", true);
    EXPECT_EQ(evalText(r, "DTOS(CTOD(\"12/31/9999\"))", s), "99991231");
    EXPECT_EQ(evalText(r, "DTOS(CTOD(\"12/31/9999\")+1)", s), "        ");
    EXPECT_EQ(evalText(r, "DTOS(CTOD(\"01/01/0001\"))", s), "00010101");
    EXPECT_EQ(evalText(r, "DTOS(CTOD(\"01/01/0001\")-1)", s), "        ");
}

TEST(ExprDate, PartsAndToday) {
    const TestRecord r = person();
    EXPECT_EQ(evalNumber(r, "YEAR(BORN)"), 1965);
    EXPECT_EQ(evalNumber(r, "MONTH(BORN)"), 4);
    EXPECT_EQ(evalNumber(r, "DAY(BORN)"), 12);
    EXPECT_EQ(evalNumber(r, "YEAR(NODATE)+MONTH(NODATE)+DAY(NODATE)"), 0);
    EXPECT_EQ(evalDate(r, "DATE()"), xbase::today());
    EXPECT_TRUE(evalLogical(r, "DATE()-BORN>365*50"));
}

}  // namespace

// Reading fields: character, numeric, date, logical and memo fields, the Visual FoxPro binary
// types, and how names are found.
#include <cstring>

#include "ExprTestRecord.h"

namespace {

std::string littleEndian(std::uint64_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
    return s;
}

TEST(ExprField, NumericFieldsReadSignsDecimalsAndBlanks) {
    TestRecord r;
    r.add("N", 'N', 10, 2, "-1234.56").add("F", 'F', 8, 3, "0.125").add("BLANK", 'N', 8, 0, "");
    r.add("GARBAGE", 'N', 6, 0, "12ab")
        .add("STARS", 'N', 4, 0, "****")
        .add("PLUS", 'N', 5, 0, "+7");
    EXPECT_EQ(evalNumber(r, "N"), -1234.56);
    EXPECT_EQ(evalNumber(r, "F"), 0.125);
    EXPECT_EQ(evalNumber(r, "BLANK"), 0);
    EXPECT_EQ(evalNumber(r, "GARBAGE"), 12);
    EXPECT_EQ(evalNumber(r, "STARS"), 0);
    EXPECT_EQ(evalNumber(r, "PLUS"), 7);
    r.set("N", "-.5");
    EXPECT_EQ(evalNumber(r, "N"), -0.5);
}

TEST(ExprField, DateFieldsReadDtosAndBlanksAsEmpty) {
    TestRecord r;
    r.add("D", 'D', 8, 0, "20240229").add("BLANK", 'D', 8, 0, "").add("BAD", 'D', 8, 0, "20230229");
    EXPECT_EQ(evalDate(r, "D"), xbase::julianDay(2024, 2, 29));
    EXPECT_EQ(evalDate(r, "BLANK"), 0);
    EXPECT_EQ(evalDate(r, "BAD"), 0);
}

TEST(ExprField, LogicalFieldsAreTrueForTAndY) {
    TestRecord r;
    r.add("L", 'L', 1, 0, "T");
    for (const char* yes : {"T", "t", "Y", "y"}) {
        r.set("L", yes);
        EXPECT_TRUE(evalLogical(r, "L")) << yes;
    }
    for (const char* no : {"F", "f", "N", "n", "?", " "}) {
        r.set("L", no);
        EXPECT_FALSE(evalLogical(r, "L")) << no;
    }
}

TEST(ExprField, MemoFieldsReadTheirText) {
    TestRecord r;
    r.memo("NOTES", "First line\r\nsecond").memo("NONE", "");
    EXPECT_EQ(evalText(r, "NOTES"), "First line\r\nsecond");
    EXPECT_EQ(evalText(r, "NONE"), "");
    EXPECT_EQ(evalText(r, "UPPER(NOTES)"), "FIRST LINE\r\nSECOND");
}

TEST(ExprField, VisualFoxProBinaryFieldsReadAsNumbersAndDates) {
    double d = -2.75;
    std::uint64_t bits;
    std::memcpy(&bits, &d, 8);
    const xbase::JulianDay day = xbase::julianDay(2001, 9, 9);
    TestRecord r;
    r.add("I", 'I', 4, 0, littleEndian(static_cast<std::uint32_t>(-123456), 4));
    r.add("B", 'B', 8, 2, littleEndian(bits, 8));
    r.add("Y", 'Y', 8, 4, littleEndian(static_cast<std::uint64_t>(-123456789), 8));
    r.add("T", 'T', 8, 0,
          littleEndian(static_cast<std::uint32_t>(day), 4) + littleEndian(3600000, 4));
    r.add("T0", 'T', 8, 0, std::string(8, '\0'));
    r.add("TBAD", 'T', 8, 0, littleEndian(0x7FFFFFFF, 4) + littleEndian(0, 4));
    r.add("V", 'V', 5, 0, "abc");
    EXPECT_EQ(evalNumber(r, "I"), -123456);
    EXPECT_EQ(evalNumber(r, "B"), -2.75);
    EXPECT_EQ(evalNumber(r, "Y"), -12345.6789);
    EXPECT_EQ(evalDate(r, "T"), day);
    EXPECT_EQ(evalText(r, "DTOS(T)"), "20010909");
    EXPECT_EQ(evalDate(r, "T0"), 0);
    EXPECT_EQ(evalDate(r, "TBAD"), 0);
    EXPECT_EQ(evalText(r, "V"), "abc  ");
    EXPECT_EQ(compileOn(r, "Y").evalAsText(r, {}), "-12345.6789");
}

TEST(ExprField, NamesAreFoundWhateverTheCaseAndAliasesAreIgnored) {
    const TestRecord r = person();
    EXPECT_EQ(evalText(r, "lname"), evalText(r, "LNAME"));
    EXPECT_EQ(evalText(r, "People->LName"), evalText(r, "LNAME"));
    EXPECT_EQ(evalText(r, "upper ( lname )"), evalText(r, "UPPER(LNAME)"));
    EXPECT_EQ(evalText(r, "SUBS(LNAME,1,2)+ALLT(FNAME)"), "SmJohn");  // four-letter abbreviations
}

TEST(ExprField, DeletedAndRecnoReadTheRecordState) {
    TestRecord r = person();
    const xbase::Expression del = compileOn(r, "DELETED()");
    const xbase::Expression recno = compileOn(r, "RECNO()");
    EXPECT_FALSE(del.evalLogical(r, {}));
    EXPECT_EQ(recno.evalNumber(r, {}), 1);
    r.isDeleted = true;
    r.recno = 1234567;
    EXPECT_TRUE(del.evalLogical(r, {}));
    EXPECT_EQ(recno.evalNumber(r, {}), 1234567);
    EXPECT_TRUE(evalLogical(r, ".NOT. DELETED() .OR. RECNO()>1000"));
}

}  // namespace

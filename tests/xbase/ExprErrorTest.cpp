// Compile errors: each names the problem, the 1-based position and the whole text.
#include "ExprTestRecord.h"

namespace {

void expectError(const std::string& text, const std::string& problem, std::size_t position) {
    const std::string expected =
        problem + " at position " + std::to_string(position) + " in: " + text;
    EXPECT_EQ(compileError(person(), text), expected);
}

TEST(ExprError, TheErrorCarriesTextAndPosition) {
    try {
        compileOn(person(), "UPPER(FOO)=\"X\"");
        FAIL() << "compiled";
    } catch (const xbase::ExpressionError& e) {
        EXPECT_STREQ(e.what(),
                     "Unknown field or function \"FOO\" at position 7 in: UPPER(FOO)=\"X\"");
        EXPECT_EQ(e.text(), "UPPER(FOO)=\"X\"");
        EXPECT_EQ(e.position(), 7u);
    }
}

TEST(ExprError, UnknownNames) {
    expectError("FOO(1)", "Unknown function \"FOO\"", 1);
    expectError("LNAME+FRED", "Unknown field or function \"FRED\"", 7);
    expectError("X->FRED", "Unknown field or function \"FRED\"", 4);
    expectError("DATE-1",
                "Unknown field or function \"DATE\" (a function needs parentheses, as in DATE())",
                1);
    expectError("LNAME->", "Missing a field name after \"->\"", 8);
}

TEST(ExprError, UnbalancedQuotesAndParentheses) {
    expectError("LNAME=\"Smith", "Missing closing \" for the text starting", 7);
    expectError("LNAME='Smith", "Missing closing ' for the text starting", 7);
    expectError("LNAME=[Smith", "Missing closing ] for the text starting", 7);
    expectError("(1+2", "Missing \")\"", 5);
    expectError("UPPER(LNAME=\"X\"", "Missing \",\" or \")\"", 16);
    expectError("(1+2))", "Unexpected \")\"", 6);
    expectError("SUBSTR(LNAME 1)", "Expected \",\" or \")\" but found \"1\"", 14);
    expectError("((1+2)*3", "Missing \")\"", 9);
}

TEST(ExprError, AQuoteInsideATextIsPointedOut) {
    expectError("UPPER(LNAME)=\"O\"BRIEN\"",
                "Unexpected \"BRIEN\" right after a closing quote (a text that contains a quote "
                "must be enclosed "
                "in another kind of quote: \"...\", '...' or [...])",
                17);
    EXPECT_EQ(compileError(person(), "UPPER(LNAME)=\"O'BRIEN\""), "");
    EXPECT_EQ(compileError(person(), "UPPER(LNAME)=[O\"BRIEN]"), "");
}

TEST(ExprError, WrongTypes) {
    expectError("LNAME+1", "Type mismatch: cannot apply \"+\" to a text and a number", 6);
    expectError("BORN*2", "Type mismatch: cannot apply \"*\" to a date and a number", 5);
    expectError("LNAME=1", "Type mismatch: cannot compare a text with a number using \"=\"", 6);
    expectError("1$2", "Type mismatch: \"$\" needs two texts", 2);
    expectError("ACTIVE<.T.", "Type mismatch: \"<\" cannot order logical values", 7);
    expectError("-LNAME", "Type mismatch: \"-\" needs a number, not a text", 1);
    expectError(".NOT. LNAME", "Type mismatch: \".NOT.\" needs a logical value, not a text", 1);
    expectError("ACTIVE .AND. SEQNO", "Type mismatch: \".AND.\" needs logical values, not a number",
                14);
    expectError("ACTIVE or LNAME", "Type mismatch: \"or\" needs logical values, not a text", 11);
    expectError("SUBSTR(LNAME,\"1\")", "SUBSTR argument 2 must be a number, not a text", 14);
    expectError("IIF(ACTIVE,1,\"x\")",
                "IIF argument 3 must be of the same type as argument 2 (a number), not a text", 14);
    expectError("IIF(1,2,3)", "IIF argument 1 must be a logical value, not a number", 5);
    expectError("MAX(LNAME,FNAME)", "MAX argument 1 must be a number or a date, not a text", 5);
    expectError("DTOS(LNAME)", "DTOS argument 1 must be a date, not a text", 6);
}

TEST(ExprError, WrongArgumentCounts) {
    expectError("SUBSTR(LNAME)", "SUBSTR takes 2 or 3 arguments, not 1", 1);
    expectError("UPPER()", "UPPER takes 1 argument, not 0", 1);
    expectError("UPPER(LNAME,FNAME)", "UPPER takes 1 argument, not 2", 1);
    expectError("DATE(1)", "DATE takes no arguments, not 1", 1);
    expectError("STR()", "STR takes 1 to 3 arguments, not 0", 1);
    expectError("SUBSTR(LNAME,,2)", "Unexpected \",\"", 14);
}

TEST(ExprError, TrailingGarbageAndStrayCharacters) {
    expectError("LNAME=\"X\" FNAME", "Unexpected \"FNAME\"", 11);
    expectError("1 2", "Unexpected \"2\"", 3);
    expectError("LNAME @ \"x\"", "Unexpected character \"@\"", 7);
    expectError(std::string("LNAME\x01"), "Unexpected character 0x01", 6);
    EXPECT_EQ(compileError(person(), std::string("LNAME\0", 6)),
              "Unexpected character 0x00 at position 6 in: LNAME?");
    expectError("LNAME+", "Unexpected end of expression", 7);
    expectError(
        "ACTIVE .AN. ACTIVE",
        "Unexpected \".\" (logical values are written .T. and .F., operators .AND. .OR. .NOT.)", 8);
    expectError("1.2.3", "Unexpected \".3\"", 4);
    expectError("LNAME \"a\"", "Unexpected \"a\"", 7);
    expectError("LNAME [a very long text that goes on]", "Unexpected [a very long text th...", 7);
}

TEST(ExprError, EmptyText) {
    expectError("", "Empty expression", 1);
    expectError("   ", "Empty expression", 1);
}

TEST(ExprError, DeepNestingIsRefusedWithoutExhaustingTheStack) {
    const std::string parens = std::string(300, '(') + "1" + std::string(300, ')');
    expectError(parens, "Expression nested too deeply", 201);
    expectError(std::string(300, '-') + "1", "Expression nested too deeply", 200);
    std::string nots;
    for (int i = 0; i < 300; ++i) nots += ".NOT.";
    expectError(nots + ".T.", "Expression nested too deeply", 996);
    std::string sum = "SEQNO";
    for (int i = 0; i < 300; ++i) sum += "+SEQNO";
    expectError(sum, "Expression nested too deeply", 1200);

    // Long .OR. lists are flat, however long.
    std::string zips = "ZIP=\"0\"";
    for (int i = 1; i < 2000; ++i) zips += " .or. ZIP=\"" + std::to_string(i) + "\"";
    EXPECT_TRUE(evalLogical(person(), zips));
    EXPECT_EQ(evalNumber(person(), std::string(150, '(') + "1" + std::string(150, ')')), 1);
}

}  // namespace

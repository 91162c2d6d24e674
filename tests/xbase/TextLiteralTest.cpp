// Quoting a text as an expression literal, the public way to put a user's text into an
// expression.
#include <gtest/gtest.h>

#include "ExprTestRecord.h"

namespace {

struct LiteralCase {
    const char* text;
    const char* literal;
};

TEST(TextLiteral, QuotesWithWhatTheTextDoesNotHoldAndReadsBackAsTheText) {
    const LiteralCase cases[] = {
        {"", "\"\""},
        {"Smith", "\"Smith\""},
        {"say \"hi\"", "'say \"hi\"'"},
        {"O'Neil \"Jr\"", "[O'Neil \"Jr\"]"},
        {"a\"b'c]d", "([a\"b'c]+\"]d\")"},
    };
    const TestRecord r = person();
    for (const LiteralCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(xbase::textLiteral(c.text), c.literal);
        EXPECT_EQ(evalText(r, xbase::textLiteral(c.text)), c.text);
    }
}

}  // namespace

// The filter lines as expressions: the worked examples, the edge cases, the length limit and
// the lines that cannot be used.
#include <gtest/gtest.h>

#include "app/FilterBuilder.h"
#include "data/AddressLayout.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

constexpr int kLast = 0, kZip = 5, kCity = 6, kState = 7, kDate = 12, kCodes = 13;

FilterLines linesWith(std::initializer_list<std::pair<int, QString>> filled) {
    FilterLines lines;
    for (const auto& [i, text] : filled) lines[static_cast<std::size_t>(i)] = text;
    return lines;
}

QString build(std::initializer_list<std::pair<int, QString>> filled) {
    return buildFilterExpression(linesWith(filled), "mm/dd/yyyy").expression;
}

TEST(FilterBuilder, LinesBecomeTheirTerms) {
    ScriptedMessages shown;
    MessagesScope scope(shown);
    const struct {
        int line;
        const char* text;
        const char* expected;
    } cases[] = {
        {kLast, "brown", R"(UPPER(LNAME)="BROWN")"},
        {kLast, "brown;green", R"(((UPPER(LNAME)="BROWN").or.(UPPER(LNAME)="GREEN")))"},
        {kCity, "$spring", R"("SPRING"$UPPER(CITY+STATE))"},
        {kZip, ">=60000+<61000", R"(((UPPER(ZIP)>="60000").and.(UPPER(ZIP)<"61000")))"},
        {kCodes, "a^b", R"(((UPPER(NOTES)="A").and..not.(UPPER(NOTES)="B")))"},
        {kCodes, "a;b+c",
         R"(((UPPER(NOTES)="A").or.(((UPPER(NOTES)="B").and.(UPPER(NOTES)="C")))))"},
        {kDate, ">=01/15/1997", R"(DTOS(DATE)>="19970115")"},
        {kDate, "<1/5/1997", R"(DTOS(DATE)<"19970105")"},
        {kDate, "$01/15/1997", R"(DTOS(DATE)="19970115")"},
        {kDate, "$=01/15/1997", R"(DTOS(DATE)$="19970115")"},
        {kLast, "  bro", R"(UPPER(LNAME)="  BRO")"},
        {kLast, "<>x", R"(UPPER(LNAME)<">X")"},
        {kLast, "<=m", R"(UPPER(LNAME)<="M")"},
        // Capitals as the engine's UPPER makes them: a-z only, so "ü" meets the "ü" of a record.
        {kLast, "müller", R"(UPPER(LNAME)="MüLLER")"},
        // Empty pieces are left out; one remaining piece is that piece's term.
        {kLast, "brown;", R"(UPPER(LNAME)="BROWN")"},
        {kLast, ";brown", R"(UPPER(LNAME)="BROWN")"},
        {kLast, "a;;b", R"(((UPPER(LNAME)="A").or.(UPPER(LNAME)="B")))"},
        {kCodes, "a;b+", R"(((UPPER(NOTES)="A").or.(UPPER(NOTES)="B")))"},
        {kCodes, "^b", R"(UPPER(NOTES)="B")"},
        {kLast, "+;^", ""},
        {kLast, "   ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(build({{c.line, QString::fromUtf8(c.text)}}), QString::fromUtf8(c.expected))
            << c.text;
    EXPECT_TRUE(shown.texts().isEmpty());

    EXPECT_EQ(build({{kState, "il"}, {kLast, "brown"}}),
              R"(UPPER(LNAME)="BROWN" and UPPER(STATE)="IL")");
    EXPECT_EQ(build({{kLast, ";"}, {kState, "il"}}), R"(UPPER(STATE)="IL")");  // no joiner
    const QString x(120, QLatin1Char('x'));
    EXPECT_EQ(buildFieldTerm("ORG", ">" + x),
              "UPPER(ORG)>\"" + QString(99, QLatin1Char('X')) + "\"");
    EXPECT_EQ(buildFieldTerm("ORG", x), "UPPER(ORG)=\"" + x.toUpper() + "\"");
    EXPECT_EQ(splitOnSeparator(";a;;", QLatin1Char(';')), QStringList({"", "a", "", ""}));
    EXPECT_EQ(joinedFilter("UPPER(LNAME)=\"A\""),
              "UPPER(LNAME)=\"A\".and. UPPER(PREFIX)<>\"DELETED\"");
}

TEST(FilterBuilder, InvalidDatesAreFlaggedAndLeftOut) {
    for (const char* bad : {"13/01/1997", "02/30/1997", ">=", "soon", "01/15/1997;01/16/1997"}) {
        const FilterBuild built =
            buildFilterExpression(linesWith({{kLast, "brown"}, {kDate, bad}}), "mm/dd/yyyy");
        EXPECT_EQ(built.expression, R"(UPPER(LNAME)="BROWN")") << bad;
        EXPECT_TRUE(built.invalidDate) << bad;
    }
    EXPECT_EQ(invalidDateMessage("mm/dd/yyyy"), "Invalid date. Must be in the format:mm/dd/yyyy");
    const FilterBuild good = buildFilterExpression(linesWith({{kDate, "15.01.97"}}), "dd.mm.yy");
    EXPECT_EQ(good.expression, R"(DTOS(DATE)="19970115")");
    EXPECT_FALSE(good.invalidDate);
}

class FilterApplyTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        engine.settings.hideDeleted = true;
        add({{"LNAME", "Brown"}, {"STATE", "IL"}});
        add({{"LNAME", "Browning"}, {"STATE", "OH"}});
        add({{"LNAME", "Green"}, {"STATE", "IL"}});
        add({{"LNAME", "Brown"}, {"PREFIX", "Deleted"}});
    }
    int apply(std::initializer_list<std::pair<int, QString>> filled) {
        return applyAddressFilter(table.table(), linesWith(filled), "mm/dd/yyyy", user);
    }

    QString user;
    const std::string standing = kStandingCondition.toStdString();
};

TEST_F(FilterApplyTest, TypedLettersTheFileLacksPickTheirClosestSpelling) {
    EXPECT_EQ(apply({{kLast, QString::fromUtf8("Brőwn")}}), 2);
    EXPECT_EQ(user, R"(UPPER(LNAME)="BROWN")");
    EXPECT_EQ(apply({{kLast, QString::fromUtf8("Grеen")}}), 1);  // a Cyrillic "е"
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(FilterApplyTest, CountsUpToTwoHundredFiftyFiveCharacters) {
    EXPECT_EQ(apply({{kLast, "brown"}}), 2);
    EXPECT_EQ(user, R"(UPPER(LNAME)="BROWN")");
    EXPECT_EQ(table->filter(), joinedFilter(user).toStdString());
    EXPECT_EQ(apply({{kLast, "brown"}, {kState, "il"}}), 1);
    EXPECT_EQ(apply({}), 0);
    EXPECT_EQ(table->filter(), standing);

    // UPPER(LNAME)="..." is 15 characters around the value.
    EXPECT_EQ(apply({{kLast, QString(240, QLatin1Char('b'))}}), 0);
    EXPECT_EQ(user.size(), 255);
    EXPECT_EQ(table->filter(), joinedFilter(user).toStdString());
    EXPECT_TRUE(shown.texts().isEmpty());
    EXPECT_EQ(apply({{kLast, QString(241, QLatin1Char('b'))}}), 0);
    EXPECT_EQ(user.size(), 256);
    EXPECT_EQ(table->filter(), standing);
    EXPECT_EQ(shown.texts(), QStringList({"Sorry - filter is too complex.Please simplify it."}));

    shown.clear();
    EXPECT_EQ(apply({{kState, "il"}, {kDate, "02/30/1997"}}), 2);
    EXPECT_EQ(shown.texts(), QStringList({"Invalid date. Must be in the format:mm/dd/yyyy"}));
}

TEST_F(FilterApplyTest, UnusableLineLeavesThePreviousFilterInForce) {
    ASSERT_EQ(apply({{kLast, "brown"}}), 2);
    const QString before = user;
    const std::string query = table->filter();
    const QString kept = QStringLiteral("\r\nThe previous filter stays in force.");

    EXPECT_EQ(apply({{kState, "il"}, {kLast, "o\"brien"}}), 2);
    EXPECT_EQ(
        shown.texts(),
        QStringList(
            {"The Last line cannot be used in a filter: Double quotes cannot be used." + kept}));
    EXPECT_EQ(user, before);
    EXPECT_EQ(table->filter(), query);

    shown.clear();
    EXPECT_EQ(apply({{kDate, "$=01/15/1997"}}), 2);
    const QString told = shown.texts().value(0);
    EXPECT_TRUE(told.startsWith("The Date line cannot be used in a filter: "))
        << told.toStdString();
    EXPECT_TRUE(told.contains(R"(DTOS(DATE)$="19970115")") && told.endsWith(kept))
        << told.toStdString();

    shown.clear();
    EXPECT_EQ(apply({{kCodes, QString::fromUtf8("\u738B")}}), 2);
    EXPECT_EQ(shown.texts(),
              QStringList({"The Codes line cannot be used in a filter: The character \"\u738B\" "
                           "cannot be stored in a Ravenpost file." +
                           kept}));
    EXPECT_EQ(table->filter(), query);

    // With no user expression before, the count is 0 as for any Set Now without one.
    apply({});
    EXPECT_EQ(apply({{kLast, "\""}}), 0);
    EXPECT_EQ(user, "");
    EXPECT_EQ(table->filter(), standing);
}

}  // namespace
}  // namespace rp

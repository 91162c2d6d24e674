// Search and replace without its dialog: the selection expression, the description the user
// confirms, the replacement of matching text, and the pass over a real address file.
#include <gtest/gtest.h>

#include "app/AddressFileFixture.h"
#include "postal/SearchReplace.h"
#include "postal/SearchReplaceRun.h"

namespace rp {
namespace {

SearchReplaceRequest Request(const char* field, MatchKind match, std::string find, bool caseSensitive,
                             ReplaceAction action, std::string replacement)
{
    for (const ReplaceableField& f : ReplaceableFields())
        if (std::string_view(f.name) == field) return {f, match, std::move(find), caseSensitive, action, std::move(replacement)};
    ADD_FAILURE() << field;
    return {};
}

constexpr auto Exact = MatchKind::ExactlyEqual;
constexpr auto Contains = MatchKind::Contains;
constexpr auto Whole = ReplaceAction::WholeField;
constexpr auto Matching = ReplaceAction::MatchingText;

TEST(SearchReplace, FieldsInTheirOrder)
{
    QStringList shown;
    std::string names;
    for (const ReplaceableField& f : ReplaceableFields()) {
        shown << f.displayName;
        names += std::string(f.name) + " ";
    }
    EXPECT_EQ(shown, (QStringList{"LastName", "FirstName", "Middle Initial", "Title", "Organization", "Street", "City",
                                  "State", "Zip", "Country", "Phone", "Email", "Fax", "Codes"}));
    EXPECT_EQ(names, "LNAME FNAME MIDDLE TITLE ORG STREET CITY STATE ZIP COUNTRY PHONE EMAIL FAX NOTES ");
}

TEST(SearchReplace, SelectionExpressions)
{
    EXPECT_EQ(SelectionExpression(Request("STREET", Contains, "", false, Whole, "")), "EMPTY(STREET)");
    EXPECT_EQ(SelectionExpression(Request("STREET", Exact, "", true, Whole, "")), "EMPTY(STREET)");
    EXPECT_EQ(SelectionExpression(Request("STREET", Contains, "Main", true, Whole, "")), "\"Main\"$STREET");
    EXPECT_EQ(SelectionExpression(Request("STREET", Contains, "Main", false, Whole, "")),
              "upper(\"MAIN\")$upper(STREET)");
    EXPECT_EQ(SelectionExpression(Request("CITY", Exact, "Boise", true, Whole, "")), "CITY==\"Boise\"");
    EXPECT_EQ(SelectionExpression(Request("CITY", Exact, "Boise", false, Whole, "")),
              "upper(CITY)==upper(\"BOISE\")");
    // Only ASCII letters are upper-cased, as the engine's UPPER does; quotes in the text make
    // a literal that still reads back as the text.
    EXPECT_EQ(SelectionExpression(Request("CITY", Exact, "s\xe9o", false, Whole, "")),
              "upper(CITY)==upper(\"S\xe9O\")");
    EXPECT_EQ(SelectionExpression(Request("ORG", Contains, "\"Ace\"", true, Whole, "")), "'\"Ace\"'$ORG");
    EXPECT_EQ(SelectionExpression(Request("ORG", Contains, "\"O'Hara\"", true, Whole, "")), "[\"O'Hara\"]$ORG");
    EXPECT_EQ(SelectionExpression(Request("ORG", Exact, "a\"b'c]d", true, Whole, "")), "ORG==([a\"b'c]+\"]d\")");
}

TEST(SearchReplace, DescriptionLines)
{
    EXPECT_EQ(ReplaceDescription(Request("LNAME", Exact, "", true, Whole, "")),
              "Find records where field LastName\ris empty \rand delete the entire field ");
    EXPECT_EQ(ReplaceDescription(Request("STREET", Contains, "Main", false, Matching, "")),
              "Find records where field Street\rcontains: \"Main\" (not case sensitive)\rand delete the matching text ");
    EXPECT_EQ(ReplaceDescription(Request("NOTES", Exact, "VIP", true, Whole, "Gold")),
              "Find records where field Codes\rexactly matches: \"VIP\"  (case sensitive)\r"
              "and replace the entire field with \"Gold\"");
    EXPECT_EQ(ReplaceDescription(Request("CITY", Contains, "St.", true, Matching, "Saint \xe9")),
              "Find records where field City\rcontains: \"St.\"  (case sensitive)\r"
              "and replace only the matching text with \"Saint \u00e9\"");
}

TEST(SearchReplace, MatchingTextReplacement)
{
    EXPECT_EQ(ReplaceMatches("Banana", "a", "e", false), "Benene");
    EXPECT_EQ(ReplaceMatches("BAnana", "a", "e", true), "BAnene");
    EXPECT_EQ(ReplaceMatches("aaaa", "aa", "a", true), "aa");  // no overlaps, never searched again
    EXPECT_EQ(ReplaceMatches("Main Main", "MAIN", "Elm", false), "Elm Elm");
    EXPECT_EQ(ReplaceMatches("12 Main St", "main", "", false), "12  St");
    EXPECT_EQ(ReplaceMatches("Caf\xc9", "\xe9", "e", false), "Caf\xc9");  // é and É are not one letter
    EXPECT_EQ(ReplaceMatches("abc", "", "x", false), "abc");
    EXPECT_EQ(ReplaceMatches("", "", "x", true), "");
}

class SearchReplaceRun : public AddressFileFixture {
protected:
    void SetUp() override
    {
        AddressFileFixture::SetUp();
        engine.settings.hideDeleted = true;
        main = add({{"LNAME", "Main"}, {"CITY", "Main"}});
        empty = add({{"LNAME", "Empty"}});
        street = add({{"LNAME", "Street"}, {"CITY", "MAIN STREET"}});
        mainz = add({{"LNAME", "Mainz"}, {"CITY", "Mainz"}});
        prefixed = add({{"LNAME", "Prefixed"}, {"PREFIX", "DELETED"}});
        marked = add({{"LNAME", "Marked"}});
        table->deleteRecord();
    }

    ReplaceOutcome run(const SearchReplaceRequest& request)
    {
        percents.clear();
        return ReplaceFieldValues(table.table(), request, {[this](int p) { percents.push_back(p); }, [] {}});
    }

    std::string city(std::uint32_t record)
    {
        table->go(record);
        return table->text("CITY");
    }

    std::uint32_t main = 0, empty = 0, street = 0, mainz = 0, prefixed = 0, marked = 0;
    std::vector<int> percents;
};

TEST_F(SearchReplaceRun, EmptyFindFillsEmptyFieldsButNeverAMarkedRecord)
{
    const ReplaceOutcome outcome = run(Request("CITY", Exact, "", true, Whole, "Reno"));
    EXPECT_EQ(outcome.replaced, 2);
    EXPECT_EQ(outcome.tooLong, 0);
    EXPECT_EQ(city(empty), "Reno");
    EXPECT_EQ(city(prefixed), "Reno");  // PREFIX DELETED is only a value here
    EXPECT_EQ(city(marked), "");
    EXPECT_EQ(city(main), "Main");
    EXPECT_EQ(percents, (std::vector<int>{16, 33, 50, 66, 83, 100}));  // the marked record counts too
    EXPECT_TRUE(engine.settings.hideDeleted);
    EXPECT_EQ(table->orderTagName(), "LNAME");
}

TEST_F(SearchReplaceRun, EmptyFindWithMatchingTextCountsButChangesNothing)
{
    const ReplaceOutcome outcome = run(Request("CITY", Contains, "", false, Matching, "Reno"));
    EXPECT_EQ(outcome.replaced, 2);
    EXPECT_EQ(city(empty), "");
    EXPECT_EQ(city(prefixed), "");
}

TEST_F(SearchReplaceRun, ExactMatchLeavesLongerValuesAndContainsFindsThem)
{
    EXPECT_EQ(run(Request("CITY", Exact, "Main", true, Whole, "Elm")).replaced, 1);
    EXPECT_EQ(city(main), "Elm");
    EXPECT_EQ(city(mainz), "Mainz");
    EXPECT_EQ(city(street), "MAIN STREET");

    EXPECT_EQ(run(Request("CITY", Contains, "main", false, Matching, "Oak")).replaced, 2);
    EXPECT_EQ(city(street), "Oak STREET");
    EXPECT_EQ(city(mainz), "Oakz");
    EXPECT_EQ(city(main), "Elm");
}

TEST_F(SearchReplaceRun, TheQueryInForceLimitsTheRecords)
{
    table->setFilter("LNAME=\"Main\"");
    EXPECT_EQ(run(Request("CITY", Contains, "Main", true, Matching, "Elm")).replaced, 2);
    EXPECT_EQ(percents, (std::vector<int>{50, 100}));
    EXPECT_EQ(city(main), "Elm");
    EXPECT_EQ(city(mainz), "Elmz");
    EXPECT_EQ(city(street), "MAIN STREET");
}

TEST_F(SearchReplaceRun, AValueThatWouldNotFitIsLeftWhole)
{
    const std::uint32_t full = add({{"LNAME", "Full"}, {"ZIP", "1234512345"}});
    const std::uint32_t fits = add({{"LNAME", "Fits"}, {"ZIP", "12345"}});
    const ReplaceOutcome outcome = run(Request("ZIP", Contains, "5", true, Matching, "55"));
    EXPECT_EQ(outcome.replaced, 1);
    EXPECT_EQ(outcome.tooLong, 1);
    table->go(full);
    EXPECT_EQ(table->text("ZIP"), "1234512345");
    table->go(fits);
    EXPECT_EQ(table->text("ZIP"), "123455");
}

TEST_F(SearchReplaceRun, QuotesInTheFindTextAreSearchedForAsTyped)
{
    const std::uint32_t quoted = add({{"LNAME", "Quoted"}, {"ORG", "The \"Best\" O'Hara [Inc]"}});
    EXPECT_EQ(run(Request("ORG", Contains, "\"Best\" O'Hara [Inc]", true, Matching, "Co")).replaced, 1);
    table->go(quoted);
    EXPECT_EQ(table->text("ORG"), "The Co");
}

}  // namespace
}  // namespace rp

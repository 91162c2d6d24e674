// Search and replace without its dialog: the selection expression, the description the user
// confirms, the replacement of matching text, and the pass over a real address file.
#include <gtest/gtest.h>

#include "support/AddressFileFixture.h"
#include "utilities/SearchReplace.h"
#include "utilities/SearchReplaceRun.h"

namespace rp {
namespace {

constexpr auto Exact = MatchKind::ExactlyEqual;
constexpr auto Contains = MatchKind::Contains;
constexpr auto Whole = ReplaceAction::WholeField;
constexpr auto Matching = ReplaceAction::MatchingText;

SearchReplaceRequest request(std::string_view field, MatchKind match, std::string find,
                             bool caseSensitive, ReplaceAction action, std::string replacement) {
    for (const ReplaceableField& f : replaceableFields())
        if (f.name == field)
            return {f, match, std::move(find), caseSensitive, action, std::move(replacement)};
    ADD_FAILURE() << field;
    return {};
}

TEST(SearchReplace, FieldsExpressionsAndDescriptions) {
    QStringList shown;
    for (const ReplaceableField& f : replaceableFields()) shown << f.displayName;
    EXPECT_EQ(shown, (QStringList{"LastName", "FirstName", "Middle Initial", "Title",
                                  "Organization", "Street", "City", "State", "Zip", "Country",
                                  "Phone", "Email", "Fax", "Codes"}));

    EXPECT_EQ(selectionExpression(request("STREET", Contains, "", false, Whole, "")),
              "EMPTY(STREET)");
    EXPECT_EQ(selectionExpression(request("STREET", Contains, "Main", true, Whole, "")),
              "\"Main\"$STREET");
    EXPECT_EQ(selectionExpression(request("STREET", Contains, "Main", false, Whole, "")),
              "upper(\"MAIN\")$upper(STREET)");
    EXPECT_EQ(selectionExpression(request("CITY", Exact, "Boise", true, Whole, "")),
              "CITY==\"Boise\"");
    // Only ASCII letters are upper-cased, as the engine's UPPER does.
    EXPECT_EQ(selectionExpression(request("CITY", Exact, "s\xe9o", false, Whole, "")),
              "upper(CITY)==upper(\"S\xe9O\")");
    // Quotes in the find text give a literal that still reads back as the text.
    EXPECT_EQ(selectionExpression(request("ORG", Contains, "\"Ace\"", true, Whole, "")),
              "'\"Ace\"'$ORG");
    EXPECT_EQ(selectionExpression(request("ORG", Exact, "a\"b'c]d", true, Whole, "")),
              "ORG==([a\"b'c]+\"]d\")");

    EXPECT_EQ(replaceDescription(request("LNAME", Exact, "", true, Whole, "")),
              "Find records where field LastName\ris empty \rand delete the entire field ");
    EXPECT_EQ(replaceDescription(request("STREET", Contains, "Main", false, Matching, "")),
              "Find records where field Street\rcontains: \"Main\" (not case sensitive)\rand "
              "delete the matching text ");
    EXPECT_EQ(replaceDescription(request("NOTES", Contains, "St.", true, Matching, "Saint \xe9")),
              "Find records where field Codes\rcontains: \"St.\"  (case sensitive)\r"
              "and replace only the matching text with \"Saint \u00e9\"");
}

TEST(SearchReplace, MatchingTextReplacement) {
    EXPECT_EQ(replaceMatches("Banana", "a", "e", false), "Benene");
    EXPECT_EQ(replaceMatches("BAnana", "a", "e", true), "BAnene");
    EXPECT_EQ(replaceMatches("aaaa", "aa", "a", true), "aa");  // no overlaps, never searched again
    EXPECT_EQ(replaceMatches("Caf\xc9", "\xe9", "e", false), "Caf\xc9");  // not an ASCII letter
    EXPECT_EQ(replaceMatches("abc", "", "x", false), "abc");
}

class SearchReplaceRun : public AddressFileFixture {
  protected:
    ReplaceOutcome run(const SearchReplaceRequest& request) {
        percents.clear();
        return replaceFieldValues(table.table(), request,
                                  {[this](int p) { percents.push_back(p); }, [] {}});
    }
    std::string value(std::uint32_t record, const char* field) {
        table->go(record);
        return table->text(field);
    }
    std::vector<int> percents;
};

TEST_F(SearchReplaceRun, EmptyFindSelectsEmptyFieldsButNeverAMarkedRecord) {
    engine.settings.hideDeleted = true;
    const std::uint32_t full = add({{"LNAME", "Full"}, {"CITY", "Boise"}});
    const std::uint32_t empty = add({{"LNAME", "Empty"}});
    const std::uint32_t prefixed = add({{"LNAME", "Prefixed"}, {"PREFIX", "DELETED"}});
    const std::uint32_t marked = add({{"LNAME", "Marked"}});
    table->deleteRecord();

    ASSERT_TRUE(markedOnDisk());
    EXPECT_EQ(run(request("CITY", Exact, "", true, Whole, "Reno")).replaced, 2);
    EXPECT_FALSE(markedOnDisk());  // the run ends with everything written
    EXPECT_EQ(value(empty, "CITY"), "Reno");
    EXPECT_EQ(value(prefixed, "CITY"), "Reno");  // PREFIX DELETED is only a value here
    EXPECT_EQ(value(marked, "CITY"), "");
    EXPECT_EQ(value(full, "CITY"), "Boise");
    EXPECT_EQ(percents, (std::vector<int>{25, 50, 75, 100}));  // the marked record counts too
    EXPECT_TRUE(engine.settings.hideDeleted);
    EXPECT_EQ(table->orderTagName(), "LNAME");

    // An empty text is never found: the records count as replaced but keep their value.
    EXPECT_EQ(run(request("ORG", Contains, "", false, Matching, "Acme")).replaced, 3);
    EXPECT_EQ(value(empty, "ORG"), "");
}

TEST_F(SearchReplaceRun, ExactMatchesWholeValuesAndContainsAnyPart) {
    const std::uint32_t main = add({{"CITY", "Main"}});
    const std::uint32_t mainz = add({{"CITY", "Mainz"}});
    const std::uint32_t street = add({{"CITY", "MAIN STREET"}});
    const std::uint32_t quoted = add({{"ORG", "The \"Best\" O'Hara [Inc]"}});

    EXPECT_EQ(run(request("CITY", Exact, "Main", true, Whole, "Elm")).replaced, 1);
    EXPECT_EQ(value(main, "CITY"), "Elm");
    EXPECT_EQ(value(mainz, "CITY"), "Mainz");
    EXPECT_EQ(run(request("CITY", Contains, "main", false, Matching, "Oak")).replaced, 2);
    EXPECT_EQ(value(street, "CITY"), "Oak STREET");
    EXPECT_EQ(value(mainz, "CITY"), "Oakz");
    EXPECT_EQ(run(request("ORG", Contains, "\"Best\" O'Hara [Inc]", true, Matching, "Co")).replaced,
              1);
    EXPECT_EQ(value(quoted, "ORG"), "The Co");
}

}  // namespace
}  // namespace rp

// The utility windows and messages through a translation that brackets every text: whatever a
// user reads comes out marked, with the values in their places.
#include <QTableView>

#include "UtilityWindows.h"
#include "support/AddressFileFixture.h"
#include "support/MarkingTranslator.h"
#include "utilities/SearchReplace.h"

namespace rp {
namespace {

class UtilitiesTranslationTest : public AddressFileFixture {
  protected:
    QString folder() const { return QString::fromStdString(dir.path()) + "/"; }
    MarkingTranslator marking;
};

TEST_F(UtilitiesTranslationTest, TheUtilityWindowsShowOnlyTranslatedTexts) {
    UtilityWindows windows(table.table(), folder());
    for (const NamedWindow& w : windows.all())
        EXPECT_EQ(untranslatedTexts(*w.window), QStringList()) << w.name;
}

TEST_F(UtilitiesTranslationTest, TheSearchAndReplaceMessagesAreTranslatedWhole) {
    const auto field = [](const char* name) {
        for (const ReplaceableField& f : replaceableFields())
            if (std::string_view(f.name) == name) return f;
        return ReplaceableField{};
    };
    const SearchReplaceRequest emptied{field("LNAME"), MatchKind::ExactlyEqual,   "",
                                       true,           ReplaceAction::WholeField, ""};
    const SearchReplaceRequest replaced{field("STREET"), MatchKind::Contains,         "Main",
                                        false,           ReplaceAction::MatchingText, "Elm"};
    const std::pair<QString, QString> cases[] = {
        {replaceDescription(emptied),
         "[Find records where field [LastName]\r[is empty ]\r[and delete the entire field ]]"},
        {replaceDescription(replaced),
         "[Find records where field [Street]\r[contains: \"Main\" (not case sensitive)]\r"
         "[and replace only the matching text with \"Elm\"]]"},
        {tooLongMessage(1),
         "[1 record was left unchanged: the new value would not fit in the field.]"},
        {tooLongMessage(3),
         "[3 records were left unchanged: the new value would not fit in the field.]"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace rp

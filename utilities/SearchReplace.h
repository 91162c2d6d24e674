#pragma once
// Search and replace of one address field's values: the fields offered, what the user asks
// for, the expression that selects the records, the words that describe the change before it
// is made, and the new value of a selected record's field.
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace rp {

struct ReplaceableField {
    const char* displayName =
        "";  // English; translated where shown, in the context SearchReplaceDialog
    const char* name;
};

// The fields offered, in the order the choice shows them.
const std::vector<ReplaceableField>& replaceableFields();

enum class MatchKind { ExactlyEqual, Contains };
enum class ReplaceAction { WholeField, MatchingText };

// The texts are Windows-1252 bytes, as the field holds them.
struct SearchReplaceRequest {
    ReplaceableField field;
    MatchKind match = MatchKind::ExactlyEqual;
    std::string find;
    bool caseSensitive = true;
    ReplaceAction action = ReplaceAction::WholeField;
    std::string replacement;
};

// The logical expression true for the records to change: EMPTY(F) for an empty find text,
// else F == V or V $ F, both sides upper-cased when the case does not matter. V is written as
// a literal that gives back exactly the find text, whatever quotes it holds.
std::string selectionExpression(const SearchReplaceRequest& request);

// The three lines, joined by carriage returns, that the user confirms.
QString replaceDescription(const SearchReplaceRequest& request);

// Every non-overlapping occurrence of find in text, left to right, replaced by replacement;
// without case sensitivity ASCII letters match either case. The text outside the matches and
// the replacement keep their case; an empty find text is never found.
std::string replaceMatches(std::string_view text, std::string_view find,
                           std::string_view replacement, bool caseSensitive);

// The field's new value for a selected record whose field holds current (without trailing
// blanks).
std::string replacedValue(const SearchReplaceRequest& request, std::string_view current);

// The message telling how many selected records were left as they were because the new value
// is wider than the field.
QString tooLongMessage(int records);

}  // namespace rp

#include "utilities/SearchReplace.h"

#include "data/FieldText.h"
#include "xbase/Ascii.h"
#include "xbase/Expression.h"

namespace rp {

const std::vector<ReplaceableField>& replaceableFields() {
    static const std::vector<ReplaceableField> fields{
        {QStringLiteral("LastName"), "LNAME"},
        {QStringLiteral("FirstName"), "FNAME"},
        {QStringLiteral("Middle Initial"), "MIDDLE"},
        {QStringLiteral("Title"), "TITLE"},
        {QStringLiteral("Organization"), "ORG"},
        {QStringLiteral("Street"), "STREET"},
        {QStringLiteral("City"), "CITY"},
        {QStringLiteral("State"), "STATE"},
        {QStringLiteral("Zip"), "ZIP"},
        {QStringLiteral("Country"), "COUNTRY"},
        {QStringLiteral("Phone"), "PHONE"},
        {QStringLiteral("Email"), "EMAIL"},
        {QStringLiteral("Fax"), "FAX"},
        {QStringLiteral("Codes"), "NOTES"},
    };
    return fields;
}

std::string selectionExpression(const SearchReplaceRequest& request) {
    const std::string field = request.field.name;
    if (request.find.empty()) return "EMPTY(" + field + ")";
    if (request.caseSensitive) {
        const std::string value = xbase::textLiteral(request.find);
        return request.match == MatchKind::Contains ? value + "$" + field : field + "==" + value;
    }
    const std::string value = xbase::textLiteral(xbase::upperAscii(request.find));
    return request.match == MatchKind::Contains ? "upper(" + value + ")$upper(" + field + ")"
                                                : "upper(" + field + ")==upper(" + value + ")";
}

QString replaceDescription(const SearchReplaceRequest& request) {
    const QString quote = QStringLiteral("\"");
    QString condition = QStringLiteral("is empty ");
    if (!request.find.empty()) {
        condition = (request.match == MatchKind::ExactlyEqual ? QStringLiteral("exactly matches: ")
                                                              : QStringLiteral("contains: ")) +
                    quote + fromFieldBytes(request.find) + quote +
                    (request.caseSensitive ? QStringLiteral("  (case sensitive)")
                                           : QStringLiteral(" (not case sensitive)"));
    }
    const bool whole = request.action == ReplaceAction::WholeField;
    QString action;
    if (request.replacement.empty())
        action = whole ? QStringLiteral("and delete the entire field ")
                       : QStringLiteral("and delete the matching text ");
    else
        action = (whole ? QStringLiteral("and replace the entire field with ")
                        : QStringLiteral("and replace only the matching text with ")) +
                 quote + fromFieldBytes(request.replacement) + quote;
    return QStringLiteral("Find records where field ") + request.field.displayName +
           QLatin1Char('\r') + condition + QLatin1Char('\r') + action;
}

std::string replaceMatches(std::string_view text, std::string_view find,
                           std::string_view replacement, bool caseSensitive) {
    std::string result;
    std::size_t rest = 0;
    if (!find.empty()) {
        const std::string haystack = caseSensitive ? std::string(text) : xbase::upperAscii(text);
        const std::string needle = caseSensitive ? std::string(find) : xbase::upperAscii(find);
        for (std::size_t at; (at = haystack.find(needle, rest)) != std::string::npos;
             rest = at + needle.size()) {
            result.append(text.substr(rest, at - rest));
            result.append(replacement);
        }
    }
    result.append(text.substr(rest));
    return result;
}

std::string replacedValue(const SearchReplaceRequest& request, std::string_view current) {
    if (request.action == ReplaceAction::WholeField) return request.replacement;
    return replaceMatches(current, request.find, request.replacement, request.caseSensitive);
}

QString tooLongMessage(int records) {
    return (records == 1 ? QStringLiteral("1 record was")
                         : QString::number(records) + QStringLiteral(" records were")) +
           QStringLiteral(" left unchanged: the new value would not fit in the field.");
}

}  // namespace rp

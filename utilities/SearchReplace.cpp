#include "utilities/SearchReplace.h"

#include "data/FieldText.h"
#include "xbase/Ascii.h"
#include "xbase/Expression.h"

#include <QCoreApplication>

namespace rp {

const std::vector<ReplaceableField>& replaceableFields() {
    static const std::vector<ReplaceableField> fields{
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "LastName"), "LNAME"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "FirstName"), "FNAME"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "Middle Initial"), "MIDDLE"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "Title"), "TITLE"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "Organization"), "ORG"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "Street"), "STREET"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "City"), "CITY"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "State"), "STATE"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "Zip"), "ZIP"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "Country"), "COUNTRY"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "Phone"), "PHONE"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "Email"), "EMAIL"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "Fax"), "FAX"},
        {QT_TRANSLATE_NOOP("rp::SearchReplaceDialog", "Codes"), "NOTES"},
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
    QString condition = QCoreApplication::translate("SearchReplace", "is empty ");
    if (!request.find.empty()) {
        const bool exactly = request.match == MatchKind::ExactlyEqual;
        const char* text =
            request.caseSensitive
                ? (exactly
                       ? QT_TRANSLATE_NOOP("SearchReplace",
                                           "exactly matches: \"%1\"  (case sensitive)")
                       : QT_TRANSLATE_NOOP("SearchReplace", "contains: \"%1\"  (case sensitive)"))
                : (exactly ? QT_TRANSLATE_NOOP("SearchReplace",
                                               "exactly matches: \"%1\" (not case sensitive)")
                           : QT_TRANSLATE_NOOP("SearchReplace",
                                               "contains: \"%1\" (not case sensitive)"));
        condition =
            QCoreApplication::translate("SearchReplace", text).arg(fromFieldBytes(request.find));
    }
    const bool whole = request.action == ReplaceAction::WholeField;
    QString action;
    if (request.replacement.empty())
        action =
            whole ? QCoreApplication::translate("SearchReplace", "and delete the entire field ")
                  : QCoreApplication::translate("SearchReplace", "and delete the matching text ");
    else
        action = (whole ? QCoreApplication::translate("SearchReplace",
                                                      "and replace the entire field with \"%1\"")
                        : QCoreApplication::translate(
                              "SearchReplace", "and replace only the matching text with \"%1\""))
                     .arg(fromFieldBytes(request.replacement));
    return QCoreApplication::translate("SearchReplace", "Find records where field %1\r%2\r%3")
        .arg(QCoreApplication::translate("rp::SearchReplaceDialog", request.field.displayName),
             condition, action);
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
    // Two texts, as the English one differs for one record.
    if (records == 1)
        return QCoreApplication::translate(
            "SearchReplace",
            "1 record was left unchanged: the new value would not fit in the field.");
    return QCoreApplication::translate(
        "SearchReplace",
        "%n records were left unchanged: the new value would not fit in the field.", nullptr,
        records);
}

}  // namespace rp

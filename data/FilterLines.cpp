#include "data/FilterLines.h"

#include <QCoreApplication>

#include "data/AddressLayout.h"
#include "data/DateText.h"
#include "data/FieldText.h"
#include "xbase/Error.h"
#include "xbase/Table.h"

namespace rp {
namespace {

// An operator typed at the start of a line takes at most this many characters after it.
constexpr int kMaxValueLength = 99;

struct Separator {
    char separator;
    const char* joiner;
};
// Loosest first.
constexpr Separator kSeparators[] = {{';', ".or."}, {'+', ".and."}, {'^', ".and..not."}};

// Capitals as the engine's UPPER makes them (a-z only), so that a typed value compares with
// UPPER(field) letter for letter.
QString upperAscii(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
    return text;
}

QString quoted(const QString& value) {
    return QLatin1Char('"') + value + QLatin1Char('"');
}

// One piece without separators: an optional operator, then the value.
QString comparison(const QString& field, const QString& text) {
    static const char* const operators[] = {">=", "<=", ">", "<", "$"};
    QString op = QStringLiteral("=");
    QString value = text;
    for (const char* candidate : operators) {
        if (text.startsWith(QLatin1String(candidate))) {
            op = QLatin1String(candidate);
            value = text.mid(op.size(), kMaxValueLength);
            break;
        }
    }
    value = quoted(upperAscii(value));
    if (op == QLatin1String("$"))
        return value + QStringLiteral("$UPPER(") + field + QLatin1Char(')');
    return QStringLiteral("UPPER(") + field + QLatin1Char(')') + op + value;
}

}  // namespace

const std::array<FilterLineDef, kFilterLineCount>& filterLineDefs() {
    static const std::array<FilterLineDef, kFilterLineCount> defs = {{
        {QT_TRANSLATE_NOOP("FilterLines", "Last"), "LNAME", "LNAME", false},
        {QT_TRANSLATE_NOOP("FilterLines", "First"), "FNAME", "FNAME", false},
        {QT_TRANSLATE_NOOP("FilterLines", "Title"), "TITLE", "TITLE", false},
        {QT_TRANSLATE_NOOP("FilterLines", "Org"), "ORG", "ORG", false},
        {QT_TRANSLATE_NOOP("FilterLines", "Street"), "STREET", "STREET", false},
        {QT_TRANSLATE_NOOP("FilterLines", "Zip or Postal"), "ZIP", "ZIP", false},
        {QT_TRANSLATE_NOOP("FilterLines", "City"), "CITY", "CITY+STATE", false},
        {QT_TRANSLATE_NOOP("FilterLines", "State or Prov"), "STATE", "STATE", false},
        {QT_TRANSLATE_NOOP("FilterLines", "Country"), "COUNTRY", "COUNTRY", false},
        {QT_TRANSLATE_NOOP("FilterLines", "Phone"), "PHONE", "PHONE", false},
        {QT_TRANSLATE_NOOP("FilterLines", "Fax"), "FAX", "FAX", false},
        {QT_TRANSLATE_NOOP("FilterLines", "E-mail"), "EMAIL", "EMAIL", false},
        {QT_TRANSLATE_NOOP("FilterLines", "Date"), "DATE", "DTOS(DATE)", true},
        {QT_TRANSLATE_NOOP("FilterLines", "Codes"), "NOTES", "NOTES", false},
    }};
    return defs;
}

QStringList splitOnSeparator(const QString& text, QChar separator) {
    return text.split(separator, Qt::KeepEmptyParts);
}

QString buildFieldTerm(const QString& field, const QString& text) {
    if (text.isEmpty()) return {};
    for (const Separator& s : kSeparators) {
        if (!text.contains(QLatin1Char(s.separator))) continue;
        QStringList terms;
        for (const QString& piece : splitOnSeparator(text, QLatin1Char(s.separator))) {
            const QString term = buildFieldTerm(field, piece);
            if (!term.isEmpty()) terms += term;
        }
        if (terms.size() < 2) return terms.isEmpty() ? QString() : terms.front();
        return QStringLiteral("((") +
               terms.join(QLatin1Char(')') + QLatin1String(s.joiner) + QLatin1Char('(')) +
               QStringLiteral("))");
    }
    return comparison(field, text);
}

std::optional<QString> buildDateTerm(const QString& expression, const QString& text,
                                     const QString& shortDateFmt) {
    QString op = QStringLiteral("=");
    QString value = text;
    if (text.startsWith(QLatin1Char('$')) || text.startsWith(QLatin1Char('<')) ||
        text.startsWith(QLatin1Char('>'))) {
        const int length = text.mid(1, 1) == QLatin1String("=") ? 2 : 1;
        op = text.left(length);
        value = text.mid(length, kMaxValueLength);
        if (op == QLatin1String("$")) op = QStringLiteral("=");
    }
    // parseDate gives 0 for a text without digits: no date either.
    const std::optional<xbase::JulianDay> day = parseDate(value, shortDateFmt);
    if (!day || *day == 0) return std::nullopt;
    return expression + op + quoted(QString::fromStdString(xbase::toDtos(*day)));
}

FilterBuild buildFilterExpression(const FilterLines& lines, const QString& shortDateFmt) {
    FilterBuild built;
    QString joiner;
    for (int i = 0; i < kFilterLineCount; ++i) {
        const QString& text = lines[static_cast<std::size_t>(i)];
        if (text.trimmed().isEmpty()) continue;
        const FilterLineDef& def = filterLineDefs()[static_cast<std::size_t>(i)];
        const QString expression = QLatin1String(def.expression);
        QString term;
        if (!def.date) {
            term = buildFieldTerm(expression, text);
        } else if (const std::optional<QString> dateTerm =
                       buildDateTerm(expression, text, shortDateFmt)) {
            term = *dateTerm;
        } else {
            built.invalidDate = true;
        }
        if (term.isEmpty()) continue;
        built.expression += joiner + term;
        joiner = QStringLiteral(" and ");
        built.terms.push_back({i, term});
    }
    return built;
}

QString filterTooComplexMessage() {
    return QCoreApplication::translate("FilterLines",
                                       "Sorry - filter is too complex.Please simplify it.");
}

QString invalidDateMessage(const QString& shortDateFmt) {
    return QCoreApplication::translate("FilterLines", "Invalid date. Must be in the format:%1")
        .arg(shortDateFmt);
}

QString filterLineProblem(const xbase::Table& table, const LineTerm& term,
                          const QString& lineText) {
    const FilterLineDef& def = filterLineDefs()[static_cast<std::size_t>(term.line)];
    if (!def.date && lineText.contains(QLatin1Char('"')))
        return QCoreApplication::translate("FilterLines", "Double quotes cannot be used.");
    QString refused;
    const std::optional<std::string> bytes = toFieldBytes(term.term, &refused);
    if (!bytes) return unstorableMessage(refused);
    try {
        table.compile(*bytes);
        return {};
    } catch (const xbase::ExpressionError& e) {
        return fromFieldBytes(e.what());
    }
}

}  // namespace rp

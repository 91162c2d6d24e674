#pragma once
// The Filter page's query: the fourteen lines turned into an expression on the address file,
// and that expression set as the table's filter together with the standing condition.
//
// A text line finds records whose field begins with the text (exact matching is off, so "="
// compares only as many characters as the text has), capitals or not. It may start with an
// operator: ">=", "<=", ">" and "<" compare, "$" finds the text anywhere in the field. Pieces
// joined by ";" are alternatives, by "+" all required, by "^" the first required and the later
// ones excluded; ";" binds loosest, then "+", then "^".
//
// A piece left empty by a separator ("brown;", ";brown", "a;;b") is left out, and the
// separator joins the pieces that remain: one remaining piece gives just its own term ("^b"
// thus finds b), none gives no term, and a line without a term adds nothing to the filter.
//
// The date line holds one date in the short date format after an optional operator; the
// separators mean nothing there.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "data/AddressLayout.h"

namespace xbase {
class Table;
}

namespace rp {

inline constexpr int kFilterLineCount = 14;
using FilterLines = std::array<QString, kFilterLineCount>;

struct FilterLineDef {
    const char* label;       // as the Filter page shows it
    const char* field;       // the record page field the line is placed over
    const char* expression;  // what the line's terms compare
    bool date;               // the date line
};
// The lines in the Filter page's order.
const std::array<FilterLineDef, kFilterLineCount>& filterLineDefs();

// The user expression may be at most this long.
inline constexpr int kMaxFilterLength = 255;
QString filterTooComplexMessage();

// The pieces between the separators, empty pieces kept ("a;;b" gives "a", "", "b").
QStringList splitOnSeparator(const QString& text, QChar separator);

// The term of a text line on a field expression; empty when the line leaves nothing to test.
// The text is used as typed: leading and trailing blanks take part.
QString buildFieldTerm(const QString& field, const QString& text);

// The term of the date line on its expression, or nothing when the text is not a date in the
// format.
std::optional<QString> buildDateTerm(const QString& expression, const QString& text,
                                     const QString& shortDateFmt);

struct LineTerm {
    int line;  // index into filterLineDefs()
    QString term;
};

struct FilterBuild {
    QString expression;           // the user expression: the terms joined by " and "
    std::vector<LineTerm> terms;  // the lines that gave a term, in order
    bool invalidDate = false;     // the date line held no date in the format and was left out
};

// The user expression of the lines; blank lines are skipped.
FilterBuild buildFilterExpression(const FilterLines& lines, const QString& shortDateFmt);

// "Invalid date. Must be in the format:" and the format.
QString invalidDateMessage(const QString& shortDateFmt);

// Why a line's term cannot be part of a filter on table: a double quote typed into a text
// line, a character no address file can hold, or the engine's compile error; empty when it
// can.
QString filterLineProblem(const xbase::Table& table, const LineTerm& term, const QString& lineText);

}  // namespace rp

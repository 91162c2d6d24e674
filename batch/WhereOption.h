#pragma once
// --where "LINE=TEXT": one line of the Filter page per option, named by its label ("State or
// Prov") or its field (STATE), any letter case, with the text in the page's own syntax
// ("SM;JO", ">=M", "$Main", a date in the short date format).
#include <QString>
#include <QStringList>

namespace xbase {
class Table;
}

namespace rp {

// The user expression the lines build, as the Filter page builds it; empty for no lines.
// Throws BatchError naming the option for an unknown line, a line given twice, an invalid
// date, a filter that is too complex, or a line that cannot be used on the table.
QString whereExpression(const QStringList& options, const QString& shortDateFmt,
                        const xbase::Table& table);

}  // namespace rp

#pragma once
// The Filter page's query set as the address file's filter, with what the user is told on the
// way.
#include <QString>

#include "data/FilterLines.h"

namespace xbase {
class Table;
}

namespace rp {

// Builds the lines and sets the table's filter; returns how many records it lets through.
// userExpression holds the user expression in force on entry and the new one on return.
// An invalid date is told to the user (invalidDateMessage) and its line left out.
// No lines: the standing condition alone, 0. Longer than kMaxFilterLength: the user is told the
// filter is too complex, the standing condition alone, 0. A line that cannot be used (a double
// quote typed into it, a character no address file can hold even in a close spelling, anything
// the engine cannot compile): the user is told which line and why, and the filter and
// userExpression stay as they were; the result is then the count of that filter (0 when no
// user expression). Letters the file lacks are first written in their closest spelling (see
// closeSpelling), so that "Nguyễn" picks the records of "Nguyen".
int applyAddressFilter(xbase::Table& table, const FilterLines& lines, const QString& shortDateFmt,
                       QString& userExpression);

}  // namespace rp

#pragma once
// A record on one line, as dump and seek print it.
#include <string>
#include <string_view>
#include <vector>

#include "xbase/Table.h"

namespace tools {

// Field numbers for the names of a --fields or --columns list; every field when list is empty.
// Throws UsageError for a name the table does not have.
std::vector<int> fieldNumbers(const xbase::Table& t, const std::string& list);

// Appends value with backslash, "|" and control bytes written as escapes (\\ \| \r \n \t \xHH).
void appendEscaped(std::string& line, std::string_view value);

// The current record: its number, "*" when it carries the deletion mark, then the value of
// each listed field after "|", escaped; no line end.
std::string recordLine(const xbase::Table& t, const std::vector<int>& fields);

}  // namespace tools

#pragma once
// Splitting one line of a comma-separated file into its values.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

// Values are separated by commas. A value that starts with a double quote runs to the next
// lone double quote; inside it commas are plain text and a doubled quote stands for one quote.
// Unquoted values are taken as they are (blanks included). An empty line gives one empty value;
// a trailing comma ends with an empty value. Returns nothing when a quoted value is not closed
// or text follows its closing quote.
std::optional<std::vector<std::string>> splitCsvLine(std::string_view line);

}  // namespace tools

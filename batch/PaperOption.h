#pragma once
// --paper: the paper a command puts in the printer where the program would leave it to the
// printer: Letter, A4, or WIDTHxHEIGHT in inches (the sheet as it goes in, e.g. 4.125x9.5),
// each side at most 200 inches.
#include <QPageSize>
#include <optional>

namespace rp {

class BatchArgs;

// The paper --paper names, or none when it is not given; throws BatchError for any other text
// and for a side longer than the largest printable page's.
std::optional<QPageSize> paperOption(const BatchArgs& args);

}  // namespace rp

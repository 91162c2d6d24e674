#pragma once
// The catalogue name of a predefined label stock.
#include <string>

namespace sidefiles {

// For example "Avery 5160  Address,   1.00 x 2.63" for part "5160", kind "Address", a label
// 1.0 high and 2.625 wide. See LabelStockName.cpp for the column rule.
std::string labelStockName(const std::string& part, const std::string& kind, double height,
                           double width);

}  // namespace sidefiles

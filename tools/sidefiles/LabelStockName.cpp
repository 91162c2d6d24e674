#include "LabelStockName.h"

#include <cmath>
#include <cstdio>

namespace sidefiles {

namespace {

// Inches with two decimals, halves rounded away from zero (2.625 gives "2.63").
double hundredths(double inches) {
    return std::round(inches * 100.0) / 100.0;
}

}  // namespace

// The names line up in columns when listed: "Avery ", the part number left-aligned in 5
// columns (the longest part numbers have 5 characters), a blank, the kind with its comma
// left-aligned in 9 columns ("Shipping," is the longest), a blank, the height right-aligned in
// 5 columns with 2 decimals, " x ", the width with 2 decimals. So "5160" is followed by two
// blanks and "Address," by three.
std::string labelStockName(const std::string& part, const std::string& kind, double height,
                           double width) {
    char text[96];
    std::snprintf(text, sizeof text, "Avery %-5s %-9s %5.2f x %.2f", part.c_str(),
                  (kind + ",").c_str(), hundredths(height), hundredths(width));
    return text;
}

}  // namespace sidefiles

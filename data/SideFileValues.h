#pragma once
// Lengths in inches as the side files store them: 32-bit floats rounded to three decimals, the
// way fixed-point text with three decimals rounds (2.0625 gives 2.063).
namespace xbase {
class Table;
}

namespace rp {

// value rounded to three decimals: formatted fixed-point with 3 decimals and parsed back.
float roundTo3Decimals(float value);

// Stores value, rounded so, in a numeric field of the current record (N 8,3 in the side files).
void setInches(xbase::Table& table, const char* field, float value);

}  // namespace rp

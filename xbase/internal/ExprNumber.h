#pragma once
// Numbers as xBase reads and writes them: numeric field bytes and VAL, STR, ROUND.
#include <string>
#include <string_view>

namespace xbase::expr {

// Functions that build text from a count (SPACE, REPLICATE, PADL, PADR, STR) stop at this length.
constexpr int kMaxBuiltText = 65535;

// Reads the number at the start of text: leading blanks, an optional sign, digits with at most
// one decimal point; reading stops at the first other character, and text without digits reads
// as 0. This is both how numeric field bytes and VAL() are read.
double parseNumber(std::string_view text);

// The decimals a number literal shows: the digits after its point, at most 15.
int decimalsWritten(std::string_view number);

// STR(value, length, decimals) into out: right-aligned in length characters, rounded half away
// from zero on the value's 15 significant decimal digits. Decimals that do not fit are dropped
// as far as needed; when the whole-number part does not fit (or the value is not finite) the
// result is length asterisks.
void formatNumber(double value, int length, int decimals, std::string& out);

// ROUND(value, decimals), rounding as STR does; negative decimals round to tens, hundreds...
double roundNumber(double value, int decimals);

// A number used as a count or position: truncated toward zero and clamped to -limit..limit
// (NaN counts as 0).
int toInt(double value, int limit);

}  // namespace xbase::expr

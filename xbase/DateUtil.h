#pragma once
// Dates as Julian day numbers, the form every date takes inside the engine (0 = empty date).
#include <cstdint>
#include <string>
#include <string_view>

namespace xbase {

struct Settings;

using JulianDay = std::int32_t;

bool isValidDate(int year, int month, int day);
JulianDay julianDay(int year, int month, int day);  // 0 for an invalid date
void civilDate(JulianDay jd, int& year, int& month, int& day);
JulianDay today();

// "YYYYMMDD" (eight blanks for the empty date).
std::string toDtos(JulianDay jd);
// Reads "YYYYMMDD"; blanks or anything invalid give 0.
JulianDay fromDtos(std::string_view text);

// Date text in the settings' pattern, and back. Two-digit years read as 19xx.
// An empty or invalid text gives 0; the empty date writes as the pattern with blanks.
std::string toDateText(JulianDay jd, const Settings& settings);
JulianDay fromDateText(std::string_view text, const Settings& settings);

}  // namespace xbase

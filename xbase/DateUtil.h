#pragma once
// Dates as Julian day numbers, the form every date takes inside the engine (0 = empty date).
#include <cstdint>
#include <string>
#include <string_view>

namespace xbase {

struct Settings;

using JulianDay = std::int32_t;

// Days of the years 1 to 9999, the dates a table can hold.
constexpr JulianDay kFirstJulianDay = 1721426;  // 0001-01-01
constexpr JulianDay kLastJulianDay = 5373484;   // 9999-12-31

bool isValidDate(int year, int month, int day);
// Whether the day lies in the years 1 to 9999; other days (0 among them) count as empty.
bool isDateInRange(JulianDay jd);
JulianDay julianDay(int year, int month, int day);  // 0 for an invalid date
// Days out of range give 0, 0, 0.
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

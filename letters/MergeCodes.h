#pragma once
// The merge codes a letter may hold: a name in square brackets, in the letter as plain text,
// found with its letter case as listed ("[City]", not "[CITY]").
#include <QString>
#include <array>

namespace rp {

// The names in the order the letter designer offers them.
inline constexpr std::array<const char*, 20> kMergeCodeNames{
    "Full Name",    "Name and Address", "First",          "Last", "Middle", "Prefix",      "Title",
    "Organization", "Street",           "City+State+Zip", "City", "State",  "Province",    "Zip",
    "Postal Code",  "Country",          "Phone",          "Fax",  "E-Mail", "Today's Date"};

// "[" + name + "]".
QString mergeCode(const QString& name);

}  // namespace rp

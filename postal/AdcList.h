#pragma once
// The ADC pass of the presort: the keys that neither the five-digit nor the three-digit
// groups took are grouped under the ADC that serves their first three characters.
#include <string>
#include <string_view>
#include <vector>

#include "postal/AdcTable.h"

namespace rp {

// Whether the entry serves the key: its first three characters (all of a shorter key) occur
// in one of the entry's prefixes. A part holding a blank matches none, since it would only be
// found across the blank between two prefixes.
bool servesKey(const AdcEntry& entry, std::string_view key);

// Moves the residual keys the entry serves, in their order, to the end of adcList under the
// heading "** ADC " + name; an entry that serves none adds nothing.
void extractADC(const AdcEntry& entry, std::vector<std::string>& residual,
                std::vector<std::string>& adcList);

// Runs extractADC for every entry of the ADC table in table order, so a key goes to the first
// entry that serves it. Returns the ADC list; residual keeps the keys no entry serves.
std::vector<std::string> fillADCList(std::vector<std::string>& residual);

}  // namespace rp

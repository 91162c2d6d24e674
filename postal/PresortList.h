#pragma once
// The presort list: ZIP keys in the order their labels print, under heading lines. First every
// ZIP of 10 pieces or more as a five-digit group, then every three-digit prefix whose remaining
// ZIPs add up to 10 pieces or more, then the rest under the ADC that serves them, and last,
// under "** Unknown", the ZIPs no ADC serves.
#include <string>
#include <vector>

#include "postal/ZipTally.h"

namespace rp {

// A group needs more pieces than this.
inline constexpr std::int32_t kGroupThreshold = 9;

// The list's lines from the tallied buckets (consumed).
std::vector<std::string> buildPresortList(ZipBuckets buckets);

}  // namespace rp

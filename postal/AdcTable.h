#pragma once
// The Area Distribution Centers in the order the presort offers keys to them: each with the
// name its heading line shows and the three-digit prefixes it serves, separated by blanks.
#include <array>
#include <string_view>

namespace rp {

struct AdcEntry {
    std::string_view name;
    std::string_view prefixes;
};

inline constexpr std::size_t kAdcCount = 96;

const std::array<AdcEntry, kAdcCount>& adcTable();

}  // namespace rp

#pragma once
// Plausible address records for the benchmarks, in the 20-field address layout, from a
// deterministic generator: the same starting state always gives the same records.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/Field.h"

namespace bench {

constexpr int kAddressFieldCount = 20;

class AddressGenerator {
  public:
    explicit AddressGenerator(std::uint64_t start = 1) : state_(start) {}

    // The values of record number seqNo, in field order, as texts setText accepts (dates
    // YYYYMMDD, logicals T/F). About 1% of last names start with "Sm", about 0.5% of prefixes
    // are "DELETED", about 2% of records have a memo. The views stay valid until the next call.
    const std::array<std::string_view, kAddressFieldCount>& next(std::uint32_t seqNo);

  private:
    std::uint64_t random();
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(random() % n); }
    template <std::size_t N>
    std::string_view pick(const std::array<std::string_view, N>& pool) {
        return pool[below(N)];
    }

    std::uint64_t state_;
    std::array<std::string_view, kAddressFieldCount> values_{};
    std::array<std::array<char, 80>, 9> buffers_{};
};

}  // namespace bench

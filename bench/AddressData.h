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

// LNAME C30, FNAME C30, MIDDLE C1, TITLE C30, ORG C30, STREET C30, CITY C30, STATE C20, ZIP C10,
// COUNTRY C30, PHONE C30, EMAIL C30, FAX C30, NOTES C30, PREFIX C12, CARRIER C4, DATE D, BEGIN L,
// SEQNO N6,0, MEMO M.
std::vector<xbase::FieldSpec> addressFields();
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

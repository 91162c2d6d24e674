#include "xbase/internal/KeyRange.h"

#include <algorithm>

namespace xbase {

namespace {

// A high bound as the greatest key it lets in, up to the given length: the bound followed by
// 0xFF bytes.
std::string greatestUnder(const std::string& high, std::size_t length) {
    return high + std::string(length - high.size(), '\xFF');
}

}  // namespace

void KeyRange::narrow(const KeyRange& other) {
    // A key's leading bytes are below a low bound exactly when the whole key sorts below it,
    // so the greater low bound is the one both keep.
    low = std::max(low, other.low);
    // A key is above a high bound exactly when it sorts above the greatest key the bound lets
    // in, so the bound whose greatest key is lower is the one both keep.
    if (other.high.empty()) return;
    const std::size_t length = std::max(high.size(), other.high.size());
    if (high.empty() || greatestUnder(other.high, length) < greatestUnder(high, length))
        high = other.high;
}

}  // namespace xbase

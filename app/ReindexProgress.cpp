#include "app/ReindexProgress.h"

#include <algorithm>
#include <cmath>

namespace rp {

int ReindexProgress::show(int value) {
    if (packing_) return std::clamp(value, 0, 100);
    // A fall means the next tag has started: it adds nothing.
    if (value > last_) total_ += value - last_;
    last_ = value;
    const double percent = static_cast<double>(total_) / (kTagCount * 100) * 100;
    return std::clamp(static_cast<int>(std::lround(percent)), 0, 100);
}

void ReindexProgress::reset() {
    *this = ReindexProgress();
}

}  // namespace rp

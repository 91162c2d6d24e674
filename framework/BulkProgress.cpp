#include "framework/BulkProgress.h"

namespace rp {

int percentDone(std::uint64_t done, std::uint64_t total) {
    return total == 0 ? 0 : static_cast<int>(done * 100 / total);
}

void BulkProgress::recordDone() {
    ++done_;
    const int percent = percentDone(done_, total_);
    if (percent == shown_) return;
    shown_ = percent;
    if (hooks_.progress) hooks_.progress(percent);
}

}  // namespace rp

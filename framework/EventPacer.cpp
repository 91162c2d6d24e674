#include "framework/EventPacer.h"

namespace rp {
namespace {

class SteadyClock : public ProgressClock {
  public:
    std::chrono::milliseconds now() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    }
};

}  // namespace

const ProgressClock& ProgressClock::steady() {
    static const SteadyClock clock;
    return clock;
}

EventPacer::EventPacer(std::chrono::milliseconds interval, const ProgressClock& clock)
    : interval_(interval), clock_(clock), last_(clock.now()) {}

bool EventPacer::due() {
    const std::chrono::milliseconds now = clock_.now();
    if (now - last_ <= interval_) return false;
    last_ = now;
    return true;
}

}  // namespace rp

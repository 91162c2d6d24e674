#pragma once
// A clock for progress windows that moves only when the test moves it.
#include <chrono>

#include "framework/EventPacer.h"

namespace rp {

class ManualClock : public ProgressClock {
  public:
    std::chrono::milliseconds now() const override { return now_; }
    void advance(std::chrono::milliseconds by) { now_ += by; }

  private:
    std::chrono::milliseconds now_{0};
};

}  // namespace rp

#pragma once
// When a long walk under a progress window lets pending events through: once more than an
// interval has passed on a clock since it last did. The program's clock is the steady clock; a
// test hands the window a clock of its own and moves it by hand.
#include <chrono>

namespace rp {

class ProgressClock {
  public:
    virtual ~ProgressClock() = default;
    // The time since a fixed point that stays put while the program runs.
    virtual std::chrono::milliseconds now() const = 0;

    // The system's steady clock.
    static const ProgressClock& steady();
};

class EventPacer {
  public:
    EventPacer(std::chrono::milliseconds interval, const ProgressClock& clock);

    // Counts the interval from now.
    void restart() { last_ = clock_.now(); }
    // True, and counting again from now, once more than the interval has passed.
    bool due();

  private:
    std::chrono::milliseconds interval_;
    const ProgressClock& clock_;
    std::chrono::milliseconds last_;
};

}  // namespace rp

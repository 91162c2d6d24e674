#pragma once
// Building several tags at once: their keys are gathered and sorted on this thread and on one
// other, while this thread writes the trees strictly one after the other in tag order, so the
// file comes out exactly as building the tags one by one makes it. At most three tags' keys are
// held at a time, the one being written counted.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "xbase/internal/KeyBlock.h"

namespace xbase {

// What preparing one tag gave: its keys in order; none when the thread that owns the table
// must form them itself (a memo field); or the error that stopped it.
struct PreparedKeys {
    std::optional<SortedKeys> sorted;
    std::exception_ptr error;
};

class TagPipeline {
  public:
    // Keys prepared at once (the one being written included).
    static constexpr std::size_t kInFlight = 3;
    // prepare(i, stop) gives tag i's keys, on either thread; it gives up early (with anything)
    // once stop is set.
    using Prepare = std::function<PreparedKeys(std::size_t tag, const std::atomic<bool>& stop)>;

    TagPipeline(std::size_t count, Prepare prepare);
    TagPipeline(const TagPipeline&) = delete;
    TagPipeline& operator=(const TagPipeline&) = delete;
    // Stops the other thread and waits for it.
    ~TagPipeline();

    // Tag i's keys, for i = 0, 1, ... in turn: this thread prepares tags itself while the
    // other thread has not got that far.
    PreparedKeys take(std::size_t i);
    // Tag i is written: its keys are let go, which lets the next tag's preparation start.
    void done(std::size_t i);

  private:
    void work();
    bool mayClaim() const { return next_ < slots_.size() && next_ - done_ < kInFlight; }
    PreparedKeys run(std::size_t i);
    // Claims the next tag, prepares it with the lock let go and puts its keys in its slot.
    void prepareNext(std::unique_lock<std::mutex>& lock);

    Prepare prepare_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::optional<PreparedKeys>> slots_;
    std::size_t next_ = 0;  // the next tag to prepare
    std::size_t done_ = 0;  // tags written
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace xbase

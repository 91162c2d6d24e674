#pragma once
// The hooks a bulk loop over the records of a view reports through, and the whole percentage
// it reports: records done x 100 / records in view, truncated.
#include <cstdint>
#include <functional>

namespace rp {

struct BulkHooks {
    std::function<void(int percent)> progress;
    // Called after each record; false stops the loop there.
    std::function<bool()> keepGoing;
};

int percentDone(std::uint64_t done, std::uint64_t total);

// Counts the records a loop has done and tells the hooks.
class BulkProgress {
  public:
    BulkProgress(const BulkHooks& hooks, std::uint32_t total) : hooks_(hooks), total_(total) {}

    // One more record done; the percentage goes to the progress hook when it changed.
    void recordDone();
    bool keepGoing() const { return !hooks_.keepGoing || hooks_.keepGoing(); }
    std::uint32_t done() const { return done_; }

  private:
    const BulkHooks& hooks_;
    std::uint32_t total_;
    std::uint32_t done_ = 0;
    int shown_ = -1;
};

}  // namespace rp

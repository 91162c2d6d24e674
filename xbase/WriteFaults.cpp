#include "xbase/WriteFaults.h"

namespace xbase {

std::atomic<bool> WriteFaults::armed_{false};
std::atomic<unsigned> WriteFaults::mode_{WriteFaults::kOnce};
std::atomic<std::uint64_t> WriteFaults::calls_{0};
std::atomic<std::uint64_t> WriteFaults::failAt_{0};
std::atomic<int> WriteFaults::error_{0};

void WriteFaults::count() {
    failAfter(0, 0);
}

void WriteFaults::failAfter(std::uint64_t n, int error, unsigned mode) {
    armed_.store(false);
    calls_.store(0);
    failAt_.store(n);
    error_.store(error);
    mode_.store(mode);
    armed_.store(true);
}

void WriteFaults::off() {
    armed_.store(false);
    failAt_.store(0);
}

std::uint64_t WriteFaults::calls() {
    return calls_.load();
}

int WriteFaults::nextPlanned() {
    const std::uint64_t n = calls_.fetch_add(1) + 1;
    const std::uint64_t at = failAt_.load();
    const bool fails = at != 0 && (n == at || (n > at && (mode_.load() & kLasting) != 0));
    return fails ? error_.load() : 0;
}

}  // namespace xbase

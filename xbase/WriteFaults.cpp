#include "xbase/WriteFaults.h"

namespace xbase {

std::atomic<bool> WriteFaults::armed_{false};
std::atomic<unsigned> WriteFaults::mode_{WriteFaults::kOnce};
std::atomic<std::uint64_t> WriteFaults::calls_{0};
std::atomic<std::uint64_t> WriteFaults::failAt_{0};
std::atomic<int> WriteFaults::error_{0};
std::atomic<int> WriteFaults::refusedOpen_{0};
std::string WriteFaults::refusedPathEnd_;

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
    refusedOpen_.store(0);
}

void WriteFaults::refuseWritableOpens(int error, const std::string& pathEnd) {
    refusedOpen_.store(0);
    refusedPathEnd_ = pathEnd;
    refusedOpen_.store(error);
}

int WriteFaults::refusal(const std::string& path) {
    const bool matches = path.size() >= refusedPathEnd_.size() &&
                         path.compare(path.size() - refusedPathEnd_.size(), refusedPathEnd_.size(),
                                      refusedPathEnd_) == 0;
    return matches ? refusedOpen_.load() : 0;
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

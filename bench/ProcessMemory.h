#pragma once
// This process's resident memory, from /proc/self/status (Linux).
#include <cstdint>

namespace bench {

struct ResidentMemory {
    std::int64_t currentKb = 0;  // VmRSS
    std::int64_t peakKb = 0;     // VmHWM
    // RssAnon: what the process allocated, without the pages of files it has mapped (the
    // system can drop those and read them again).
    std::int64_t anonymousKb = 0;
    // RssFile: the pages of mapped files (an open table and its index among them).
    std::int64_t fileKb = 0;
};

ResidentMemory residentMemory();

// Sets the peak back to the current resident size, so that a later peak belongs to what ran
// in between. False when the system does not allow it.
bool resetPeakMemory();

}  // namespace bench

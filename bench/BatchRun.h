#pragma once
// Runs a program as a child process and waits for it: its exit, its wall time and its peak
// resident memory (read while it runs) and processor time (from wait4's resource usage), for
// benchmarks of whole runs. On a machine shared with other work the processor time is the steadier
// figure.
#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct ProcessRun {
    int exitCode = -1;  // -1 when it could not start or did not exit normally
    double wallSeconds = 0;
    // The child's peak resident memory (VmHWM), and the most of it that was not pages of mapped
    // files (RssAnon), both read from /proc while it runs: wait4's ru_maxrss would give the
    // resident size of the benchmark itself when that is larger, since a spawned child starts
    // its count from its parent's.
    std::int64_t peakKb = 0;
    std::int64_t peakAnonymousKb = 0;
    double cpuSeconds = 0;  // the child's user and system time
};

// Standard output goes nowhere; standard error into errorFile (replaced).
ProcessRun runProcess(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& errorFile);

}  // namespace bench

#pragma once
// Runs a program as a child process and waits for it: its exit, its wall time and its peak
// resident memory and processor time (from wait4's resource usage), for benchmarks of whole
// runs. On a machine shared with other work the processor time is the steadier figure.
#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct ProcessRun {
    int exitCode = -1;  // -1 when it could not start or did not exit normally
    double wallSeconds = 0;
    std::int64_t peakKb = 0;  // the child's ru_maxrss
    double cpuSeconds = 0;    // the child's user and system time
};

// Standard output goes nowhere; standard error into errorFile (replaced).
ProcessRun runProcess(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& errorFile);

}  // namespace bench

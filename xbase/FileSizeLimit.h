#pragma once
// A write past the process's file-size limit (RLIMIT_FSIZE) raises SIGXFSZ, which by default
// ends the process without a word. With the signal ignored the write fails with EFBIG instead,
// and the engine reports it as any failed write, with the cause "File too large".
#include <csignal>

namespace xbase {

// Called first thing in main by every program that writes tables.
inline void failWritesPastFileSizeLimit() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace xbase

#pragma once
// A limit on the size of the files this process writes, for as long as the object lives: a
// write past it fails with "File too large" (the signal that would end the process is
// ignored meanwhile), as writes on a full disk fail with their own cause.
#include <signal.h>
#include <sys/resource.h>

class FileSizeLimitScope {
  public:
    explicit FileSizeLimitScope(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        savedSignal_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    FileSizeLimitScope(const FileSizeLimitScope&) = delete;
    FileSizeLimitScope& operator=(const FileSizeLimitScope&) = delete;
    ~FileSizeLimitScope() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, savedSignal_);
    }

  private:
    rlimit saved_{};
    sighandler_t savedSignal_{};
};

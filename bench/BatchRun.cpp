#include "bench/BatchRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

extern char** environ;

namespace bench {

namespace {

// Raises the run's peaks to what the child's /proc status file now tells.
void readPeaks(const std::string& statusPath, ProcessRun& run) {
    std::ifstream status(statusPath);
    for (std::string line; std::getline(status, line);) {
        std::int64_t* peak = line.starts_with("VmHWM:")     ? &run.peakKb
                             : line.starts_with("RssAnon:") ? &run.peakAnonymousKb
                                                            : nullptr;
        if (peak)
            *peak = std::max<std::int64_t>(
                *peak, std::strtoll(line.c_str() + line.find(':') + 1, nullptr, 10));
    }
}

}  // namespace

ProcessRun runProcess(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& errorFile) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);

    ProcessRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return run;
    int status = 0;
    rusage usage{};
    const std::string statusPath = "/proc/" + std::to_string(child) + "/status";
    for (;;) {
        const pid_t done = ::wait4(child, &status, WNOHANG, &usage);
        if (done == child) break;
        if (done < 0 && errno != EINTR) return run;
        readPeaks(statusPath, run);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    run.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    return run;
}

}  // namespace bench

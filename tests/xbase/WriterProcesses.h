#pragma once
// Writer processes that work on one table at the same time: each is forked, waits until all of
// them are ready, and runs its part; the test waits for every one to end well.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <vector>

// Runs work(0) to work(count - 1) in processes of their own that start together. A writer that
// throws prints what and its number with the error and ends with status 1; one that has not
// ended after alarmSeconds is killed by its alarm. Each must end with status 0.
inline void runWritersTogether(int count, unsigned alarmSeconds, const char* what,
                               const std::function<void(int writer)>& work) {
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> writers;
    for (int w = 0; w < count; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(start[1]);
            char c;
            (void)!::read(start[0], &c, 1);
            ::alarm(alarmSeconds);  // a writer that waits for ever fails the test
            try {
                work(w);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "%s %d: %s\n", what, w, e.what());
                ::_exit(1);
            }
            ::_exit(0);
        }
        writers.push_back(pid);
    }
    ::close(start[0]);
    ::close(start[1]);  // the writers start together
    for (pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
}

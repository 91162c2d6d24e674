#pragma once
// Another process that holds a table (or just its lock) while a test looks on.
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "xbase/Engine.h"
#include "xbase/Table.h"

class OtherProcess {
  public:
    // Runs body in a child process. The body opens what it wants and calls holdOn(), which tells
    // the parent that it holds it and returns when the object is destroyed; the constructor
    // returns once the body has got that far, or failed (threw, returned without holding, or
    // ended the process).
    explicit OtherProcess(const std::function<void(const std::function<void()>& holdOn)>& body) {
        int ready[2], done[2];
        if (::pipe(ready) != 0 || ::pipe(done) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(done[1]);  // so that the parent closing its end reads as the end here
            ::close(ready[0]);
            char c = 'n';
            try {
                body([&] {
                    c = 'y';
                    (void)!::write(ready[1], &c, 1);
                    (void)!::read(done[0], &c, 1);
                });
            } catch (...) {
            }
            if (c == 'n') (void)!::write(ready[1], &c, 1);
            ::_exit(0);
        }
        // Only the child holds the writing end now: a child that dies before it says anything
        // reads as the end, and as a failure.
        ::close(ready[1]);
        char c = 0;
        (void)!::read(ready[0], &c, 1);
        opened_ = c == 'y';
        done_ = done[1];
        ::close(ready[0]);
        ::close(done[0]);
    }
    // A child that opens the table through the engine in that mode.
    OtherProcess(const std::string& path, xbase::OpenMode mode)
        : OtherProcess([&](const std::function<void()>& holdOn) {
              xbase::Engine engine;
              auto t = engine.open(path, mode);
              holdOn();
          }) {}
    OtherProcess(const OtherProcess&) = delete;
    OtherProcess& operator=(const OtherProcess&) = delete;
    ~OtherProcess() {
        ::close(done_);  // the child's read returns, and it ends
        ::waitpid(pid_, nullptr, 0);
    }
    bool opened() const { return opened_; }
    pid_t pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
    int done_ = -1;
    bool opened_ = false;
};

#pragma once
// Failures made to order for the calls that change files (positioned writes, truncations,
// flushes of files and folders, renames), so that tests can stop an operation at each of its
// writes in turn as a full disk would. A plan holds for the whole process. When no plan is
// set, a call costs one relaxed atomic load.
#include <atomic>
#include <cstdint>
#include <string>

namespace xbase {

class WriteFaults {
  public:
    // How the planned failure goes.
    enum Mode : unsigned {
        kOnce = 0,       // only that call fails: the disk has room again at once
        kHalfWrite = 1,  // a write so failed first puts in the bytes that replace bytes of
                         // the file and half of those that would lengthen it
        kLasting = 2,    // every later call fails too, as on a disk that stays full
    };

    // Counts the calls from now on and fails none.
    static void count();
    // Counts the calls from now on and makes the n-th (1 for the next) fail with error.
    static void failAfter(std::uint64_t n, int error, unsigned mode = kOnce);
    // Ends the plan: calls go through uncounted, and writable opens as well.
    static void off();
    // Makes every open for writing of a file whose path ends with pathEnd (any file when
    // empty) fail with error, as on a read-only file or file system; opens for reading go
    // through. Set it while no other thread opens files.
    static void refuseWritableOpens(int error, const std::string& pathEnd = {});
    // The calls made since count() or failAfter(), failed ones included.
    static std::uint64_t calls();

    // What the file layer asks before each call: 0 to make it, else the errno it fails with.
    static int next() { return armed_.load(std::memory_order_relaxed) ? nextPlanned() : 0; }
    // Whether a write that next() fails puts half of its bytes in the file first.
    static bool halfWrite() { return (mode_.load(std::memory_order_relaxed) & kHalfWrite) != 0; }
    // What the file layer asks before opening path for writing: 0 to open it, else the errno.
    static int writableOpenRefused(const std::string& path) {
        return refusedOpen_.load(std::memory_order_relaxed) ? refusal(path) : 0;
    }

  private:
    static int nextPlanned();
    static int refusal(const std::string& path);

    static std::atomic<bool> armed_;
    static std::atomic<unsigned> mode_;
    static std::atomic<std::uint64_t> calls_;
    static std::atomic<std::uint64_t> failAt_;  // 0: none
    static std::atomic<int> error_;
    static std::atomic<int> refusedOpen_;  // 0: none
    static std::string refusedPathEnd_;
};

}  // namespace xbase

#include "xbase/internal/MappedRead.h"

#include <setjmp.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <mutex>

namespace xbase {

namespace {

// The copy this thread is making from a mapping, for the handler to jump back into.
struct CopyInProgress {
    sigjmp_buf jump;
    std::uintptr_t begin;
    std::uintptr_t end;
};

// Read by the signal handler: the model keeps the access a plain load from the thread's block.
__attribute__((tls_model("initial-exec"))) thread_local CopyInProgress* volatile tCopy = nullptr;

// The watched mappings, in a fixed table the handler can search without locks. A slot is
// taken, filled and then published by setting begin; begin is cleared before it is let go.
struct Watched {
    std::atomic<bool> taken{false};
    std::atomic<std::uintptr_t> begin{0};
    std::atomic<std::uintptr_t> end{0};
    std::atomic<std::atomic<bool>*> cutShort{nullptr};
};
constexpr std::size_t kWatchedSlots = 1024;
Watched gWatched[kWatchedSlots];

struct sigaction gPrevious {};
std::uintptr_t gPageSize = 4096;

void onBusError(int signal, siginfo_t* info, void*) {
    const auto at = reinterpret_cast<std::uintptr_t>(info->si_addr);
    if (info->si_code > 0) {  // a fault of an access, not a signal another process sent
        if (CopyInProgress* copy = tCopy; copy && at >= copy->begin && at < copy->end)
            siglongjmp(copy->jump, 1);
        for (Watched& w : gWatched) {
            const std::uintptr_t begin = w.begin.load(std::memory_order_acquire);
            if (begin == 0 || at < begin || at >= w.end.load(std::memory_order_relaxed)) continue;
            // A private page of zeros where the file's page was: the access reads it instead.
            void* page = reinterpret_cast<void*>(at & ~(gPageSize - 1));
            if (::mmap(page, gPageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1,
                       0) == MAP_FAILED)
                break;
            w.cutShort.load(std::memory_order_relaxed)->store(true, std::memory_order_relaxed);
            return;
        }
    }
    // Not ours: the action that was in place before. A fault recurs when the access is made
    // again on return; a signal that was sent is sent again.
    ::sigaction(SIGBUS, &gPrevious, nullptr);
    if (info->si_code <= 0) ::raise(signal);
}

void installHandler() {
    static std::once_flag once;
    std::call_once(once, [] {
        gPageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        struct sigaction action {};
        action.sa_sigaction = onBusError;
        // Not blocked while handled: the jump out of the handler then leaves the signal mask
        // as it was without the copy having to save and restore it.
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &gPrevious);
    });
}

}  // namespace

bool watchMapping(const void* begin, std::uint64_t size, std::atomic<bool>* cutShort) {
    installHandler();
    for (Watched& w : gWatched) {
        bool free = false;
        if (!w.taken.compare_exchange_strong(free, true, std::memory_order_acquire)) continue;
        w.cutShort.store(cutShort, std::memory_order_relaxed);
        w.end.store(reinterpret_cast<std::uintptr_t>(begin) + size, std::memory_order_relaxed);
        w.begin.store(reinterpret_cast<std::uintptr_t>(begin), std::memory_order_release);
        return true;
    }
    return false;
}

void unwatchMapping(const void* begin) {
    for (Watched& w : gWatched) {
        if (w.begin.load(std::memory_order_relaxed) != reinterpret_cast<std::uintptr_t>(begin))
            continue;
        w.begin.store(0, std::memory_order_release);
        w.taken.store(false, std::memory_order_release);
        return;
    }
}

bool copyFromMapping(void* out, const void* from, std::size_t n) {
    CopyInProgress copy;
    copy.begin = reinterpret_cast<std::uintptr_t>(from);
    copy.end = copy.begin + n;
    if (sigsetjmp(copy.jump, 0) != 0) {
        tCopy = nullptr;
        return false;
    }
    tCopy = &copy;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    std::memcpy(out, from, n);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    tCopy = nullptr;
    return true;
}

}  // namespace xbase

#include "xbase/internal/NetworkFileSystems.h"

#include <sys/vfs.h>

#include <atomic>

namespace xbase {

namespace {

constexpr std::uint64_t kNfs = 0x6969;
constexpr std::uint64_t kCifs = 0xFF534D42;
constexpr std::uint64_t kSmb2 = 0xFE534D42;
constexpr std::uint64_t kSmb = 0x517B;

std::atomic<bool> allNetwork{false};

}  // namespace

bool NetworkFileSystems::isNetworkType(std::uint64_t type) {
    return type == kNfs || type == kCifs || type == kSmb2 || type == kSmb;
}

bool NetworkFileSystems::holds(int fd) {
    if (allNetwork.load(std::memory_order_relaxed)) return true;
    struct statfs fs {};
    if (::fstatfs(fd, &fs) != 0) return false;
    // f_type is signed on some systems: the magic numbers are compared as 32-bit values.
    return isNetworkType(static_cast<std::uint32_t>(fs.f_type));
}

void NetworkFileSystems::treatAllAsNetwork(bool on) {
    allNetwork.store(on, std::memory_order_relaxed);
}

}  // namespace xbase

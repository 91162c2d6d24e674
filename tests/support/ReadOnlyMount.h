#pragma once
// A folder shown read-only at a second place through a read-only bind mount, as a read-only
// file system would show it: every open for writing there fails with EROFS, for root too.
// Machines that do not allow the mount (no privilege, no mount command) leave it unmounted,
// and the test skips, saying why.
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

class ReadOnlyMount {
  public:
    ReadOnlyMount(const std::string& folder, const std::string& at) : at_(at) {
        std::filesystem::create_directories(at);
        if (::mount(folder.c_str(), at.c_str(), nullptr, MS_BIND, nullptr) != 0) {
            why_ = std::strerror(errno);
            return;
        }
        if (::mount(nullptr, at.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
            why_ = std::strerror(errno);
            ::umount(at.c_str());
            return;
        }
        mounted_ = true;
    }
    ReadOnlyMount(const ReadOnlyMount&) = delete;
    ReadOnlyMount& operator=(const ReadOnlyMount&) = delete;
    ~ReadOnlyMount() {
        if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
    }

    bool mounted() const { return mounted_; }
    // Why the mount failed, for the skip message.
    const std::string& why() const { return why_; }

  private:
    std::string at_;
    bool mounted_ = false;
    std::string why_;
};

// Skips the test unless the mount is in place.
#define SKIP_WITHOUT_READ_ONLY_MOUNT(mount) \
    if (!(mount).mounted())                 \
    GTEST_SKIP() << "a read-only bind mount is not allowed here (" << (mount).why() << ")"

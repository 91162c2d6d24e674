#pragma once
// What another xBase program of the FoxPro family does with a table's lock bytes: traditional
// fcntl write locks, which belong to its process, taken without waiting.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <string>

// The body of an OtherProcess that takes a traditional fcntl lock of type (F_RDLCK or F_WRLCK)
// on the bytes of the file (length 0: to the end of every file) and holds it: its opened()
// says whether it got the lock.
inline std::function<void(const std::function<void()>&)> heldLock(const std::string& path,
                                                                  short type, std::uint64_t start,
                                                                  std::uint64_t length) {
    return [=](const std::function<void()>& holdOn) {
        const int fd = ::open(path.c_str(), type == F_WRLCK ? O_RDWR : O_RDONLY);
        if (fd < 0) return;
        struct flock fl {};
        fl.l_type = type;
        fl.l_whence = SEEK_SET;
        fl.l_start = static_cast<off_t>(start);
        fl.l_len = static_cast<off_t>(length);
        if (::fcntl(fd, F_SETLK, &fl) == 0) holdOn();
        ::close(fd);
    };
}

// The body of an OtherProcess that write-locks the bytes of the file and holds them.
inline std::function<void(const std::function<void()>&)> familyLock(const std::string& path,
                                                                    std::uint64_t start,
                                                                    std::uint64_t length = 1) {
    return heldLock(path, F_WRLCK, start, length);
}

// The family's offsets, written out here as their documentation gives them.
inline constexpr std::uint64_t kCdxHeaderByte = 0x7FFFFFFE;
inline constexpr std::uint64_t kCdxFileLockStart = 0x77FFFFFF;
inline constexpr std::uint64_t kCdxFileLockLength = 0x07FFFFFF;  // to 0x7FFFFFFD
inline constexpr std::uint64_t kDbaseBase = 0x40000000;

#include "xbase/internal/File.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "xbase/Ascii.h"
#include "xbase/Error.h"
#include "xbase/WriteFaults.h"
#include "xbase/internal/MappedRead.h"
#include "xbase/internal/NetworkFileSystems.h"

namespace xbase {

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& path) {
    throw Error(what + " " + path + ": " + std::strerror(errno));
}

Error cutShortError(const std::string& path, std::uint64_t offset) {
    return Error(path + " was cut short by another program: reading at offset " +
                 std::to_string(offset) + " went past its end");
}

// Fails as the call would when the fault plan says it should.
void failIfPlanned(const std::string& what, const std::string& path) {
    if (const int error = WriteFaults::next()) {
        errno = error;
        fail(what, path);
    }
}

// Whether path can be opened for reading.
bool readable(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

static_assert(sizeof(off_t) >= 8, "the lock bytes lie past 2 GB");

}  // namespace

File::File(File&& o) noexcept
    : fd_(o.fd_),
      path_(std::move(o.path_)),
      network_(o.network_),
      writable_(o.writable_),
      held_(o.held_) {
    o.fd_ = -1;
    o.held_ = LockKind::None;
}

File& File::operator=(File&& o) noexcept {
    if (this != &o) {
        close();
        fd_ = o.fd_;
        path_ = std::move(o.path_);
        network_ = o.network_;
        writable_ = o.writable_;
        held_ = o.held_;
        o.fd_ = -1;
        o.held_ = LockKind::None;
    }
    return *this;
}

File::~File() {
    close();
}

File File::open(const std::string& path, bool writable) {
    File f;
    const int refused = writable ? WriteFaults::writableOpenRefused(path) : 0;
    f.fd_ = refused ? -1 : ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (f.fd_ < 0) {
        const int error = refused ? refused : errno;
        if (writable && (error == EACCES || error == EPERM || error == EROFS) && readable(path))
            throw ReadOnlyError("Cannot open " + path + " for writing: " + std::strerror(error));
        errno = error;
        fail("Cannot open", path);
    }
    struct stat st {};
    if (::fstat(f.fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        fail("Cannot open", path);
    }
    f.path_ = path;
    f.network_ = NetworkFileSystems::holds(f.fd_);
    f.writable_ = writable;
    return f;
}

File File::create(const std::string& path) {
    File f;
    f.fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (f.fd_ < 0) fail("Cannot create", path);
    f.path_ = path;
    f.network_ = NetworkFileSystems::holds(f.fd_);
    return f;
}

void File::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    held_ = LockKind::None;
}

void File::closeChecked() {
    if (fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    held_ = LockKind::None;
    // The descriptor is gone whatever close says, so it is not tried again.
    if (::close(fd) != 0 && errno != EINTR) fail("Cannot close", path_);
}

std::uint64_t File::size() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) fail("Cannot read the size of", path_);
    return static_cast<std::uint64_t>(st.st_size);
}

std::size_t File::readAt(std::uint64_t offset, void* buf, std::size_t n) const {
    std::size_t done = 0;
    while (done < n) {
        ssize_t r = ::pread(fd_, static_cast<char*>(buf) + done, n - done,
                            static_cast<off_t>(offset + done));
        if (r < 0) {
            if (errno == EINTR) continue;
            fail("Cannot read", path_);
        }
        if (r == 0) break;
        done += static_cast<std::size_t>(r);
    }
    return done;
}

void File::readExact(std::uint64_t offset, void* buf, std::size_t n, const char* what) const {
    if (readAt(offset, buf, n) != n)
        throw Error(path_ + ": " + what + " runs past the end of the file");
}

void File::readStillThere(std::uint64_t offset, void* buf, std::size_t n) const {
    if (const std::size_t got = readAt(offset, buf, n); got != n)
        throw cutShortError(path_, offset + got);
}

void File::writeAt(std::uint64_t offset, const void* buf, std::size_t n) {
    if (const int error = WriteFaults::next()) {
        // A filling disk takes the bytes over those the file has and some of those past its end.
        if (WriteFaults::halfWrite()) {
            const std::uint64_t end = size();
            const std::size_t inside =
                offset < end ? static_cast<std::size_t>(std::min<std::uint64_t>(n, end - offset))
                             : 0;
            if (::pwrite(fd_, buf, inside + (n - inside) / 2, static_cast<off_t>(offset)) < 0)
                fail("Cannot write", path_);
        }
        errno = error;
        fail("Cannot write", path_);
    }
    std::size_t done = 0;
    while (done < n) {
        ssize_t w = ::pwrite(fd_, static_cast<const char*>(buf) + done, n - done,
                             static_cast<off_t>(offset + done));
        if (w < 0) {
            if (errno == EINTR) continue;
            fail("Cannot write", path_);
        }
        if (w == 0) {
            // A write that takes nothing and names no cause would be tried for ever.
            errno = EIO;
            fail("Cannot write", path_);
        }
        done += static_cast<std::size_t>(w);
    }
}

void File::truncate(std::uint64_t size) {
    failIfPlanned("Cannot truncate", path_);
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) fail("Cannot truncate", path_);
}

FileMap File::mapForReading(std::uint64_t length) const {
    FileMap map;
    length = std::min(length, size());
    if (length == 0) return map;
    void* address = ::mmap(nullptr, length, PROT_READ, MAP_SHARED, fd_, 0);
    if (address == MAP_FAILED) return map;
    auto cutShort = std::make_unique<std::atomic<bool>>(false);
    if (!watchMapping(address, length, cutShort.get())) {
        ::munmap(address, length);  // read with calls instead
        return map;
    }
    map.address_ = address;
    map.size_ = length;
    map.path_ = path_;
    map.cutShort_ = std::move(cutShort);
    map.touched_ = std::make_unique<std::atomic<std::uint64_t>[]>(map.words());
    return map;
}

FileMap::FileMap(FileMap&& o) noexcept
    : address_(o.address_),
      size_(o.size_),
      path_(std::move(o.path_)),
      cutShort_(std::move(o.cutShort_)),
      touched_(std::move(o.touched_)) {
    o.address_ = nullptr;
    o.size_ = 0;
}

FileMap& FileMap::operator=(FileMap&& o) noexcept {
    if (this != &o) {
        unmap();
        address_ = o.address_;
        size_ = o.size_;
        path_ = std::move(o.path_);
        cutShort_ = std::move(o.cutShort_);
        touched_ = std::move(o.touched_);
        touchedBlocks_.store(0, std::memory_order_relaxed);
        o.address_ = nullptr;
        o.size_ = 0;
    }
    return *this;
}

FileMap::~FileMap() {
    unmap();
}

void FileMap::copy(std::uint64_t offset, void* out, std::size_t n) const {
    constexpr std::uint64_t kReleaseBlocks = kReleaseBytes / kBlock;
    if (!copyFromMapping(out, static_cast<const char*>(address_) + offset, n) ||
        cutShort_->load(std::memory_order_relaxed))
        failCutShort(offset);
    std::uint64_t added = 0;
    for (std::uint64_t block = offset / kBlock; block <= (offset + n - 1) / kBlock; ++block) {
        const std::uint64_t bit = std::uint64_t{1} << (block % 64);
        if ((touched_[block / 64].fetch_or(bit, std::memory_order_relaxed) & bit) == 0) ++added;
    }
    if (added == 0 ||
        touchedBlocks_.fetch_add(added, std::memory_order_relaxed) + added < kReleaseBlocks)
        return;
    letGo();
}

void FileMap::checkInPlace(std::uint64_t offset) const {
    if (cutShort_ && cutShort_->load(std::memory_order_relaxed)) failCutShort(offset);
}

void FileMap::failCutShort(std::uint64_t offset) const {
    throw cutShortError(path_, offset);
}

void FileMap::letGo() const {
    if (!address_) return;
    touchedBlocks_.store(0, std::memory_order_relaxed);
    for (std::uint64_t word = 0; word < words(); ++word)
        touched_[word].store(0, std::memory_order_relaxed);
    ::madvise(address_, size_, MADV_DONTNEED);  // a shared file mapping reads the file again
}

void FileMap::unmap() {
    if (address_) {
        unwatchMapping(address_);
        ::munmap(address_, size_);
    }
    address_ = nullptr;
    size_ = 0;
}

void File::sync() {
    failIfPlanned("Cannot flush", path_);
    if (::fdatasync(fd_) != 0) fail("Cannot flush", path_);
}

bool File::tryLock(LockKind kind) {
    // See LockScheme.h for why network file systems get the byte alone.
    if (!network_ && !tryFlock(kind)) return false;
    const short type = kind == LockKind::Exclusive ? F_WRLCK
                       : kind == LockKind::Shared  ? F_RDLCK
                                                   : F_UNLCK;
    if (!lockOpenMode(type)) {
        // Back to the flock held before: a release or a downgrade, which never waits.
        if (!network_) tryFlock(held_);
        return false;
    }
    held_ = kind;
    return true;
}

bool File::lockOpenMode(short type) {
    if (type != F_WRLCK || writable_) return setBytesLock(LockScheme::openMode(), type, false);
    // A file open for reading cannot take a write lock: it holds the byte shared and has it alone
    // when no other open holds it at all. Two such opens at the same moment may both think so,
    // which only a writer could make harmful.
    if (!setBytesLock(LockScheme::openMode(), F_RDLCK, false)) return false;
    if (!bytesLockedByOther(LockScheme::openMode())) return true;
    setBytesLock(LockScheme::openMode(), held_ == LockKind::None ? F_UNLCK : F_RDLCK, false);
    return false;
}

bool File::tryFlock(LockKind kind) {
    int op = kind == LockKind::Exclusive ? LOCK_EX : kind == LockKind::Shared ? LOCK_SH : LOCK_UN;
    while (::flock(fd_, op | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno == EWOULDBLOCK) return false;
        fail("Cannot lock", path_);
    }
    return true;
}

bool File::tryLockBytes(ByteRange bytes, bool exclusive) {
    return setBytesLock(bytes, exclusive ? F_WRLCK : F_RDLCK, false);
}

void File::lockBytes(ByteRange bytes, bool exclusive) {
    setBytesLock(bytes, exclusive ? F_WRLCK : F_RDLCK, true);
}

void File::unlockBytes(ByteRange bytes) {
    setBytesLock(bytes, F_UNLCK, false);
}

bool File::bytesLockedByOther(ByteRange bytes) const {
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(bytes.start);
    fl.l_len = static_cast<off_t>(bytes.length);
    if (::fcntl(fd_, F_OFD_GETLK, &fl) != 0) fail("Cannot test the locks of", path_);
    return fl.l_type != F_UNLCK;
}

bool File::setBytesLock(ByteRange bytes, short type, bool wait) {
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(bytes.start);
    fl.l_len = static_cast<off_t>(bytes.length);
    while (::fcntl(fd_, wait ? F_OFD_SETLKW : F_OFD_SETLK, &fl) != 0) {
        if (errno == EINTR) continue;
        if (!wait && (errno == EAGAIN || errno == EACCES)) return false;
        fail(type == F_UNLCK ? "Cannot unlock" : "Cannot lock", path_);
    }
    return true;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void removeFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) fail("Cannot delete", path);
}

void renameFile(const std::string& from, const std::string& to) {
    failIfPlanned("Cannot rename " + from + " to", to);
    if (::rename(from.c_str(), to.c_str()) != 0) fail("Cannot rename " + from + " to", to);
}

void syncFolderOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    std::string folder = slash == std::string::npos ? "."
                         : slash == 0               ? "/"
                                                    : path.substr(0, slash);
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) fail("Cannot open the folder", folder);
    if (const int error = WriteFaults::next()) {
        ::close(fd);
        errno = error;
        fail("Cannot flush the folder", folder);
    }
    int result = ::fsync(fd);
    int error = errno;
    ::close(fd);
    errno = error;
    if (result != 0) fail("Cannot flush the folder", folder);
}

std::string companionPath(const std::string& tablePath, const std::string& extension) {
    std::size_t slash = tablePath.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : tablePath.substr(0, slash);
    std::string file = slash == std::string::npos ? tablePath : tablePath.substr(slash + 1);
    std::size_t dot = file.find_last_of('.');
    std::string base = dot == std::string::npos ? file : file.substr(0, dot);
    std::string prefix = slash == std::string::npos ? "" : tablePath.substr(0, slash + 1);
    std::string wanted = base + "." + extension;
    if (fileExists(prefix + wanted)) return prefix + wanted;
    if (DIR* dir = ::opendir(folder.c_str())) {
        std::string found;
        while (dirent* e = ::readdir(dir)) {
            std::string_view name = e->d_name;
            if (name.size() == wanted.size() && name.substr(0, base.size()) == base &&
                equalsNoCase(name, wanted)) {
                found = std::string(name);
                break;
            }
        }
        ::closedir(dir);
        if (!found.empty()) return prefix + found;
    }
    return prefix + wanted;
}

}  // namespace xbase

namespace xbase {

std::string newCompanionPath(const std::string& tablePath, const std::string& lowerExtension) {
    std::size_t slash = tablePath.find_last_of('/');
    std::size_t dot = tablePath.find_last_of('.');
    bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    std::string extension = hasExtension ? tablePath.substr(dot + 1) : std::string();
    bool upper = !extension.empty() && extension == upperAscii(extension) &&
                 extension != lowerAscii(extension);
    return companionPath(tablePath, upper ? upperAscii(lowerExtension) : lowerExtension);
}

}  // namespace xbase

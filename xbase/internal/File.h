#pragma once
// A file handle with positioned reads and writes and whole-file locks that hold across
// processes. With FilePaths.h, the only place that talks to the operating system's file calls.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "xbase/FilePaths.h"
#include "xbase/internal/LockScheme.h"

namespace xbase {

enum class LockKind { None, Shared, Exclusive };

// The first bytes of a file mapped for reading, shared with every writer of the file: what any
// open, in any process, writes there shows at once, without a read call. Within the program a
// shared lock keeps out the exclusive opens that truncate, and an exclusive open unmaps before
// it truncates; another program that ignores the locks may still cut the file short. Touching
// a page past the new end then does not end the process (see MappedRead.h): a copy throws
// Error naming the file, and reads in place see zeros until they check with checkInPlace().
// Empty when the file could not be mapped.
class FileMap {
  public:
    // What the system maps around a page a read brings in (its fault-around, 64 KB by
    // default), aligned to it.
    static constexpr std::uint64_t kBlock = 64 * 1024;
    static constexpr std::uint64_t kReleaseBytes = std::uint64_t{512} << 10;
    FileMap() = default;
    FileMap(const FileMap&) = delete;
    FileMap& operator=(const FileMap&) = delete;
    FileMap(FileMap&& other) noexcept;
    FileMap& operator=(FileMap&& other) noexcept;
    ~FileMap();

    std::uint64_t size() const { return size_; }
    // Whether the n bytes at offset lie inside the mapping.
    bool covers(std::uint64_t offset, std::uint64_t n) const {
        return offset <= size_ && n <= size_ - offset;
    }
    // Copies n bytes at offset, which the mapping must cover. The file's pages that reads
    // bring in count as this process's memory until they are let go; a read of one page maps
    // the cached pages around it too, up to kBlock, so copies count the blocks of kBlock they
    // touch. Once they have touched kReleaseBytes of blocks not touched before, the mapping
    // lets go of them all (the system keeps them cached), so that a walk through a large file
    // in any order, record by record in an index's order as well as straight through, holds
    // only its latest stretch, while reads that come back to the same blocks keep them. Throws
    // Error naming the file when another program has cut it short of the bytes (or of others read
    // in place).
    void copy(std::uint64_t offset, void* out, std::size_t n) const;
    // The bytes at offset in place, for passes that read the whole file more than once: they
    // are not counted, so the pages stay with this process until letGo(). They show what
    // writers put there meanwhile, and stay readable after letGo (the file is read again).
    // Bytes the file no longer holds read as zeros: a pass calls checkInPlace() after each
    // stretch it read, before it trusts what it formed from it.
    const char* bytesAt(std::uint64_t offset) const {
        return static_cast<const char*>(address_) + offset;
    }
    // Throws Error naming the file and the offset where the reads were when a read of the
    // mapping found the file cut short by another program.
    void checkInPlace(std::uint64_t offset) const;
    // Lets go of every page the mapping holds.
    void letGo() const;

  private:
    friend class File;
    void unmap();
    [[noreturn]] void failCutShort(std::uint64_t offset) const;
    // Words of the touched-block bits.
    std::uint64_t words() const { return (size_ + kBlock * 64 - 1) / (kBlock * 64); }

    void* address_ = nullptr;
    std::uint64_t size_ = 0;
    std::string path_;
    // Set by the fault handler when a read in place met a page past the file's end; on the heap
    // so that it stays put while the mapping moves.
    std::unique_ptr<std::atomic<bool>> cutShort_;
    // Copies come from any thread: a bit for each block touched since the last release, and
    // their count.
    std::unique_ptr<std::atomic<std::uint64_t>[]> touched_;
    mutable std::atomic<std::uint64_t> touchedBlocks_{0};
};

class File {
  public:
    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    ~File();

    // Opens an existing file for reading (and writing when writable). Throws Error naming the
    // file when it cannot be opened.
    static File open(const std::string& path, bool writable);
    // Creates (or truncates) a file for reading and writing.
    static File create(const std::string& path);

    bool isOpen() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }
    // Closes without a word: for destructors and for files whose writes were flushed already.
    void close();
    // Closes and throws Error naming the file when the system reports a failure (a write that
    // only showed its failure now, on a network folder for one).
    void closeChecked();

    std::uint64_t size() const;
    // Reads up to n bytes at offset; returns how many were read (less only at the end).
    std::size_t readAt(std::uint64_t offset, void* buf, std::size_t n) const;
    // Reads exactly n bytes at offset or throws Error naming the file and what was being read.
    void readExact(std::uint64_t offset, void* buf, std::size_t n, const char* what) const;
    // The same for bytes the file held when it was opened: a file that ends before them was
    // cut short by another program, which the error says as a mapping's reads say it.
    void readStillThere(std::uint64_t offset, void* buf, std::size_t n) const;
    // Writes all n bytes at offset, a short write going on from where it stopped, or throws
    // Error naming the file and the system's cause.
    void writeAt(std::uint64_t offset, const void* buf, std::size_t n);
    void writeAt(std::uint64_t offset, std::string_view bytes) {
        writeAt(offset, bytes.data(), bytes.size());
    }
    void truncate(std::uint64_t size);
    void sync();
    // Throws Error naming the file when its path no longer names this open file: another
    // program removed it, or put another file in its place by a rename. Writes would then go to
    // a file that nobody sees again. Reads may go on: they see the file as it was.
    void requireStillAtPath() const;
    // Maps the first length bytes (no more than the file holds) for reading; an empty map when
    // the file is empty or the system refuses.
    FileMap mapForReading(std::uint64_t length) const;

    // Takes the lock of an open mode without waiting, or changes or (None) drops the one held;
    // false, the lock held before kept, when another open of the file, in this process or
    // another, holds a conflicting one. The lock is the open-mode byte (LockScheme::openMode())
    // and, on a local file system, a flock of the whole file as well. Locks end when the file
    // is closed.
    bool tryLock(LockKind kind);

    // Byte-range locks (see LockScheme.h for where they lie). They belong to this open, not to
    // the process: they meet the locks of every other open of the file, in this process or
    // another, and the fcntl locks of other programs. They end when the file is closed.
    // A write lock (exclusive) or a read lock on the bytes without waiting; false when another
    // open holds a conflicting lock. Changing a lock this open holds is atomic: a refused change
    // keeps the lock as it was.
    bool tryLockBytes(ByteRange bytes, bool exclusive);
    // The same, waiting for other holders.
    void lockBytes(ByteRange bytes, bool exclusive);
    void unlockBytes(ByteRange bytes);
    // Whether another open holds a lock on the bytes that a write lock would meet.
    bool bytesLockedByOther(ByteRange bytes) const;

  private:
    // Sets an open-file-description lock on the bytes: F_RDLCK, F_WRLCK or F_UNLCK. false when
    // wait is false and another open holds a conflicting lock.
    bool setBytesLock(ByteRange bytes, short type, bool wait);

    // flock on the whole file; false when another open holds a conflicting one.
    bool tryFlock(LockKind kind);
    // The open-mode byte: F_RDLCK, F_WRLCK or F_UNLCK, without waiting.
    bool lockOpenMode(short type);

    int fd_ = -1;
    std::string path_;
    // On NFS or CIFS/SMB (NetworkFileSystems.h): the open mode is the open-mode byte alone.
    bool network_ = false;
    bool writable_ = true;
    // The open-mode lock held.
    LockKind held_ = LockKind::None;
};

}  // namespace xbase

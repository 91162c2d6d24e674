#pragma once
// FoxPro FPT memo files. A 512-byte header holds the next free block (big-endian, offset 0)
// and the block size in bytes (big-endian, offset 6); a memo at block N starts at byte
// N x block size with its type and length (big-endian) and runs over whole blocks.
//
// Opens that share the file take their blocks one at a time: each write reads the next free
// block, stores the memo and moves the header on under the memo lock, a write lock on byte 0 of
// the file, where the FoxPro family's programs lock it for the same work (the public
// documentation of Harbour's DBFFPT driver, FPT_LOCKPOS 0 and FPT_LOCKSIZE 1 in hbrddfpt.h;
// see also LockScheme.h). Taking it waits for another holder, who keeps it for a moment.
#include "xbase/internal/MemoFile.h"

namespace xbase {

class FptFile final : public MemoFile {
  public:
    // Opens an existing FPT file; throws Error for a truncated header or a block size of 0,
    // and, when writable, for a next free block that could not be written at.
    FptFile(const std::string& path, bool writable);
    // Writes an FPT file that holds no memos, in place of any file of that name; the block size
    // is 1 to 65535 bytes.
    static void create(const std::string& path, std::uint32_t blockSize);

    MemoKind kind() const override { return MemoKind::Fpt; }
    const std::string& path() const override { return file_.path(); }
    std::uint32_t blockSize() const override { return blockSize_; }

    std::string read(std::uint32_t block) override;
    // Reads the next free block from the header on every call rather than keeping it, so that
    // other openers of the file that append in turn see each other's memos.
    std::uint32_t write(std::uint32_t oldBlock, std::string_view text) override;
    // Writes go straight to the operating system; this flushes them to the disk.
    void sync() override;
    void requireStillAtPath() const override { file_.requireStillAtPath(); }

    // The memo lock's byte.
    static ByteRange blockLock() { return {0, 1}; }

  private:
    std::uint64_t offsetOf(std::uint32_t block) const {
        return static_cast<std::uint64_t>(block) * blockSize_;
    }
    std::uint64_t blocksFor(std::uint64_t bytes) const {
        return (bytes + blockSize_ - 1) / blockSize_;
    }
    std::uint32_t firstBlock() const;
    std::uint32_t readNextFree() const;
    // write's work, under the memo lock.
    std::uint32_t place(std::uint32_t oldBlock, std::uint64_t blocks, std::string_view text);
    bool fitsInPlace(std::uint32_t oldBlock, std::uint64_t blocks, std::uint32_t nextFree) const;
    void store(std::uint32_t block, std::uint64_t blocks, std::string_view text);

    File file_;
    std::uint32_t blockSize_ = 0;
    bool writable_ = false;
};

}  // namespace xbase

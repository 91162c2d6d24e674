#pragma once
// Memo files: FoxPro FPT (read and write) and dBase III/IV DBT (read).
// A memo is addressed by the block number the table's memo field holds.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "xbase/internal/File.h"

namespace xbase {

enum class MemoKind { Fpt, Dbt3, Dbt4 };

class MemoFile {
  public:
    virtual ~MemoFile() = default;

    // Opens an existing memo file. The kind comes from the table's version byte. Throws Error
    // naming the file when it cannot be opened or its header makes no sense.
    static std::unique_ptr<MemoFile> open(const std::string& path, MemoKind kind, bool writable);
    // Creates an empty FPT file (overwriting any file of that name).
    static void createFpt(const std::string& path, std::uint32_t blockSize = 64);

    virtual MemoKind kind() const = 0;
    virtual const std::string& path() const = 0;
    virtual std::uint32_t blockSize() const = 0;

    // The memo stored at a block; block 0 means no memo and gives "". Throws Error naming the
    // file for a block outside the file or a length that runs past its end; never reads outside.
    virtual std::string read(std::uint32_t block) = 0;
    // Stores text for a field that held oldBlock (0 = none) and returns the block the field
    // must hold now: in place when the text fits the old blocks, else at the end of the file.
    // Empty text returns 0. Throws Error for read-only kinds and files.
    virtual std::uint32_t write(std::uint32_t oldBlock, std::string_view text) = 0;
    // Makes sure written memos have reached the disk.
    virtual void sync() = 0;
    // Throws Error when the path no longer names this open file (see File::requireStillAtPath).
    // Kinds that are never written have nothing to lose and pass.
    virtual void requireStillAtPath() const {}
};

}  // namespace xbase

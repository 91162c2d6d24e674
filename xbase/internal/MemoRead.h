#pragma once
// Reading memos out of a memo file: the steps the FPT and DBT formats share. Every read is
// bounded by the file's size, so a damaged file gives an Error rather than a huge allocation.
#include <cstdint>
#include <string>

#include "xbase/internal/File.h"

namespace xbase::memo {

// How many bytes a read takes at a memo's first block in one call: a block header and most memos.
constexpr std::size_t kFirstRead = 512;

// Throws an Error that reads "<file>: memo at block <block> <problem>".
[[noreturn]] void fail(const File& file, std::uint32_t block, const std::string& problem);

// Up to kFirstRead bytes at the memo's offset; throws when the offset lies at or past the end.
std::string readStart(const File& file, std::uint64_t offset, std::uint32_t block);

// The `length` bytes that follow the first `dataStart` bytes of a memo whose first bytes,
// read at `offset`, are `start`. Throws when they would run past the end of the file.
std::string counted(const File& file, std::uint32_t block, std::uint64_t offset, std::string start,
                    std::size_t dataStart, std::uint64_t length);

// The bytes from `offset` up to the first 0x1A, or up to the end of the file when there is
// none; `start` holds what readStart gave for that offset.
std::string toTerminator(const File& file, std::uint64_t offset, std::string start);

}  // namespace xbase::memo

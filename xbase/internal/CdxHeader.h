#pragma once
// The 1024-byte header of a compact index tag: the root pointer, the free page list, the change
// counter, the key length, the options, the sort direction and the key and FOR expressions.
// The same layout heads every tag of a CDX file, the CDX tag directory and an IDX file.
// Offsets from the start of the header; integers are little-endian; page offsets are byte
// offsets in the file, kNoPage for none:
//
//   offset  size  field
//        0     4  root node's offset
//        4     4  head of the free page list (used in the file's first header, at offset 0)
//        8     4  change counter (the file's first header: of the whole file)
//       12     2  key length in bytes
//       14     1  options: kTagUnique, kTagHasFor, kTagCompact, kTagCompound, kTagStructure
//       15     1  signature, kTagSignature
//       16   486  zero
//      502     2  sort order: 0 ascending, 1 descending
//      504     2  where the FOR expression starts in the expression area (the key
//                 expression's length + 1)
//      506     2  the FOR expression's length + 1 (1 when there is none)
//      508     2  where the key expression starts in the expression area (0)
//      510     2  the key expression's length + 1
//      512   512  expression area: the key expression, a zero byte, the FOR expression, a zero
//                 byte, zeros to the end
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "xbase/internal/CdxNode.h"

namespace xbase {

constexpr std::size_t kTagHeaderSize = 1024;
using TagHeaderBytes = std::array<std::uint8_t, kTagHeaderSize>;

// Where the fields of the layout above lie. The root, the free list head and the change
// counter take four bytes; the key length, the sort order and the places of the expressions
// two.
constexpr std::size_t kTagLongSize = 4;
constexpr std::size_t kTagShortSize = 2;
constexpr std::size_t kTagRootOffset = 0;
constexpr std::size_t kTagFreeListOffset = 4;
constexpr std::size_t kTagChangesOffset = 8;
constexpr std::size_t kTagKeyLengthOffset = 12;
constexpr std::size_t kTagOptionsOffset = 14;
constexpr std::size_t kTagSignatureOffset = 15;
constexpr std::size_t kTagDescendingOffset = 502;
constexpr std::size_t kTagForStartOffset = 504;
constexpr std::size_t kTagForSizeOffset = 506;
constexpr std::size_t kTagKeyStartOffset = 508;
constexpr std::size_t kTagKeySizeOffset = 510;
constexpr std::size_t kTagExpressionAreaOffset = 512;
constexpr std::size_t kTagExpressionAreaSize = 512;

constexpr std::uint8_t kTagSignature = 0x01;

static_assert(kTagFreeListOffset == kTagRootOffset + kTagLongSize);
static_assert(kTagChangesOffset == kTagFreeListOffset + kTagLongSize);
static_assert(kTagKeyLengthOffset == kTagChangesOffset + kTagLongSize);
static_assert(kTagOptionsOffset == kTagKeyLengthOffset + kTagShortSize);
static_assert(kTagForStartOffset == kTagDescendingOffset + kTagShortSize);
static_assert(kTagForSizeOffset == kTagForStartOffset + kTagShortSize);
static_assert(kTagKeyStartOffset == kTagForSizeOffset + kTagShortSize);
static_assert(kTagKeySizeOffset == kTagKeyStartOffset + kTagShortSize);
static_assert(kTagExpressionAreaOffset == kTagKeySizeOffset + kTagShortSize);
static_assert(kTagExpressionAreaOffset + kTagExpressionAreaSize == kTagHeaderSize);

// Option bits of a tag header.
constexpr std::uint8_t kTagUnique = 0x01;
constexpr std::uint8_t kTagHasFor = 0x08;
constexpr std::uint8_t kTagCompact = 0x20;
constexpr std::uint8_t kTagCompound = 0x40;
constexpr std::uint8_t kTagStructure = 0x80;

struct TagHeader {
    std::uint32_t root = kNoPage;
    std::uint32_t freeList = kNoPage;  // used in the header at offset 0 of the file
    std::uint32_t changes = 0;
    std::uint16_t keyLength = 0;
    std::uint8_t options = kTagCompact;
    bool descending = false;
    std::string keyExpression;
    std::string forExpression;

    bool unique() const { return (options & kTagUnique) != 0; }
};

// Encodes a header; the FOR bit of the options follows whether there is a FOR expression.
// Throws Error when the expressions do not fit the expression area.
TagHeaderBytes encodeTagHeader(const TagHeader& header);

// Decodes a header. Throws Error saying what is wrong (without naming the file) for a header
// that is not a compact index header or whose key length or expressions are out of range.
TagHeader decodeTagHeader(const TagHeaderBytes& bytes);

}  // namespace xbase

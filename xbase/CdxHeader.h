#pragma once
// The 1024-byte header of a compact index tag: the root pointer, the free page list, the change
// counter, the key length, the options, the sort direction and the key and FOR expressions.
// The same layout heads every tag of a CDX file, the CDX tag directory and an IDX file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "xbase/CdxNode.h"

namespace xbase {

constexpr std::size_t kTagHeaderSize = 1024;
using TagHeaderBytes = std::array<std::uint8_t, kTagHeaderSize>;

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
// Throws Error when the expressions do not fit the 512-byte expression area.
TagHeaderBytes encodeTagHeader(const TagHeader& header);

// Decodes a header. Throws Error saying what is wrong (without naming the file) for a header
// that is not a compact index header or whose key length or expressions are out of range.
TagHeader decodeTagHeader(const TagHeaderBytes& bytes);

}  // namespace xbase

#include "xbase/CdxHeader.h"

#include <cstring>

#include "xbase/Error.h"
#include "xbase/IndexBytes.h"
#include "xbase/IndexKey.h"

namespace xbase {

namespace {

constexpr std::size_t kExpressionArea = 512;

// The text of an expression stored at offset with length + 1 in the expression area, up to its
// terminating zero byte.
std::string expressionAt(const TagHeaderBytes& bytes, std::size_t offset, std::size_t lengthPlusOne,
                         const char* what) {
    if (lengthPlusOne <= 1) return {};
    if (offset + lengthPlusOne > kExpressionArea)
        throw Error(std::string("the ") + what + " expression runs past the tag header");
    const char* text = reinterpret_cast<const char*>(&bytes[kExpressionArea + offset]);
    return std::string(text, strnlen(text, lengthPlusOne - 1));
}

}  // namespace

TagHeaderBytes encodeTagHeader(const TagHeader& header) {
    const std::size_t keySize = header.keyExpression.size() + 1;
    const std::size_t forSize = header.forExpression.size() + 1;
    if (keySize + forSize > kExpressionArea)
        throw Error(
            "The index expressions are too long: key and FOR expression together may "
            "take at most " +
            std::to_string(kExpressionArea - 2) + " characters");
    TagHeaderBytes bytes{};
    putLe(&bytes[0], 4, header.root);
    putLe(&bytes[4], 4, header.freeList);
    putLe(&bytes[8], 4, header.changes);
    putLe(&bytes[12], 2, header.keyLength);
    bytes[14] = static_cast<std::uint8_t>((header.options & ~kTagHasFor) |
                                          (header.forExpression.empty() ? 0 : kTagHasFor));
    bytes[15] = 0x01;
    putLe(&bytes[502], 2, header.descending ? 1 : 0);
    putLe(&bytes[504], 2, keySize);
    putLe(&bytes[506], 2, forSize);
    putLe(&bytes[508], 2, 0);
    putLe(&bytes[510], 2, keySize);
    std::memcpy(&bytes[kExpressionArea], header.keyExpression.data(), header.keyExpression.size());
    std::memcpy(&bytes[kExpressionArea + keySize], header.forExpression.data(),
                header.forExpression.size());
    return bytes;
}

TagHeader decodeTagHeader(const TagHeaderBytes& bytes) {
    TagHeader header;
    header.root = getLe(&bytes[0], 4);
    header.freeList = getLe(&bytes[4], 4);
    header.changes = getLe(&bytes[8], 4);
    header.keyLength = static_cast<std::uint16_t>(getLe(&bytes[12], 2));
    header.options = bytes[14];
    header.descending = getLe(&bytes[502], 2) != 0;
    if ((header.options & kTagCompact) == 0)
        throw Error("not a compact index (options " + std::to_string(header.options) + ")");
    if (header.keyLength == 0 || header.keyLength > kMaxKeyLength)
        throw Error("key length " + std::to_string(header.keyLength) + " is out of range");
    header.keyExpression = expressionAt(bytes, getLe(&bytes[508], 2), getLe(&bytes[510], 2), "key");
    header.forExpression = expressionAt(bytes, getLe(&bytes[504], 2), getLe(&bytes[506], 2), "FOR");
    return header;
}

}  // namespace xbase

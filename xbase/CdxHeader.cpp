#include "xbase/internal/CdxHeader.h"

#include <cstring>

#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"
#include "xbase/internal/IndexKey.h"

namespace xbase {

namespace {

// The text of an expression stored at offset with length + 1 in the expression area, up to its
// terminating zero byte.
std::string expressionAt(const TagHeaderBytes& bytes, std::size_t offset, std::size_t lengthPlusOne,
                         const char* what) {
    if (lengthPlusOne <= 1) return {};
    if (offset + lengthPlusOne > kTagExpressionAreaSize)
        throw Error(std::string("the ") + what + " expression runs past the tag header");
    const char* text = reinterpret_cast<const char*>(&bytes[kTagExpressionAreaOffset + offset]);
    return std::string(text, strnlen(text, lengthPlusOne - 1));
}

}  // namespace

TagHeaderBytes encodeTagHeader(const TagHeader& header) {
    const std::size_t keySize = header.keyExpression.size() + 1;
    const std::size_t forSize = header.forExpression.size() + 1;
    if (keySize + forSize > kTagExpressionAreaSize)
        throw Error(
            "The index expressions are too long: key and FOR expression together may "
            "take at most " +
            std::to_string(kTagExpressionAreaSize - 2) + " characters");
    TagHeaderBytes bytes{};
    storeLe(&bytes[kTagRootOffset], kTagLongSize, header.root);
    storeLe(&bytes[kTagFreeListOffset], kTagLongSize, header.freeList);
    storeLe(&bytes[kTagChangesOffset], kTagLongSize, header.changes);
    storeLe(&bytes[kTagKeyLengthOffset], kTagShortSize, header.keyLength);
    bytes[kTagOptionsOffset] = static_cast<std::uint8_t>(
        (header.options & ~kTagHasFor) | (header.forExpression.empty() ? 0 : kTagHasFor));
    bytes[kTagSignatureOffset] = kTagSignature;
    // The key expression first, then the FOR expression, each with its zero byte.
    const std::size_t keyStart = 0, forStart = keySize;
    storeLe(&bytes[kTagDescendingOffset], kTagShortSize, header.descending ? 1 : 0);
    storeLe(&bytes[kTagForStartOffset], kTagShortSize, forStart);
    storeLe(&bytes[kTagForSizeOffset], kTagShortSize, forSize);
    storeLe(&bytes[kTagKeyStartOffset], kTagShortSize, keyStart);
    storeLe(&bytes[kTagKeySizeOffset], kTagShortSize, keySize);
    std::memcpy(&bytes[kTagExpressionAreaOffset + keyStart], header.keyExpression.data(),
                header.keyExpression.size());
    std::memcpy(&bytes[kTagExpressionAreaOffset + forStart], header.forExpression.data(),
                header.forExpression.size());
    return bytes;
}

TagHeader decodeTagHeader(const TagHeaderBytes& bytes) {
    TagHeader header;
    header.root = loadLe(&bytes[kTagRootOffset], kTagLongSize);
    header.freeList = loadLe(&bytes[kTagFreeListOffset], kTagLongSize);
    header.changes = loadLe(&bytes[kTagChangesOffset], kTagLongSize);
    header.keyLength =
        static_cast<std::uint16_t>(loadLe(&bytes[kTagKeyLengthOffset], kTagShortSize));
    header.options = bytes[kTagOptionsOffset];
    header.descending = loadLe(&bytes[kTagDescendingOffset], kTagShortSize) != 0;
    if ((header.options & kTagCompact) == 0)
        throw Error("not a compact index (options " + std::to_string(header.options) + ")");
    if (header.keyLength == 0 || header.keyLength > kMaxKeyLength)
        throw Error("key length " + std::to_string(header.keyLength) + " is out of range");
    header.keyExpression = expressionAt(bytes, loadLe(&bytes[kTagKeyStartOffset], kTagShortSize),
                                        loadLe(&bytes[kTagKeySizeOffset], kTagShortSize), "key");
    header.forExpression = expressionAt(bytes, loadLe(&bytes[kTagForStartOffset], kTagShortSize),
                                        loadLe(&bytes[kTagForSizeOffset], kTagShortSize), "FOR");
    return header;
}

}  // namespace xbase

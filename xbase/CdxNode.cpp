#include "xbase/CdxNode.h"

#include <algorithm>
#include <cstring>

#include "xbase/Error.h"
#include "xbase/IndexBytes.h"

namespace xbase {

namespace {

constexpr std::size_t kLeafHeaderSize = 24;
constexpr std::size_t kInteriorHeaderSize = 12;
constexpr std::uint16_t kAttrRoot = 1;
constexpr std::uint16_t kAttrLeaf = 2;

int bitsFor(std::uint64_t v) {
    int bits = 0;
    for (; v != 0; v >>= 1) ++bits;
    return bits;
}

std::uint64_t mask(int bits) {
    return bits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
}

// How a key is stored after the one before it in a leaf.
struct Compression {
    std::size_t duplicates = 0;  // leading bytes shared with the previous key
    std::size_t trailing = 0;    // trail bytes cut from the end
};

std::size_t trailingRun(const std::string& key, char trail) {
    std::size_t n = 0;
    while (n < key.size() && key[key.size() - 1 - n] == trail) ++n;
    return n;
}

// Shared bytes are taken only from the stored part of the previous key, never from its cut
// trail: some readers do not put the cut bytes back before expanding the next key.
Compression compress(const NodeEntry* previous, const std::string& key, char trail) {
    Compression c;
    c.trailing = trailingRun(key, trail);
    if (previous != nullptr) {
        const std::string& prev = previous->key;
        const std::size_t limit =
            std::min(key.size() - c.trailing, prev.size() - trailingRun(prev, trail));
        while (c.duplicates < limit && prev[c.duplicates] == key[c.duplicates]) ++c.duplicates;
    }
    return c;
}

void putHeader(IndexPage& page, std::uint16_t attributes, const IndexNode& node) {
    putLe(&page[0], 2, attributes);
    putLe(&page[2], 2, node.entries.size());
    putLe(&page[4], 4, node.left);
    putLe(&page[8], 4, node.right);
}

void encodeLeaf(const IndexNode& node, std::size_t keyLength, char trail, IndexPage& page) {
    std::uint32_t maxRecno = 0;
    for (const NodeEntry& e : node.entries) maxRecno = std::max(maxRecno, e.recno);
    const LeafLayout layout = leafLayout(keyLength, maxRecno);
    const auto bytesPerEntry = static_cast<std::size_t>(layout.bytesPerEntry);
    putHeader(page, kAttrLeaf | (node.root ? kAttrRoot : 0), node);

    std::size_t entryPos = kLeafHeaderSize;
    std::size_t keyPos = kIndexPageSize;
    const NodeEntry* previous = nullptr;
    for (const NodeEntry& e : node.entries) {
        const Compression c = compress(previous, e.key, trail);
        const std::size_t stored = keyLength - c.duplicates - c.trailing;
        if (keyPos < entryPos + bytesPerEntry + stored)
            throw Error("Index leaf overflow: the entries given do not fit one page");
        keyPos -= stored;
        std::memcpy(&page[keyPos], e.key.data() + c.duplicates, stored);
        const std::uint64_t packed = e.recno | std::uint64_t{c.duplicates} << layout.recnoBits |
                                     std::uint64_t{c.trailing}
                                         << (layout.recnoBits + layout.duplicateBits);
        putLe(&page[entryPos], bytesPerEntry, packed);
        entryPos += bytesPerEntry;
        previous = &e;
    }
    putLe(&page[12], 2, keyPos - entryPos);
    putLe(&page[14], 4, std::min<std::uint64_t>(mask(layout.recnoBits), 0xFFFFFFFF));
    page[18] = static_cast<std::uint8_t>(mask(layout.duplicateBits));
    page[19] = static_cast<std::uint8_t>(mask(layout.trailingBits));
    page[20] = static_cast<std::uint8_t>(layout.recnoBits);
    page[21] = static_cast<std::uint8_t>(layout.duplicateBits);
    page[22] = static_cast<std::uint8_t>(layout.trailingBits);
    page[23] = static_cast<std::uint8_t>(layout.bytesPerEntry);
}

void encodeInterior(const IndexNode& node, std::size_t keyLength, IndexPage& page) {
    if (node.entries.size() > interiorCapacity(keyLength))
        throw Error("Index node overflow: more entries than an interior node holds");
    putHeader(page, node.root ? kAttrRoot : 0, node);
    std::uint8_t* p = &page[kInteriorHeaderSize];
    for (const NodeEntry& e : node.entries) {
        std::memcpy(p, e.key.data(), keyLength);
        putBe32(p + keyLength, e.recno);
        putBe32(p + keyLength + 4, e.child);
        p += keyLength + 8;
    }
}

// Extracts a bit field of the packed leaf entry; fields may reach the top of 64 bits.
std::uint64_t field(std::uint64_t packed, int shift, int bits) {
    return shift >= 64 ? 0 : (packed >> shift) & mask(bits);
}

void decodeLeaf(const IndexPage& page, std::size_t count, std::size_t keyLength, char trail,
                DecodedNode& node) {
    const int recnoBits = page[20], duplicateBits = page[21], trailingBits = page[22];
    const std::size_t bytesPerEntry = page[23];
    if (bytesPerEntry == 0 || bytesPerEntry > 8 || duplicateBits > 16 || trailingBits > 16 ||
        static_cast<std::size_t>(recnoBits + duplicateBits + trailingBits) > 8 * bytesPerEntry)
        throw Error("leaf entry layout makes no sense (" + std::to_string(bytesPerEntry) +
                    " bytes per entry)");
    const std::size_t entriesEnd = kLeafHeaderSize + count * bytesPerEntry;
    if (entriesEnd > kIndexPageSize)
        throw Error("leaf key count " + std::to_string(count) + " does not fit a page");

    node.keys.resize(count * keyLength);
    node.recnos.resize(count);
    node.children.clear();
    std::size_t keyPos = kIndexPageSize;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint64_t packed = 0;
        const std::uint8_t* p = &page[kLeafHeaderSize + i * bytesPerEntry];
        for (std::size_t b = bytesPerEntry; b > 0; --b) packed = packed << 8 | p[b - 1];
        const std::size_t duplicates = field(packed, recnoBits, duplicateBits);
        const std::size_t trailing = field(packed, recnoBits + duplicateBits, trailingBits);
        if (duplicates + trailing > keyLength || (i == 0 && duplicates != 0))
            throw Error("leaf entry " + std::to_string(i + 1) + " has impossible counts");
        const std::size_t stored = keyLength - duplicates - trailing;
        if (keyPos < entriesEnd + stored) throw Error("leaf keys run into the entry table");
        keyPos -= stored;
        node.recnos[i] = static_cast<std::uint32_t>(field(packed, 0, recnoBits));
        // The shared bytes are the leading bytes of the previous key, just before this one.
        char* key = node.keys.data() + i * keyLength;
        if (duplicates > 0) std::memcpy(key, key - keyLength, duplicates);
        std::memcpy(key + duplicates, &page[keyPos], stored);
        std::memset(key + duplicates + stored, trail, trailing);
    }
}

void decodeInterior(const IndexPage& page, std::size_t count, std::size_t keyLength,
                    DecodedNode& node) {
    if (count > interiorCapacity(keyLength))
        throw Error("interior key count " + std::to_string(count) + " does not fit a page");
    node.keys.resize(count * keyLength);
    node.recnos.resize(count);
    node.children.resize(count);
    const std::uint8_t* p = &page[kInteriorHeaderSize];
    for (std::size_t i = 0; i < count; ++i) {
        std::memcpy(node.keys.data() + i * keyLength, p, keyLength);
        node.recnos[i] = getBe32(p + keyLength);
        node.children[i] = getBe32(p + keyLength + 4);
        p += keyLength + 8;
    }
}

}  // namespace

LeafLayout leafLayout(std::size_t keyLength, std::uint32_t maxRecno) {
    LeafLayout layout;
    layout.duplicateBits = layout.trailingBits = bitsFor(keyLength);
    // Key lengths up to 240 take at most eight bits for each count, so entries start at three
    // bytes.
    layout.bytesPerEntry = 3;
    layout.recnoBits = 24 - 2 * layout.duplicateBits;
    while (layout.recnoBits < 32 && (std::uint64_t{maxRecno} >> layout.recnoBits) != 0) {
        ++layout.bytesPerEntry;
        layout.recnoBits += 8;
    }
    return layout;
}

std::size_t interiorCapacity(std::size_t keyLength) {
    return (kIndexPageSize - kInteriorHeaderSize) / (keyLength + 8);
}

std::size_t leafFill(std::span<const NodeEntry> entries, std::size_t keyLength, char trail) {
    std::size_t storedBytes = 0;
    std::uint32_t maxRecno = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Compression c = compress(i > 0 ? &entries[i - 1] : nullptr, entries[i].key, trail);
        storedBytes += keyLength - c.duplicates - c.trailing;
        maxRecno = std::max(maxRecno, entries[i].recno);
        const auto bytesPerEntry =
            static_cast<std::size_t>(leafLayout(keyLength, maxRecno).bytesPerEntry);
        if (kLeafHeaderSize + (i + 1) * bytesPerEntry + storedBytes > kIndexPageSize) return i;
    }
    return entries.size();
}

IndexPage encodeNode(const IndexNode& node, std::size_t keyLength, char trail) {
    IndexPage page{};
    if (node.leaf)
        encodeLeaf(node, keyLength, trail, page);
    else
        encodeInterior(node, keyLength, page);
    return page;
}

void decodeNode(const IndexPage& page, std::size_t keyLength, char trail, DecodedNode& node) {
    const std::uint32_t attributes = getLe(&page[0], 2);
    if (attributes > (kAttrLeaf | kAttrRoot))
        throw Error("unknown node attributes " + std::to_string(attributes));
    node.leaf = (attributes & kAttrLeaf) != 0;
    node.root = (attributes & kAttrRoot) != 0;
    node.left = getLe(&page[4], 4);
    node.right = getLe(&page[8], 4);
    node.keyLength = keyLength;
    const std::size_t count = getLe(&page[2], 2);
    if (node.leaf)
        decodeLeaf(page, count, keyLength, trail, node);
    else
        decodeInterior(page, count, keyLength, node);
}

IndexNode decodeNode(const IndexPage& page, std::size_t keyLength, char trail) {
    DecodedNode decoded;
    decodeNode(page, keyLength, trail, decoded);
    return expandNode(decoded);
}

IndexNode expandNode(const DecodedNode& decoded) {
    IndexNode node;
    node.leaf = decoded.leaf;
    node.root = decoded.root;
    node.left = decoded.left;
    node.right = decoded.right;
    node.entries.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i)
        node.entries.push_back(NodeEntry{std::string(decoded.key(i)), decoded.recnos[i],
                                         decoded.leaf ? 0 : decoded.children[i]});
    return node;
}

}  // namespace xbase

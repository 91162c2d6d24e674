#include "xbase/internal/CdxNode.h"

#include <algorithm>
#include <cstring>

#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"

namespace xbase {

namespace {

// Leaf entries are unpacked into 64 bits.
constexpr std::size_t kMaxLeafEntryBytes = sizeof(std::uint64_t);

int bitsFor(std::uint64_t v) {
    int bits = 0;
    for (; v != 0; v >>= 1) ++bits;
    return bits;
}

std::uint64_t mask(int bits) {
    return bits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
}

// The run of trail bytes at the end of a key, compared a word at a time.
std::size_t trailingRun(const char* key, std::size_t length, char trail) {
    std::uint64_t trailWord;
    std::memset(&trailWord, static_cast<unsigned char>(trail), sizeof trailWord);
    std::size_t n = 0;
    for (std::uint64_t word; n + 8 <= length; n += 8) {
        std::memcpy(&word, key + length - n - 8, 8);
        if (word != trailWord) break;
    }
    while (n < length && key[length - 1 - n] == trail) ++n;
    return n;
}

// How many leading bytes, up to limit, two keys share, compared a word at a time.
std::size_t sharedPrefix(const char* a, const char* b, std::size_t limit) {
    std::size_t n = 0;
    for (std::uint64_t x, y; n + 8 <= limit; n += 8) {
        std::memcpy(&x, a + n, 8);
        std::memcpy(&y, b + n, 8);
        if (x != y) break;
    }
    while (n < limit && a[n] == b[n]) ++n;
    return n;
}

void putHeader(IndexPage& page, std::uint16_t attributes, std::size_t count, std::uint32_t left,
               std::uint32_t right) {
    storeLe(&page[kNodeAttributeOffset], kNodeAttributeSize, attributes);
    storeLe(&page[kNodeKeyCountOffset], kNodeKeyCountSize, count);
    storeLe(&page[kNodeLeftOffset], kNodeLinkSize, left);
    storeLe(&page[kNodeRightOffset], kNodeLinkSize, right);
}

IndexPage encodeLeaf(const IndexNode& node, std::size_t keyLength, char trail) {
    LeafPacker leaf(keyLength, trail);
    for (const NodeEntry& e : node.entries)
        if (!leaf.add(e.key, e.recno))
            throw Error("Index leaf overflow: the entries given do not fit one page");
    return leaf.encode(node.root, node.left, node.right);
}

// Encodes an interior node whose i-th entry entry(i) gives as key, record number and child.
template <typename EntryAt>
IndexPage encodeInterior(bool root, std::uint32_t left, std::uint32_t right, std::size_t count,
                         std::size_t keyLength, EntryAt entry) {
    if (count > interiorCapacity(keyLength))
        throw Error("Index node overflow: more entries than an interior node holds");
    IndexPage page{};
    putHeader(page, root ? kNodeRoot : 0, count, left, right);
    std::uint8_t* p = &page[kInteriorHeaderSize];
    for (std::size_t i = 0; i < count; ++i) {
        const auto [key, recno, child] = entry(i);
        std::memcpy(p, key.data(), keyLength);
        storeBe32(p + keyLength, recno);
        storeBe32(p + keyLength + kInteriorRecnoSize, child);
        p += interiorEntrySize(keyLength);
    }
    return page;
}

struct InteriorEntry {
    std::string_view key;
    std::uint32_t recno;
    std::uint32_t child;
};

IndexPage encodeInterior(const IndexNode& node, std::size_t keyLength) {
    return encodeInterior(node.root, node.left, node.right, node.entries.size(), keyLength,
                          [&](std::size_t i) {
                              const NodeEntry& e = node.entries[i];
                              return InteriorEntry{e.key, e.recno, e.child};
                          });
}

// Extracts a bit field of the packed leaf entry; fields may reach the top of 64 bits.
std::uint64_t field(std::uint64_t packed, int shift, int bits) {
    return shift >= 64 ? 0 : (packed >> shift) & mask(bits);
}

void decodeLeaf(const IndexPage& page, std::size_t count, std::size_t keyLength, char trail,
                DecodedNode& node) {
    const int recnoBits = page[kLeafRecnoBitsOffset];
    const int duplicateBits = page[kLeafDuplicateBitsOffset];
    const int trailingBits = page[kLeafTrailingBitsOffset];
    const std::size_t bytesPerEntry = page[kLeafBytesPerEntryOffset];
    if (bytesPerEntry == 0 || bytesPerEntry > kMaxLeafEntryBytes || duplicateBits > 16 ||
        trailingBits > 16 ||
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
        const std::uint64_t packed =
            loadLe(&page[kLeafHeaderSize + i * bytesPerEntry], bytesPerEntry);
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
        node.recnos[i] = loadBe32(p + keyLength);
        node.children[i] = loadBe32(p + keyLength + kInteriorRecnoSize);
        p += interiorEntrySize(keyLength);
    }
}

}  // namespace

LeafLayout leafLayout(std::size_t keyLength, std::uint32_t maxRecno) {
    LeafLayout layout;
    layout.duplicateBits = layout.trailingBits = bitsFor(keyLength);
    // Key lengths up to 240 take at most eight bits for each count, so entries start at three
    // bytes.
    layout.bytesPerEntry = static_cast<int>(kLeafMinEntryBytes);
    layout.recnoBits = 8 * layout.bytesPerEntry - 2 * layout.duplicateBits;
    while (layout.recnoBits < 32 && (std::uint64_t{maxRecno} >> layout.recnoBits) != 0) {
        ++layout.bytesPerEntry;
        layout.recnoBits += 8;
    }
    return layout;
}

std::size_t interiorCapacity(std::size_t keyLength) {
    return (kIndexPageSize - kInteriorHeaderSize) / interiorEntrySize(keyLength);
}

std::size_t leafFill(std::span<const NodeEntry> entries, std::size_t keyLength, char trail) {
    LeafPacker leaf(keyLength, trail);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (!leaf.add(entries[i].key, entries[i].recno)) return i;
    return entries.size();
}

LeafPacker::LeafPacker(std::size_t keyLength, char trail)
    : keyLength_(keyLength), trail_(trail), layout_(leafLayout(keyLength, 0)) {
    entries_.reserve(kMaxLeafEntries);
}

// Shared bytes are taken only from the stored part of the previous key, never from its cut
// trail: some readers do not put the cut bytes back before expanding the next key.
bool LeafPacker::add(std::string_view key, std::uint32_t recno) {
    return addStored(key.substr(0, keyLength_ - trailingRun(key.data(), keyLength_, trail_)),
                     recno);
}

bool LeafPacker::addStored(std::string_view stored, std::uint32_t recno) {
    Entry e{stored.data(), recno, 0, static_cast<std::uint16_t>(keyLength_ - stored.size())};
    if (!entries_.empty()) {
        const Entry& previous = entries_.back();
        const std::size_t limit = keyLength_ - std::max(e.trailing, previous.trailing);
        e.duplicates = static_cast<std::uint16_t>(sharedPrefix(previous.key, stored.data(), limit));
    }
    const std::size_t bytes = storedBytes_ + stored.size() - e.duplicates;
    // A record number too wide for the leaf's entries widens them all, if they still fit.
    const bool widens = (std::uint64_t{recno} >> layout_.recnoBits) != 0;
    const auto bytesPerEntry = static_cast<std::size_t>(
        widens ? leafLayout(keyLength_, recno).bytesPerEntry : layout_.bytesPerEntry);
    if (kLeafHeaderSize + (entries_.size() + 1) * bytesPerEntry + bytes > kIndexPageSize)
        return false;
    entries_.push_back(e);
    storedBytes_ = bytes;
    if (widens) layout_ = leafLayout(keyLength_, recno);
    return true;
}

void LeafPacker::clear() {
    entries_.clear();
    storedBytes_ = 0;
    layout_ = leafLayout(keyLength_, 0);
}

IndexPage LeafPacker::encode(bool root, std::uint32_t left, std::uint32_t right) const {
    IndexPage page{};
    putHeader(page, kNodeLeaf | (root ? kNodeRoot : 0), entries_.size(), left, right);
    const auto bytesPerEntry = static_cast<std::size_t>(layout_.bytesPerEntry);
    std::size_t entryPos = kLeafHeaderSize;
    std::size_t keyPos = kIndexPageSize;
    for (const Entry& e : entries_) {
        const std::size_t stored = keyLength_ - e.duplicates - e.trailing;
        keyPos -= stored;
        std::memcpy(&page[keyPos], e.key + e.duplicates, stored);
        const std::uint64_t packed = e.recno | std::uint64_t{e.duplicates} << layout_.recnoBits |
                                     std::uint64_t{e.trailing}
                                         << (layout_.recnoBits + layout_.duplicateBits);
        storeLe(&page[entryPos], bytesPerEntry, packed);
        entryPos += bytesPerEntry;
    }
    storeLe(&page[kLeafFreeSpaceOffset], kLeafFreeSpaceSize, keyPos - entryPos);
    storeLe(&page[kLeafRecnoMaskOffset], kLeafRecnoMaskSize,
            std::min<std::uint64_t>(mask(layout_.recnoBits), 0xFFFFFFFF));
    page[kLeafDuplicateMaskOffset] = static_cast<std::uint8_t>(mask(layout_.duplicateBits));
    page[kLeafTrailingMaskOffset] = static_cast<std::uint8_t>(mask(layout_.trailingBits));
    page[kLeafRecnoBitsOffset] = static_cast<std::uint8_t>(layout_.recnoBits);
    page[kLeafDuplicateBitsOffset] = static_cast<std::uint8_t>(layout_.duplicateBits);
    page[kLeafTrailingBitsOffset] = static_cast<std::uint8_t>(layout_.trailingBits);
    page[kLeafBytesPerEntryOffset] = static_cast<std::uint8_t>(layout_.bytesPerEntry);
    return page;
}

IndexPage encodeNode(const IndexNode& node, std::size_t keyLength, char trail) {
    return node.leaf ? encodeLeaf(node, keyLength, trail) : encodeInterior(node, keyLength);
}

void decodeNode(const IndexPage& page, std::size_t keyLength, char trail, DecodedNode& node) {
    const std::uint32_t attributes = loadLe(&page[kNodeAttributeOffset], kNodeAttributeSize);
    if (attributes > (kNodeLeaf | kNodeRoot))
        throw Error("unknown node attributes " + std::to_string(attributes));
    node.leaf = (attributes & kNodeLeaf) != 0;
    node.root = (attributes & kNodeRoot) != 0;
    node.left = loadLe(&page[kNodeLeftOffset], kNodeLinkSize);
    node.right = loadLe(&page[kNodeRightOffset], kNodeLinkSize);
    node.keyLength = keyLength;
    const std::size_t count = loadLe(&page[kNodeKeyCountOffset], kNodeKeyCountSize);
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

IndexPage encodeNode(const DecodedNode& node, char trail) {
    if (!node.leaf)
        return encodeInterior(
            node.root, node.left, node.right, node.size(), node.keyLength, [&](std::size_t i) {
                return InteriorEntry{node.key(i), node.recnos[i], node.children[i]};
            });
    LeafPacker leaf(node.keyLength, trail);
    for (std::size_t i = 0; i < node.size(); ++i)
        if (!leaf.add(node.key(i), node.recnos[i]))
            throw Error("Index leaf overflow: the entries given do not fit one page");
    return leaf.encode(node.root, node.left, node.right);
}

void DecodedNode::insertEntry(std::size_t i, std::string_view key, std::uint32_t recno,
                              std::uint32_t child) {
    keys.insert(i * keyLength, key.substr(0, keyLength));
    recnos.insert(recnos.begin() + static_cast<std::ptrdiff_t>(i), recno);
    if (!leaf) children.insert(children.begin() + static_cast<std::ptrdiff_t>(i), child);
}

void DecodedNode::eraseEntry(std::size_t i) {
    keys.erase(i * keyLength, keyLength);
    recnos.erase(recnos.begin() + static_cast<std::ptrdiff_t>(i));
    if (!leaf) children.erase(children.begin() + static_cast<std::ptrdiff_t>(i));
}

void DecodedNode::replaceEntry(std::size_t i, std::string_view key, std::uint32_t recno,
                               std::uint32_t child) {
    keys.replace(i * keyLength, keyLength, key.substr(0, keyLength));
    recnos[i] = recno;
    if (!leaf) children[i] = child;
}

DecodedNode DecodedNode::slice(std::size_t from, std::size_t to) const {
    DecodedNode piece;
    piece.leaf = leaf;
    piece.keyLength = keyLength;
    piece.keys.assign(keys, from * keyLength, (to - from) * keyLength);
    const auto at = [](const std::vector<std::uint32_t>& v, std::size_t i) {
        return v.begin() + static_cast<std::ptrdiff_t>(i);
    };
    piece.recnos.assign(at(recnos, from), at(recnos, to));
    if (!leaf) piece.children.assign(at(children, from), at(children, to));
    return piece;
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

#pragma once
// The 512-byte nodes of a compact index (CDX tags and IDX files) and their encoding: pure
// functions on page buffers, no file access.
//
// Interior nodes hold, for each child, the greatest key of the child's subtree with its record
// number. Leaves hold the keys themselves, compressed: each key is stored without the leading
// bytes it shares with the previous key of the node and without the run of trail bytes (see
// keyTrailByte) at its end; a small fixed-size entry per key says how many bytes of each were
// cut. Node layout, offsets from the start of the page; integers are little-endian unless
// marked BE; page offsets are byte offsets in the file, kNoPage for none:
//
//   Every node
//     offset  size  field
//          0     2  attributes: kNodeRoot | kNodeLeaf (0 interior, 1 interior root, 2 leaf,
//                   3 leaf that is the root)
//          2     2  key count
//          4     4  left sibling's page offset
//          8     4  right sibling's page offset
//
//   Interior node (12-byte header), k = key length
//         12   k+8  first entry: the key (k bytes, padded with the trail byte), its record
//                   number (4, BE), the child's page offset (4, BE); the next entry follows
//                   at 12 + (k + 8), and so on: at most (512 - 12) / (k + 8) entries. The rest
//                   of the page is zero.
//
//   Leaf node (24-byte header)
//         12     2  free space: the bytes between the end of the entries and the stored keys
//         14     4  record number mask: 2^(record number bits) - 1, at most 0xFFFFFFFF
//         18     1  duplicate count mask: 2^(duplicate count bits) - 1
//         19     1  trailing count mask: 2^(trailing count bits) - 1
//         20     1  record number bits
//         21     1  duplicate count bits
//         22     1  trailing count bits
//         23     1  bytes per entry, n (see leafLayout)
//         24     n  first entry, a little-endian integer of n bytes holding from its lowest bit
//                   up: the record number, the duplicate count (leading bytes shared with the
//                   previous key; 0 for the first entry), the trailing count (trail bytes cut
//                   from the end), each in the bit width given above. The next entry follows
//                   at 24 + n, and so on: at most (512 - 24) / 3 entries.
//          ...      free space
//          ...      stored key bytes (k - duplicates - trailing for each key), from the end of
//                   the page backwards: the first entry's end at offset 512, the next one's
//                   just before it.
//
//   Free page (on the list headed in the file's first tag header, see CdxHeader.h)
//          0     4  the next free page's offset, kNoPage at the end of the list
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace xbase {

constexpr std::size_t kIndexPageSize = 512;
using IndexPage = std::array<std::uint8_t, kIndexPageSize>;

// "No page" in sibling links, root pointers and the free list.
constexpr std::uint32_t kNoPage = 0xFFFFFFFF;

// Where the fields of the layout above lie, and their sizes.
constexpr std::size_t kNodeAttributeOffset = 0;
constexpr std::size_t kNodeAttributeSize = 2;
constexpr std::size_t kNodeKeyCountOffset = 2;
constexpr std::size_t kNodeKeyCountSize = 2;
constexpr std::size_t kNodeLeftOffset = 4;
constexpr std::size_t kNodeRightOffset = 8;
constexpr std::size_t kNodeLinkSize = 4;
// Attribute bits.
constexpr std::uint16_t kNodeRoot = 0x01;
constexpr std::uint16_t kNodeLeaf = 0x02;

constexpr std::size_t kInteriorHeaderSize = 12;
// After each key of an interior node: its record number, then the child's offset.
constexpr std::size_t kInteriorRecnoSize = 4;
constexpr std::size_t kInteriorChildSize = 4;

constexpr std::size_t kLeafFreeSpaceOffset = 12;
constexpr std::size_t kLeafFreeSpaceSize = 2;
constexpr std::size_t kLeafRecnoMaskOffset = 14;
constexpr std::size_t kLeafRecnoMaskSize = 4;
constexpr std::size_t kLeafDuplicateMaskOffset = 18;
constexpr std::size_t kLeafTrailingMaskOffset = 19;
constexpr std::size_t kLeafRecnoBitsOffset = 20;
constexpr std::size_t kLeafDuplicateBitsOffset = 21;
constexpr std::size_t kLeafTrailingBitsOffset = 22;
constexpr std::size_t kLeafBytesPerEntryOffset = 23;
constexpr std::size_t kLeafHeaderSize = 24;
// The narrowest leaf entry.
constexpr std::size_t kLeafMinEntryBytes = 3;

constexpr std::size_t kFreePageNextOffset = 0;
constexpr std::size_t kFreePageNextSize = 4;

static_assert(kNodeKeyCountOffset == kNodeAttributeOffset + kNodeAttributeSize);
static_assert(kNodeLeftOffset == kNodeKeyCountOffset + kNodeKeyCountSize);
static_assert(kNodeRightOffset == kNodeLeftOffset + kNodeLinkSize);
static_assert(kInteriorHeaderSize == kNodeRightOffset + kNodeLinkSize);
static_assert(kLeafFreeSpaceOffset == kNodeRightOffset + kNodeLinkSize);
static_assert(kLeafRecnoMaskOffset == kLeafFreeSpaceOffset + kLeafFreeSpaceSize);
static_assert(kLeafDuplicateMaskOffset == kLeafRecnoMaskOffset + kLeafRecnoMaskSize);
static_assert(kLeafHeaderSize == kLeafBytesPerEntryOffset + 1);

// The bytes of one interior entry for keys of this length.
constexpr std::size_t interiorEntrySize(std::size_t keyLength) {
    return keyLength + kInteriorRecnoSize + kInteriorChildSize;
}

// The most entries a leaf can hold: the narrowest entries, whose keys are all shared or cut.
constexpr std::size_t kMaxLeafEntries = (kIndexPageSize - kLeafHeaderSize) / kLeafMinEntryBytes;

struct NodeEntry {
    std::string key;          // the full key, key length bytes
    std::uint32_t recno = 0;  // record number (in the tag directory: the tag header's offset)
    std::uint32_t child = 0;  // interior nodes only: the child node's offset
};

struct IndexNode {
    bool leaf = true;
    bool root = false;
    std::uint32_t left = kNoPage;
    std::uint32_t right = kNoPage;
    std::vector<NodeEntry> entries;
};

// How a leaf packs its entries.
struct LeafLayout {
    int recnoBits = 0;
    int duplicateBits = 0;
    int trailingBits = 0;
    int bytesPerEntry = 0;
};

// The widths a leaf of keys of this length uses when its largest record number is maxRecno:
// duplicate and trailing counts take as many bits as the key length needs, the record number
// the rest of a three-byte entry, plus a byte at a time while maxRecno does not fit.
LeafLayout leafLayout(std::size_t keyLength, std::uint32_t maxRecno);

// How many entries an interior node holds.
std::size_t interiorCapacity(std::size_t keyLength);

// How many entries from the start of the span fit in one leaf (at least one when the span is
// not empty: any single key fits).
std::size_t leafFill(std::span<const NodeEntry> entries, std::size_t keyLength, char trail);

// Fills one leaf entry by entry, working out how each key is stored as it arrives, and encodes
// it. The keys are not copied: they must stay in place until the leaf is encoded or cleared.
class LeafPacker {
  public:
    LeafPacker(std::size_t keyLength, char trail);

    // Adds an entry after those already added (keys in order, each keyLength bytes). Returns
    // false, adding nothing, when it does not fit; the first entry always fits.
    bool add(std::string_view key, std::uint32_t recno);
    // The same for a key given without its trailing trail bytes, as a KeyBlock holds it; its
    // bytes stay where they are, and must stay there until the leaf is encoded.
    bool addStored(std::string_view stored, std::uint32_t recno);
    std::size_t size() const { return entries_.size(); }
    void clear();
    IndexPage encode(bool root, std::uint32_t left, std::uint32_t right) const;

  private:
    struct Entry {
        const char* key;
        std::uint32_t recno;
        std::uint16_t duplicates;  // leading bytes shared with the previous key
        std::uint16_t trailing;    // trail bytes cut from the end
    };

    std::size_t keyLength_;
    char trail_;
    std::vector<Entry> entries_;
    std::size_t storedBytes_ = 0;
    LeafLayout layout_;
};

// Encodes a node. The entries must be in order and have keys of exactly keyLength bytes; a
// leaf's entries must fit (see leafFill) and an interior node's must not exceed the capacity.
IndexPage encodeNode(const IndexNode& node, std::size_t keyLength, char trail);

// Decodes a node, reading a leaf's widths from its own header. Throws Error saying what is
// wrong (without naming the file) when the page cannot be a node with keys of this length.
IndexNode decodeNode(const IndexPage& page, std::size_t keyLength, char trail);

// A node decoded for lookups: its keys one after the other in one block, each keyLength bytes,
// so that searches compare them in place and decoding allocates nothing per entry.
struct DecodedNode {
    bool leaf = true;
    bool root = false;
    std::uint32_t left = kNoPage;
    std::uint32_t right = kNoPage;
    std::size_t keyLength = 0;
    std::string keys;
    std::vector<std::uint32_t> recnos;
    std::vector<std::uint32_t> children;  // interior nodes only

    std::size_t size() const { return recnos.size(); }
    std::string_view key(std::size_t i) const {
        return std::string_view(keys).substr(i * keyLength, keyLength);
    }
    // Entries changed in place, for updates of single entries; child is ignored in leaves.
    void insertEntry(std::size_t i, std::string_view key, std::uint32_t recno,
                     std::uint32_t child = 0);
    void eraseEntry(std::size_t i);
    void replaceEntry(std::size_t i, std::string_view key, std::uint32_t recno,
                      std::uint32_t child = 0);
    // A node of the same kind holding entries [from, to), with no links and no root mark.
    DecodedNode slice(std::size_t from, std::size_t to) const;
    // Bytes held, for bounding caches of decoded nodes.
    std::size_t footprint() const {
        return sizeof(DecodedNode) + keys.capacity() +
               sizeof(std::uint32_t) * (recnos.capacity() + children.capacity());
    }
};

// Decodes a node into out, reusing its buffers; checks and throws as decodeNode does.
void decodeNode(const IndexPage& page, std::size_t keyLength, char trail, DecodedNode& out);

// Encodes a decoded node; its entries must fit as encodeNode requires.
IndexPage encodeNode(const DecodedNode& node, char trail);

// The entries of a decoded node one by one, as encodeNode takes them.
IndexNode expandNode(const DecodedNode& node);

}  // namespace xbase

#pragma once
// The 512-byte nodes of a compact index (CDX tags and IDX files) and their encoding: pure
// functions on page buffers, no file access.
//
// Interior node: attributes, key count, left and right sibling, then entries of the full key,
// the record number and the child offset (both big-endian), each carrying the greatest key of
// its child's subtree. Leaf node: a 24-byte header that also gives the bit widths of the
// entries, then fixed-size entries (record number, duplicate count, trailing count packed in a
// little-endian integer) growing forward, and the key bytes growing backward from the end of
// the page: each key stored without the bytes it shares with the previous key of the node and
// without the run of trail bytes at its end.
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

// The most entries a leaf can hold: three-byte entries whose keys are all shared or cut.
constexpr std::size_t kMaxLeafEntries = (kIndexPageSize - 24) / 3;

// "No page" in sibling links, root pointers and the free list.
constexpr std::uint32_t kNoPage = 0xFFFFFFFF;

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
    // Bytes held, for bounding caches of decoded nodes.
    std::size_t footprint() const {
        return sizeof(DecodedNode) + keys.capacity() +
               sizeof(std::uint32_t) * (recnos.capacity() + children.capacity());
    }
};

// Decodes a node into out, reusing its buffers; checks and throws as decodeNode does.
void decodeNode(const IndexPage& page, std::size_t keyLength, char trail, DecodedNode& out);

// The entries of a decoded node one by one, as encodeNode takes them.
IndexNode expandNode(const DecodedNode& node);

}  // namespace xbase

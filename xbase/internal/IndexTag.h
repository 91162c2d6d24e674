#pragma once
// One index order: a B-tree of (key, record number) entries in a compact index file. It is a
// tag of a CDX file, the CDX tag directory, or the single order of an IDX file. Keys are byte
// strings of the tag's key length (see IndexKey.h); the tree keeps them in ascending order
// whatever the descending flag says: the flag is for whoever navigates to read backwards.
//
// The tag reads and writes through IndexPages, which must outlive it, and reads nodes through
// its cache. Locking against other processes is the caller's affair: after another open may
// have changed the file, the caller has the pages catch up (IndexPages::catchUp), and the tag
// then reads its header again before its next use of the root.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/internal/CdxHeader.h"
#include "xbase/internal/CdxNode.h"
#include "xbase/internal/IndexKey.h"
#include "xbase/internal/IndexPages.h"
#include "xbase/internal/KeyBlock.h"

namespace xbase {

// Deeper trees are taken for corrupt: a walk down stops there.
constexpr int kMaxTreeDepth = 64;

// What a new tag (or IDX file) holds.
struct TagDefinition {
    std::string name;  // CDX tags only: up to 10 letters, digits and underscores
    std::string keyExpression;
    std::string forExpression;  // empty when there is none
    KeyType keyType = KeyType::Character;
    std::size_t keyLength = 0;  // 1..240
    bool unique = false;
    bool descending = false;
};

// The header of a new tag from its definition plus the kind options of its file (compact, and
// compound for CDX tags). Throws Error naming path for a key length outside 1..240.
TagHeader tagHeaderFor(const TagDefinition& definition, std::uint8_t kindOptions,
                       const std::string& path);

// Hands out the keys of a build one at a time: sets key and recno and returns true, or returns
// false when there are no more.
using KeySource = std::function<bool(std::string& key, std::uint32_t& recno)>;
// Told how far a build has got, 0 to 100; returns false to stop it.
using BuildProgress = std::function<bool(int percent)>;

class IndexTag {
  public:
    // Reads the tag whose header is at headerOffset. Its key type decides the trail byte that
    // rebuilds cut keys: the header does not record it, so the opener sets it (see setKeyType).
    IndexTag(IndexPages& pages, std::uint32_t headerOffset, std::string name = {},
             KeyType keyType = KeyType::Character);
    // Writes the header of a new, empty tag at headerOffset (its root an empty leaf) and returns
    // the tag.
    static IndexTag create(IndexPages& pages, std::uint32_t headerOffset, const TagHeader& header,
                           std::string name, KeyType keyType);

    const std::string& name() const { return name_; }
    std::uint32_t headerOffset() const { return headerOffset_; }
    // The header as the file holds it (see current()).
    const TagHeader& header() const { return current(); }
    std::size_t keyLength() const { return header_.keyLength; }
    const std::string& keyExpression() const { return header_.keyExpression; }
    const std::string& forExpression() const { return header_.forExpression; }
    bool unique() const { return header_.unique(); }
    bool descending() const { return header_.descending; }
    KeyType keyType() const { return keyType_; }
    void setKeyType(KeyType type) { keyType_ = type; }
    char trailByte() const { return keyTrailByte(keyType_); }

    // Reads the header again.
    void refresh() const;

    // Entries in the tag, counted leaf by leaf.
    std::uint64_t keyCount() const;

    // Keys given to insert, remove and build may be shorter than the key length: they are
    // padded with the trail byte. Longer keys throw Error.

    // Adds an entry. Returns false, changing nothing, when the entry is already there or the
    // tag is unique and already holds the key (a unique tag keeps the first record of a key).
    bool insert(std::string_view key, std::uint32_t recno);
    // Removes an entry; false when it is not there.
    bool remove(std::string_view key, std::uint32_t recno);
    // Adds the entry of a record the tag cannot hold yet (a record just appended). While the
    // pages hold their writes (an exclusive run of changes) a tag that is not unique holds
    // such entries back and puts them in together, in key order, each leaf taking all of its
    // new entries at once: before the tree is next read or changed in any other way, when
    // many are waiting, and when the file's held writes go out (see putPending).
    void insertNew(std::string_view key, std::uint32_t recno);
    // Puts in the entries held back by insertNew.
    void putPending();

    // Replaces the whole tree with the entries source hands out, in any order (they are sorted
    // here unless they arrive sorted); a unique tag keeps the lowest record number of each key.
    // Memory: the keys are held in one block of count x key length bytes plus 4 bytes per key;
    // sorting them takes up to 32 bytes per key more, their order 4 (a million 60-byte keys:
    // about 96 MB at the most, 68 MB once sorted). Progress runs from 0 to 50 while keys arrive,
    // measured against expectedKeys (0 when unknown), then to 100 while the tree is written.
    // Returns false when progress asked to stop; the tag is then unchanged and the pages
    // written so far are free again.
    bool build(const KeySource& source, std::uint64_t expectedKeys,
               const BuildProgress& progress = {});
    // The second half of build: writes the tree from keys already gathered, in the order
    // given (KeyBlock::order). Progress runs from 55 to 100.
    bool buildFrom(const KeyBlock& keys, const KeyOrder& order, const BuildProgress& progress = {});

    // Checks the whole tree: order of the entries, interior entries carrying their child's
    // greatest entry, every leaf at the same depth, sibling links, no empty node below the root.
    // Throws Error naming the file and the first problem found.
    void verify() const;

    // Puts every node of the tag on the free list (the tag is being dropped).
    void releasePages();

    // For cursors: the root, a decoded node, the file's page count.
    // The root, once any entries held back are in the tree.
    std::uint32_t root() const;
    IndexNode readNode(std::uint32_t offset) const;
    // The node at offset as the cache keeps it: keys side by side, shared with the cache.
    NodeCache::Node node(std::uint32_t offset) const;
    std::uint64_t pageCount() const { return pages_->pageCount(); }
    // See IndexPages::catchUp and generation.
    void catchUp() const { pages_->catchUp(); }
    std::uint64_t generation() const { return pages_->generation(); }
    [[noreturn]] void fail(const std::string& problem) const;

  private:
    struct PathStep {
        std::uint32_t offset;
        NodeCache::Node node;  // as read, shared with the cache
        std::size_t index;     // interior: the entry followed; leaf: the position of the entry
    };

    // The header, read again first when the pages have seen another open's changes since.
    const TagHeader& current() const;
    // Throws Error when the key is longer than the key length.
    void checkKeyLength(std::string_view key) const;
    std::string fullKey(std::string_view key) const;
    // Writes the encoded page of node and keeps the node in the cache as the page's.
    void writeNode(std::uint32_t offset, DecodedNode node, const IndexPage& page);
    void setRoot(std::uint32_t offset);
    void countChange();
    std::vector<std::uint32_t> treePages() const;

    std::vector<PathStep> pathTo(std::string_view key, std::uint32_t recno) const;
    // Puts sorted entries in, one leaf at a time.
    void insertSorted(const DecodedNode& added);
    void store(std::vector<PathStep>& path, std::size_t level, DecodedNode entries, bool appending);
    void unlink(const DecodedNode& node);
    void collapseRoot(std::uint32_t offset, std::uint32_t child);

    IndexPages* pages_;
    std::uint32_t headerOffset_;
    std::string name_;
    KeyType keyType_;
    mutable TagHeader header_;
    mutable std::uint64_t generation_ = 0;  // the pages' generation when header_ was read
    // Entries held back by insertNew; none while nothing is held back.
    std::optional<KeyBlock> pending_;
};

}  // namespace xbase

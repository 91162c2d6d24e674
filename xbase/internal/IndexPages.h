#pragma once
// The pages of an index file (CDX or IDX): whole 512-byte nodes and 1024-byte tag headers read
// and written at byte offsets, every offset checked against the file before use, and page
// allocation through the free page list whose head sits at offset 4 of the file's first header.
//
// Pages are read through a mapping of the file (see remap in IndexPages.cpp). Decoded nodes
// are kept in a cache of a few megabytes (see NodeCache.h); writes through this
// object keep it true. Other opens of the file, in this process or another, announce their
// changes through the change counter at offset 8 of the file's first header: each change to
// the file's tags raises it once its pages are written (countChange), and catchUp(), which the
// owner of the file calls before each operation, drops the cache when the counter moved.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "xbase/internal/CdxHeader.h"
#include "xbase/internal/CdxNode.h"
#include "xbase/internal/File.h"
#include "xbase/internal/NodeCache.h"

namespace xbase {

class IndexPages {
  public:
    explicit IndexPages(File file);

    const std::string& path() const { return file_.path(); }
    void requireStillAtPath() const { file_.requireStillAtPath(); }
    // Pages in the file as last seen; bounds every walk over the file's pages.
    std::uint64_t pageCount() const { return size_ / kIndexPageSize; }
    // Reads the file size again, after another process may have grown the file.
    void refresh();

    // Reads the change counter; when another open has changed the file since it was last
    // seen, forgets the cached nodes, reads the file size again and raises the generation.
    void catchUp();
    // How many times catchUp() has found the file changed by another open: whatever was read
    // from the file in an earlier generation may be out of date.
    std::uint64_t generation() const { return generation_; }
    // Raises the change counter on disk, after a change to the file's tags has been written;
    // returns the new count.
    std::uint32_t countChange();
    // The lock that other opens and programs take while they change the file's tags
    // (LockScheme::indexChanges()); taking it waits. A read lock keeps changes out for a look.
    void lockChanges(bool exclusive = true) {
        file_.lockBytes(LockScheme::indexChanges(), exclusive);
    }
    void unlockChanges() { file_.unlockBytes(LockScheme::indexChanges()); }

    // Whether offset is a page boundary inside the file past the first header.
    bool holdsNode(std::uint32_t offset) const;
    // Whether offset is a page boundary with a whole tag header inside the file.
    bool holdsHeader(std::uint32_t offset) const;
    // Throws Error naming the file when the offset does not hold a node.
    void readNode(std::uint32_t offset, IndexPage& page) const;
    // Nodes decoded from this file's pages; writes through this object drop the nodes they
    // overwrite.
    NodeCache& nodeCache() { return cache_; }
    void writeNode(std::uint32_t offset, const IndexPage& page);
    TagHeaderBytes readHeader(std::uint32_t offset) const;
    void writeHeader(std::uint32_t offset, const TagHeaderBytes& bytes);
    // Overwrites one 4-byte little-endian field of a header (a root pointer, a counter).
    void writeField(std::uint64_t offset, std::uint32_t value);
    // Overwrites one 4-byte field of the node at offset (a sibling link), checking the offset
    // as readNode does.
    void writeNodeField(std::uint32_t offset, std::size_t field, std::uint32_t value);

    // A page for a new node: the head of the free list, else a new page at the end.
    std::uint32_t allocatePage();
    // Two pages for a new tag header, at the end of the file.
    std::uint32_t allocateHeader();
    // Puts a page at the head of the free list.
    void releasePage(std::uint32_t offset);

    // While on, writes stay in memory (and reads see them) until they are turned off, the file
    // is synced or they pass a budget: an exclusive open's run of changes, which the table's
    // incomplete mark covers, writes each changed page once rather than once per key. Turning
    // them off writes what is held.
    void holdWrites(bool on);
    bool holdingWrites() const { return holding_; }
    // Writes what is held, then flushes the file to the disk.
    void sync();

    // Throws Error with the file name and the problem.
    [[noreturn]] void fail(const std::string& problem) const;

  private:
    std::uint32_t readChanges() const;
    // Reads and writes of bytes within the file, through the held pages.
    void readBytes(std::uint64_t offset, void* buf, std::size_t n, const char* what) const;
    void writeBytes(std::uint64_t offset, const void* buf, std::size_t n);
    // Bytes as the file holds them, through the mapping where it reaches.
    void readFile(std::uint64_t offset, void* buf, std::size_t n, const char* what) const;
    void remap();
    void writeHeld();
    std::uint32_t freeListHead();
    std::uint32_t append(std::uint32_t bytes);
    void checkNodeOffset(std::uint32_t offset, std::uint64_t limit) const;
    static bool isNodeOffset(std::uint32_t offset, std::uint64_t limit);

    File file_;
    FileMap map_;                            // the file as far as it reached when last mapped
    std::uint64_t size_ = 0;                 // bytes known to be in the file
    std::uint64_t end_ = 0;                  // where the next appended page goes
    std::uint32_t changes_ = 0;              // the change counter as last seen or written
    std::optional<std::uint32_t> freeHead_;  // the free list's head as the file holds it
    std::uint64_t generation_ = 0;
    NodeCache cache_;
    bool holding_ = false;
    std::map<std::uint32_t, IndexPage> held_;  // pages written while holding, by offset
};

// Holds the writes of one piece of work that writes many pages one by one (a tree being
// built), so that they go out in long runs, unless writes are held already. finish() writes
// them; a piece of work that ends in an error leaves them to go out with the next sync.
class HeldWrites {
  public:
    explicit HeldWrites(IndexPages& pages) : pages_(pages), own_(!pages.holdingWrites()) {
        if (own_) pages_.holdWrites(true);
    }
    HeldWrites(const HeldWrites&) = delete;
    HeldWrites& operator=(const HeldWrites&) = delete;
    ~HeldWrites();
    void finish();

  private:
    IndexPages& pages_;
    bool own_;
};

}  // namespace xbase

#pragma once
// The pages of an index file (CDX or IDX): whole 512-byte nodes and 1024-byte tag headers read
// and written at byte offsets, every offset checked against the file before use, and page
// allocation through the free page list whose head sits at offset 4 of the file's first header.
#include <cstdint>
#include <string>

#include "xbase/CdxHeader.h"
#include "xbase/CdxNode.h"
#include "xbase/File.h"

namespace xbase {

class IndexPages {
public:
    explicit IndexPages(File file);

    const std::string& path() const { return file_.path(); }
    // Pages in the file as last seen; bounds every walk over the file's pages.
    std::uint64_t pageCount() const { return size_ / kIndexPageSize; }
    // Reads the file size again, after another process may have grown the file.
    void refresh();

    // Whether offset is a page boundary inside the file past the first header.
    bool holdsNode(std::uint32_t offset) const;
    // Whether offset is a page boundary with a whole tag header inside the file.
    bool holdsHeader(std::uint32_t offset) const;
    // Throws Error naming the file when the offset does not hold a node.
    void readNode(std::uint32_t offset, IndexPage& page) const;
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

    void sync() { file_.sync(); }

    // Throws Error with the file name and the problem.
    [[noreturn]] void fail(const std::string& problem) const;

private:
    std::uint32_t freeListHead() const;
    std::uint32_t append(std::uint32_t bytes);
    void checkNodeOffset(std::uint32_t offset, std::uint64_t limit) const;
    static bool isNodeOffset(std::uint32_t offset, std::uint64_t limit);

    File file_;
    std::uint64_t size_ = 0;  // bytes known to be in the file
    std::uint64_t end_ = 0;   // where the next appended page goes
};

}  // namespace xbase

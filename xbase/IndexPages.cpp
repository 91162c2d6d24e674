#include "xbase/IndexPages.h"

#include <algorithm>

#include "xbase/Error.h"
#include "xbase/IndexBytes.h"

namespace xbase {

namespace {

// The cache's budgets: the interior levels of the trees (for 60-byte keys, about 3,000
// nodes: every interior node of a million-entry tag) and the most recently used leaves.
constexpr std::size_t kInteriorCacheBytes = std::size_t{2} << 20;
constexpr std::size_t kLeafCacheBytes = std::size_t{2} << 20;
constexpr std::uint64_t kLargestFile = 0xFFFFFE00;  // offsets are 32-bit and -1 means none

std::uint64_t roundUpToPage(std::uint64_t n) {
    return (n + kIndexPageSize - 1) / kIndexPageSize * kIndexPageSize;
}

}  // namespace

IndexPages::IndexPages(File file)
    : file_(std::move(file)), cache_(kInteriorCacheBytes, kLeafCacheBytes) {
    refresh();
    changes_ = readChanges();
}

void IndexPages::refresh() {
    size_ = file_.size();
    end_ = std::max(end_, roundUpToPage(size_));
}

std::uint32_t IndexPages::readChanges() const {
    std::uint8_t bytes[kTagLongSize] = {};
    file_.readAt(kTagChangesOffset, bytes, sizeof bytes);  // a new, still empty file counts 0
    return getLe(bytes, sizeof bytes);
}

void IndexPages::catchUp() {
    const std::uint32_t changes = readChanges();
    if (changes == changes_) return;
    changes_ = changes;
    cache_.clear();
    refresh();
    ++generation_;
}

std::uint32_t IndexPages::countChange() {
    writeField(kTagChangesOffset, ++changes_);
    return changes_;
}

void IndexPages::fail(const std::string& problem) const {
    throw Error(path() + ": " + problem);
}

bool IndexPages::isNodeOffset(std::uint32_t offset, std::uint64_t limit) {
    return offset % kIndexPageSize == 0 && offset >= kTagHeaderSize &&
           std::uint64_t{offset} + kIndexPageSize <= limit;
}

bool IndexPages::holdsNode(std::uint32_t offset) const {
    return isNodeOffset(offset, size_);
}

void IndexPages::checkNodeOffset(std::uint32_t offset, std::uint64_t limit) const {
    if (!isNodeOffset(offset, limit))
        fail("index page offset " + std::to_string(offset) + " is not a page inside the file");
}

void IndexPages::readNode(std::uint32_t offset, IndexPage& page) const {
    checkNodeOffset(offset, size_);
    file_.readExact(offset, page.data(), page.size(), "an index page");
}

void IndexPages::writeNode(std::uint32_t offset, const IndexPage& page) {
    checkNodeOffset(offset, end_);
    cache_.erase(offset);
    file_.writeAt(offset, page.data(), page.size());
    size_ = std::max(size_, std::uint64_t{offset} + kIndexPageSize);
}

bool IndexPages::holdsHeader(std::uint32_t offset) const {
    return offset % kIndexPageSize == 0 && std::uint64_t{offset} + kTagHeaderSize <= size_;
}

TagHeaderBytes IndexPages::readHeader(std::uint32_t offset) const {
    if (!holdsHeader(offset))
        fail("tag header offset " + std::to_string(offset) + " is not inside the file");
    TagHeaderBytes bytes;
    file_.readExact(offset, bytes.data(), bytes.size(), "a tag header");
    return bytes;
}

void IndexPages::writeHeader(std::uint32_t offset, const TagHeaderBytes& bytes) {
    cache_.erase(offset);
    cache_.erase(offset + kIndexPageSize);
    file_.writeAt(offset, bytes.data(), bytes.size());
    size_ = std::max(size_, std::uint64_t{offset} + kTagHeaderSize);
    end_ = std::max(end_, roundUpToPage(size_));
}

void IndexPages::writeField(std::uint64_t offset, std::uint32_t value) {
    std::uint8_t bytes[4];
    putLe(bytes, 4, value);
    cache_.erase(static_cast<std::uint32_t>(offset / kIndexPageSize * kIndexPageSize));
    file_.writeAt(offset, bytes, sizeof bytes);
}

void IndexPages::writeNodeField(std::uint32_t offset, std::size_t field, std::uint32_t value) {
    checkNodeOffset(offset, size_);
    writeField(offset + field, value);
}

std::uint32_t IndexPages::freeListHead() const {
    std::uint8_t bytes[kTagLongSize];
    file_.readExact(kTagFreeListOffset, bytes, sizeof bytes, "the free page list");
    const std::uint32_t head = getLe(bytes, sizeof bytes);
    return head == 0 ? kNoPage : head;  // some writers mark an empty list with 0
}

std::uint32_t IndexPages::append(std::uint32_t bytes) {
    const std::uint64_t offset = end_;
    if (offset + bytes > kLargestFile) fail("the index file has reached its largest size");
    end_ += bytes;
    return static_cast<std::uint32_t>(offset);
}

std::uint32_t IndexPages::allocatePage() {
    const std::uint32_t head = freeListHead();
    if (head == kNoPage) return append(kIndexPageSize);
    IndexPage page;
    readNode(head, page);
    const std::uint32_t next = getLe(&page[kFreePageNextOffset], kFreePageNextSize);
    if (next == head) fail("the free page list loops");
    writeField(kTagFreeListOffset, next);
    return head;
}

std::uint32_t IndexPages::allocateHeader() {
    return append(kTagHeaderSize);
}

void IndexPages::releasePage(std::uint32_t offset) {
    IndexPage page{};
    putLe(&page[kFreePageNextOffset], kFreePageNextSize, freeListHead());
    writeNode(offset, page);
    writeField(kTagFreeListOffset, offset);
}

}  // namespace xbase

#include "xbase/internal/IndexPages.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"

namespace xbase {

namespace {

// The cache's budgets: the interior levels of the trees (for 60-byte keys, about 3,000
// nodes: every interior node of a million-entry tag) and the most recently used leaves.
constexpr std::size_t kInteriorCacheBytes = std::size_t{2} << 20;
constexpr std::size_t kLeafCacheBytes = std::size_t{2} << 20;
constexpr std::uint64_t kLargestFile = 0xFFFFFE00;  // offsets are 32-bit and -1 means none
// The most that held writes keep in memory before they are written.
constexpr std::size_t kHeldPages = (std::size_t{8} << 20) / kIndexPageSize;
// The most bytes of held pages written in one call.
constexpr std::size_t kLongestWrite = std::size_t{256} << 10;

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
    remap();
}

void IndexPages::remap() {
    // Pages (and the change counter, read before every operation of a shared open) are read
    // from a mapping of the file rather than with a read call each. Nothing truncates an index
    // file, so what was mapped stays inside it; pages past the mapping are read with a call
    // until the next refresh or write of held pages maps the file again at its new size.
    if (size_ > map_.size()) map_ = file_.mapForReading(size_);
}

std::uint32_t IndexPages::readChanges() const {
    std::uint8_t bytes[kTagLongSize] = {};
    if (!held_.empty() && size_ >= kTagHeaderSize)
        readBytes(kTagChangesOffset, bytes, sizeof bytes, "the change counter");
    else if (map_.covers(kTagChangesOffset, sizeof bytes))
        map_.copy(kTagChangesOffset, bytes, sizeof bytes);
    else
        file_.readAt(kTagChangesOffset, bytes, sizeof bytes);  // a new, still empty file counts 0
    return loadLe(bytes, sizeof bytes);
}

void IndexPages::catchUp() {
    const std::uint32_t changes = readChanges();
    if (changes == changes_) return;
    changes_ = changes;
    cache_.clear();
    freeHead_.reset();
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
    readBytes(offset, page.data(), page.size(), "an index page");
}

void IndexPages::writeNode(std::uint32_t offset, const IndexPage& page) {
    checkNodeOffset(offset, end_);
    cache_.erase(offset);
    writeBytes(offset, page.data(), page.size());
    size_ = std::max(size_, std::uint64_t{offset} + kIndexPageSize);
}

void IndexPages::readFile(std::uint64_t offset, void* buf, std::size_t n, const char* what) const {
    if (map_.covers(offset, n))
        map_.copy(offset, buf, n);
    else
        file_.readExact(offset, buf, n, what);
}

void IndexPages::readBytes(std::uint64_t offset, void* buf, std::size_t n, const char* what) const {
    if (held_.empty()) {
        readFile(offset, buf, n, what);
        return;
    }
    // Page by page: a held page from memory, any other from the file.
    auto* out = static_cast<std::uint8_t*>(buf);
    for (std::uint64_t at = offset; at < offset + n;) {
        const std::uint64_t page = at / kIndexPageSize * kIndexPageSize;
        const std::size_t count =
            static_cast<std::size_t>(std::min(page + kIndexPageSize, offset + n) - at);
        auto it = held_.find(static_cast<std::uint32_t>(page));
        if (it != held_.end())
            std::memcpy(out + (at - offset), it->second.data() + (at - page), count);
        else
            readFile(at, out + (at - offset), count, what);
        at += count;
    }
}

void IndexPages::writeBytes(std::uint64_t offset, const void* buf, std::size_t n) {
    if (!holding_) {
        file_.writeAt(offset, buf, n);
        return;
    }
    const auto* in = static_cast<const std::uint8_t*>(buf);
    for (std::uint64_t at = offset; at < offset + n;) {
        const std::uint64_t page = at / kIndexPageSize * kIndexPageSize;
        const std::size_t count =
            static_cast<std::size_t>(std::min(page + kIndexPageSize, offset + n) - at);
        auto [it, added] = held_.try_emplace(static_cast<std::uint32_t>(page));
        if (added && count < kIndexPageSize) {
            // Part of a page: the rest is what the file holds there (nothing past its end).
            it->second.fill(0);
            file_.readAt(page, it->second.data(), kIndexPageSize);
        }
        std::memcpy(it->second.data() + (at - page), in + (at - offset), count);
        at += count;
    }
    if (held_.size() > kHeldPages) writeHeld();
}

void IndexPages::writeHeld() {
    // Runs of neighbouring pages go out in one write each, in file order, a long run in
    // pieces: a tag build holds the whole budget as one run, which copied whole would double
    // what the held pages take.
    std::vector<std::uint8_t> run;
    std::uint64_t runStart = 0;
    for (auto it = held_.begin(); it != held_.end();) {
        runStart = it->first;
        run.clear();
        std::uint64_t next = runStart;
        for (; it != held_.end() && it->first == next && run.size() < kLongestWrite;
             ++it, next += kIndexPageSize)
            run.insert(run.end(), it->second.begin(), it->second.end());
        file_.writeAt(runStart, run.data(), run.size());
        // Written pages leave the map only once they are on their way, so a failed write
        // leaves every page not yet written held.
        held_.erase(held_.begin(), it);
    }
    remap();
}

void IndexPages::holdWrites(bool on) {
    if (!on) writeHeld();
    holding_ = on;
}

void IndexPages::sync() {
    writeHeld();
    file_.sync();
}

bool IndexPages::holdsHeader(std::uint32_t offset) const {
    return offset % kIndexPageSize == 0 && std::uint64_t{offset} + kTagHeaderSize <= size_;
}

TagHeaderBytes IndexPages::readHeader(std::uint32_t offset) const {
    if (!holdsHeader(offset))
        fail("tag header offset " + std::to_string(offset) + " is not inside the file");
    TagHeaderBytes bytes;
    readBytes(offset, bytes.data(), bytes.size(), "a tag header");
    return bytes;
}

void IndexPages::writeHeader(std::uint32_t offset, const TagHeaderBytes& bytes) {
    if (offset == 0) freeHead_.reset();
    cache_.erase(offset);
    cache_.erase(offset + kIndexPageSize);
    writeBytes(offset, bytes.data(), bytes.size());
    size_ = std::max(size_, std::uint64_t{offset} + kTagHeaderSize);
    end_ = std::max(end_, roundUpToPage(size_));
}

void IndexPages::writeField(std::uint64_t offset, std::uint32_t value) {
    if (offset == kTagFreeListOffset) freeHead_.reset();
    std::uint8_t bytes[4];
    storeLe(bytes, 4, value);
    cache_.erase(static_cast<std::uint32_t>(offset / kIndexPageSize * kIndexPageSize));
    writeBytes(offset, bytes, sizeof bytes);
    if (offset == kTagFreeListOffset) freeHead_ = value;
}

void IndexPages::writeNodeField(std::uint32_t offset, std::size_t field, std::uint32_t value) {
    checkNodeOffset(offset, size_);
    writeField(offset + field, value);
}

std::uint32_t IndexPages::freeListHead() {
    if (!freeHead_) {
        std::uint8_t bytes[kTagLongSize];
        readBytes(kTagFreeListOffset, bytes, sizeof bytes, "the free page list");
        freeHead_ = loadLe(bytes, sizeof bytes);
    }
    return *freeHead_ == 0 ? kNoPage : *freeHead_;  // some writers mark an empty list with 0
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
    const std::uint32_t next = loadLe(&page[kFreePageNextOffset], kFreePageNextSize);
    if (next == head) fail("the free page list loops");
    writeField(kTagFreeListOffset, next);
    return head;
}

std::uint32_t IndexPages::allocateHeader() {
    return append(kTagHeaderSize);
}

void IndexPages::releasePage(std::uint32_t offset) {
    IndexPage page{};
    storeLe(&page[kFreePageNextOffset], kFreePageNextSize, freeListHead());
    writeNode(offset, page);
    writeField(kTagFreeListOffset, offset);
}

HeldWrites::~HeldWrites() {
    if (!own_) return;
    try {
        pages_.holdWrites(false);
    } catch (const Error&) {
        // Reached only while the work's own error is on its way out: the pages stay held and
        // the next sync writes them (or reports why it cannot).
    }
}

void HeldWrites::finish() {
    if (!own_) return;
    own_ = false;
    pages_.holdWrites(false);
}

}  // namespace xbase

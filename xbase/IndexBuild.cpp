// Building a tag's tree in one pass: the keys are gathered into one block, sorted unless they
// arrived in order, packed into full leaves from left to right, and the interior levels are
// written bottom-up from the greatest entry of each node below, until one node is left: the
// root. The old tree's pages go on the free list once the new root is in place.
#include <algorithm>
#include <numeric>

#include "xbase/Error.h"
#include "xbase/IndexTag.h"

namespace xbase {

namespace {

// The keys of a build, one after the other in one block, with their record numbers.
class KeyBlock {
public:
    explicit KeyBlock(std::size_t keyLength) : keyLength_(keyLength) {}

    void reserve(std::uint64_t count) {
        const std::uint64_t n = std::min<std::uint64_t>(count, kLargestReserve);
        bytes_.reserve(n * keyLength_);
        recnos_.reserve(n);
    }
    void add(std::string_view key, std::uint32_t recno) {
        bytes_.append(key);
        recnos_.push_back(recno);
    }
    std::uint32_t size() const { return static_cast<std::uint32_t>(recnos_.size()); }
    std::string_view key(std::uint32_t i) const {
        return std::string_view(bytes_).substr(std::size_t{i} * keyLength_, keyLength_);
    }
    std::uint32_t recno(std::uint32_t i) const { return recnos_[i]; }
    int compare(std::uint32_t a, std::uint32_t b) const {
        return compareIndexEntries(key(a), recno(a), key(b), recno(b));
    }

private:
    // A count beyond this is not trusted for reserving memory up front.
    static constexpr std::uint64_t kLargestReserve = 1 << 24;
    std::size_t keyLength_;
    std::string bytes_;
    std::vector<std::uint32_t> recnos_;
};

// Writes the nodes of one level from left to right, each linked to its neighbours, and
// gathers the entries the level above needs: each node's greatest entry and its offset.
class LevelWriter {
public:
    LevelWriter(IndexPages& pages, std::size_t keyLength, char trail, bool leaf,
                std::vector<std::uint32_t>& allocated)
        : pages_(pages), keyLength_(keyLength), trail_(trail), allocated_(allocated) {
        pending_.leaf = leaf;
    }

    void add(std::vector<NodeEntry> entries) {
        const std::uint32_t offset = pages_.allocatePage();
        allocated_.push_back(offset);
        std::uint32_t left = kNoPage;
        if (hasPending_) {
            pending_.right = offset;
            write();
            left = pendingOffset_;
        }
        pending_.left = left;
        pending_.right = kNoPage;
        pending_.entries = std::move(entries);
        pendingOffset_ = offset;
        hasPending_ = true;
    }

    // Writes the last node, the root when it is the only one, and returns the entries for the
    // level above. Only a root leaf may be empty.
    std::vector<NodeEntry> finish() {
        pending_.root = uppers_.empty();
        write();
        return std::move(uppers_);
    }

private:
    void write() {
        pages_.writeNode(pendingOffset_, encodeNode(pending_, keyLength_, trail_));
        NodeEntry upper;
        if (!pending_.entries.empty()) upper = pending_.entries.back();
        upper.child = pendingOffset_;
        uppers_.push_back(std::move(upper));
    }

    IndexPages& pages_;
    std::size_t keyLength_;
    char trail_;
    std::vector<std::uint32_t>& allocated_;
    IndexNode pending_;
    std::uint32_t pendingOffset_ = kNoPage;
    bool hasPending_ = false;
    std::vector<NodeEntry> uppers_;
};

// Calls the progress callback when the percentage changes; false when it asked to stop.
class ProgressReport {
public:
    explicit ProgressReport(const BuildProgress& progress) : progress_(progress) {}
    bool operator()(std::uint64_t done, std::uint64_t total, int from, int to) {
        if (!progress_) return true;
        const int percent =
            total == 0 ? to : from + static_cast<int>((to - from) * std::min(done, total) / total);
        if (percent == last_) return true;
        last_ = percent;
        return progress_(percent);
    }

private:
    const BuildProgress& progress_;
    int last_ = -1;
};

}  // namespace

bool IndexTag::build(const KeySource& source, std::uint64_t expectedKeys,
                     const BuildProgress& progress) {
    ProgressReport report(progress);
    KeyBlock keys(keyLength());
    keys.reserve(expectedKeys);
    bool sorted = true;
    std::string key;
    std::uint32_t recno = 0;
    if (!report(0, expectedKeys, 0, 50)) return false;
    while (source(key, recno)) {
        if (keys.size() == 0xFFFFFFFF) fail("more keys than a tag can hold");
        keys.add(fullKey(key), recno);
        const std::uint32_t n = keys.size();
        sorted = sorted && (n == 1 || keys.compare(n - 2, n - 1) <= 0);
        if (!report(n, expectedKeys, 0, 50)) return false;
    }
    std::vector<std::uint32_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    if (!sorted)
        std::sort(order.begin(), order.end(),
                  [&](std::uint32_t a, std::uint32_t b) { return keys.compare(a, b) < 0; });
    if (!report(1, 1, 0, 55)) return false;

    std::vector<std::uint32_t> allocated;
    auto abandon = [&] {
        for (std::uint32_t offset : allocated) pages_->releasePage(offset);
        return false;
    };
    // The entries in order, without repeats (and for a unique tag with one entry per key).
    std::size_t next = 0;
    std::vector<NodeEntry> window;
    std::uint32_t previous = 0;
    auto refill = [&] {
        for (; window.size() < kMaxLeafEntries && next < order.size(); ++next) {
            const std::uint32_t i = order[next];
            if (next > 0 && keys.key(i) == keys.key(previous) &&
                (unique() || keys.recno(i) == keys.recno(previous)))
                continue;
            previous = i;
            window.push_back(NodeEntry{std::string(keys.key(i)), keys.recno(i), 0});
        }
    };

    LevelWriter leaves(*pages_, keyLength(), trailByte(), true, allocated);
    refill();
    if (window.empty()) leaves.add({});
    while (!window.empty()) {
        const std::size_t fill = leafFill(window, keyLength(), trailByte());
        const auto split = window.begin() + static_cast<std::ptrdiff_t>(fill);
        leaves.add(std::vector<NodeEntry>(std::make_move_iterator(window.begin()),
                                          std::make_move_iterator(split)));
        window.erase(window.begin(), split);
        refill();
        if (!report(next, order.size(), 55, 99)) return abandon();
    }
    std::vector<NodeEntry> uppers = leaves.finish();
    const std::size_t capacity = interiorCapacity(keyLength());
    while (uppers.size() > 1) {
        LevelWriter level(*pages_, keyLength(), trailByte(), false, allocated);
        for (std::size_t start = 0; start < uppers.size(); start += capacity) {
            const auto from = uppers.begin() + static_cast<std::ptrdiff_t>(start);
            level.add(std::vector<NodeEntry>(from, from + static_cast<std::ptrdiff_t>(std::min(
                                                              capacity, uppers.size() - start))));
        }
        uppers = level.finish();
    }

    std::vector<std::uint32_t> oldPages;
    try {
        oldPages = treePages();
    } catch (const Error&) {
        // A damaged old tree is what a rebuild repairs; its pages are left where they are.
    }
    setRoot(uppers.front().child);
    countChange();
    for (std::uint32_t offset : oldPages) pages_->releasePage(offset);
    report(1, 1, 0, 100);
    return true;
}

}  // namespace xbase

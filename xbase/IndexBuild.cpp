// Building a tag's tree in one pass: the keys are gathered into one block, sorted unless they
// arrived in order, packed into full leaves from left to right, and the interior levels are
// written bottom-up from the greatest entry of each node below, until one node is left: the
// root. The old tree's pages go on the free list once the new root is in place.
#include <algorithm>

#include "xbase/Error.h"
#include "xbase/internal/IndexTag.h"
#include "xbase/internal/KeyBlock.h"

namespace xbase {

namespace {

// Writes the nodes of one level from left to right, each linked to its neighbours, and
// gathers the entries the level above needs: each node's greatest entry and its offset. The
// page of the next node is taken when the one before it is written, so that it can link to it.
class LevelWriter {
  public:
    LevelWriter(IndexPages& pages, std::vector<std::uint32_t>& allocated)
        : pages_(pages), allocated_(allocated), offset_(allocate()) {}

    // Writes the node being filled, the level's last when last is set (the root when it is also
    // the first). encode(root, left, right) gives its page; greatest is its greatest entry,
    // which only an empty root leaf lacks.
    template <class Encode>
    void write(NodeEntry greatest, bool last, const Encode& encode) {
        const std::uint32_t right = last ? kNoPage : allocate();
        pages_.writeNode(offset_, encode(last && left_ == kNoPage, left_, right));
        greatest.child = offset_;
        uppers_.push_back(std::move(greatest));
        left_ = offset_;
        offset_ = right;
    }

    // The entries for the level above.
    std::vector<NodeEntry> finish() { return std::move(uppers_); }

  private:
    std::uint32_t allocate() {
        const std::uint32_t offset = pages_.allocatePage();
        allocated_.push_back(offset);
        return offset;
    }

    IndexPages& pages_;
    std::vector<std::uint32_t>& allocated_;
    std::uint32_t offset_;
    std::uint32_t left_ = kNoPage;
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
    KeyBlock keys(keyLength(), trailByte());
    keys.reserve(expectedKeys);
    std::string key;
    std::uint32_t recno = 0;
    if (!report(0, expectedKeys, 0, 50)) return false;
    while (source(key, recno)) {
        if (keys.size() == 0xFFFFFFFF) fail("more keys than a tag can hold");
        checkKeyLength(key);
        keys.add(key, recno);
        if (!report(keys.size(), expectedKeys, 0, 50)) return false;
    }
    return buildFrom(keys, keys.order(), progress);
}

bool IndexTag::buildFrom(const KeyBlock& keys, const KeyOrder& order,
                         const BuildProgress& progress) {
    putPending();  // a stopped build leaves the tag as it was, entries held back included
    ProgressReport report(progress);
    if (!report(1, 1, 0, 55)) return false;

    std::vector<std::uint32_t> allocated;
    HeldWrites held(*pages_);
    auto abandon = [&] {
        for (std::uint32_t offset : allocated) pages_->releasePage(offset);
        held.finish();
        return false;
    };
    // The entries in order, without repeats (and for a unique tag with one entry per key),
    // each leaf filled until the next entry does not fit.
    LevelWriter leaves(*pages_, allocated);
    LeafPacker leaf(keyLength(), trailByte());
    auto add = [&](std::uint32_t i) { return leaf.addStored(keys.key(i), keys.recno(i)); };
    auto encodeLeaf = [&](bool root, std::uint32_t left, std::uint32_t right) {
        return leaf.encode(root, left, right);
    };
    auto writeLeaf = [&](std::uint32_t greatest, bool last) {
        NodeEntry entry;
        if (leaf.size() > 0) {
            entry = {std::string(keyLength(), trailByte()), keys.recno(greatest)};
            keys.copyKey(greatest, entry.key.data());
        }
        leaves.write(std::move(entry), last, encodeLeaf);
        leaf.clear();
    };
    std::uint32_t previous = 0;
    for (std::size_t next = 0; next < order.size(); ++next) {
        if (next + KeyBlock::kLookAhead < order.size())
            keys.prefetch(order[next + KeyBlock::kLookAhead]);
        if (next + KeyBlock::kLookAhead / 2 < order.size())
            keys.prefetchKey(order[next + KeyBlock::kLookAhead / 2]);
        const std::uint32_t i = order[next];
        // Record numbers first: a tag that lists every entry repeats one only for the same
        // record, which a build from the records never gives, so the keys are rarely compared.
        if (next > 0 && (unique() || keys.recno(i) == keys.recno(previous)) &&
            keys.key(i) == keys.key(previous))
            continue;
        if (!add(i)) {
            writeLeaf(previous, false);
            add(i);
            if (!report(next, order.size(), 55, 99)) return abandon();
        }
        previous = i;
    }
    writeLeaf(previous, true);

    std::vector<NodeEntry> uppers = leaves.finish();
    const std::size_t capacity = interiorCapacity(keyLength());
    while (uppers.size() > 1) {
        LevelWriter level(*pages_, allocated);
        for (std::size_t start = 0; start < uppers.size(); start += capacity) {
            IndexNode node;
            node.leaf = false;
            const auto from = uppers.begin() + static_cast<std::ptrdiff_t>(start);
            node.entries.assign(from, from + static_cast<std::ptrdiff_t>(
                                                 std::min(capacity, uppers.size() - start)));
            const bool last = start + capacity >= uppers.size();
            level.write(node.entries.back(), last,
                        [&](bool root, std::uint32_t left, std::uint32_t right) {
                            node.root = root;
                            node.left = left;
                            node.right = right;
                            return encodeNode(node, keyLength(), trailByte());
                        });
        }
        uppers = level.finish();
    }

    std::vector<std::uint32_t> oldPages;
    try {
        oldPages = treePages();
    } catch (const Error&) {
        // A damaged old tree is what a rebuild repairs; its pages are left where they are.
    }
    held.finish();
    setRoot(uppers.front().child);
    countChange();
    for (std::uint32_t offset : oldPages) pages_->releasePage(offset);
    report(1, 1, 0, 100);
    return true;
}

}  // namespace xbase

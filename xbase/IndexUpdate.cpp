// Adding and removing single entries. A change rewrites the leaf it lands in; a node that no
// longer fits is split (in two where possible, else into as many pieces as it takes) and its
// parent gets an entry for each new piece; a node left empty is unlinked from its siblings,
// freed and removed from its parent; nodes that merely shrink stay as they are. Interior
// entries are kept equal to the greatest entry below them, the root splits upwards and a root
// left with a single child hands the root over to it.
#include <algorithm>
#include <iterator>
#include <span>

#include "xbase/Error.h"
#include "xbase/IndexCursor.h"
#include "xbase/IndexTag.h"

namespace xbase {

namespace {

// Where the pieces of a leaf that may not fit one page begin. When entries are being appended
// at the right end of the tree the left piece stays full, so that ascending loads fill pages.
std::vector<std::size_t> leafCuts(const std::vector<NodeEntry>& entries, std::size_t keyLength,
                                  char trail, bool appending) {
    const std::span<const NodeEntry> all(entries);
    const std::size_t n = entries.size();
    auto fits = [&](std::size_t from, std::size_t to) {
        return leafFill(all.subspan(from, to - from), keyLength, trail) == to - from;
    };
    if (fits(0, n)) return {0};
    if (appending && fits(0, n - 1)) return {0, n - 1};
    for (std::size_t d = 0; d <= n / 2; ++d) {
        for (std::size_t k : {n / 2 - d, n / 2 + d})
            if (k > 0 && k < n && fits(0, k) && fits(k, n)) return {0, k};
    }
    std::vector<std::size_t> cuts;
    for (std::size_t start = 0; start < n; start += leafFill(all.subspan(start), keyLength, trail))
        cuts.push_back(start);
    return cuts;
}

std::vector<std::size_t> interiorCuts(std::size_t n, std::size_t capacity, bool appending) {
    std::vector<std::size_t> cuts;
    if (appending) {
        for (std::size_t start = 0; start < n; start += capacity) cuts.push_back(start);
    } else {
        const std::size_t pieces = (n + capacity - 1) / capacity;
        for (std::size_t i = 0; i < pieces; ++i) cuts.push_back(i * n / pieces);
    }
    return cuts;
}

bool sameEntry(const NodeEntry& a, const NodeEntry& b) {
    return a.recno == b.recno && a.key == b.key;
}

}  // namespace

std::vector<IndexTag::PathStep> IndexTag::pathTo(const std::string& key,
                                                 std::uint32_t recno) const {
    std::vector<PathStep> path;
    std::uint32_t offset = root();
    while (path.size() <= static_cast<std::size_t>(kMaxTreeDepth)) {
        for (const PathStep& step : path)
            if (step.offset == offset)
                fail("index page " + std::to_string(offset) + " is its own descendant");
        IndexNode node = readNode(offset);
        auto pos =
            std::find_if_not(node.entries.begin(), node.entries.end(), [&](const NodeEntry& e) {
                return compareIndexEntries(e.key, e.recno, key, recno) < 0;
            });
        if (!node.leaf) {
            if (node.entries.empty())
                fail("interior index page " + std::to_string(offset) + " has no entries");
            if (pos == node.entries.end()) --pos;
        }
        const auto index = static_cast<std::size_t>(pos - node.entries.begin());
        const std::uint32_t child = node.leaf ? kNoPage : pos->child;
        const bool leaf = node.leaf;
        path.push_back(PathStep{offset, std::move(node), index});
        if (leaf) return path;
        offset = child;
    }
    fail("the index tree is deeper than " + std::to_string(kMaxTreeDepth) + " levels");
}

bool IndexTag::insert(std::string_view key, std::uint32_t recno) {
    const std::string full = fullKey(key);
    if (unique() && IndexCursor(*this).seek(full)) return false;
    std::vector<PathStep> path = pathTo(full, recno);
    PathStep& leaf = path.back();
    std::vector<NodeEntry> entries = std::move(leaf.node.entries);
    const NodeEntry added{full, recno, 0};
    if (leaf.index < entries.size() && sameEntry(entries[leaf.index], added)) return false;
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(leaf.index), added);
    const bool appending = leaf.index + 1 == entries.size() && leaf.node.right == kNoPage;
    store(path, path.size() - 1, std::move(entries), appending);
    countChange();
    return true;
}

bool IndexTag::remove(std::string_view key, std::uint32_t recno) {
    const std::string full = fullKey(key);
    std::vector<PathStep> path = pathTo(full, recno);
    PathStep& leaf = path.back();
    if (leaf.index >= leaf.node.entries.size() ||
        !sameEntry(leaf.node.entries[leaf.index], NodeEntry{full, recno, 0}))
        return false;
    std::vector<NodeEntry> entries = std::move(leaf.node.entries);
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(leaf.index));
    store(path, path.size() - 1, std::move(entries), false);
    countChange();
    return true;
}

void IndexTag::store(std::vector<PathStep>& path, std::size_t level, std::vector<NodeEntry> entries,
                     bool appending) {
    PathStep& step = path[level];
    const IndexNode& old = step.node;
    const bool isRoot = level == 0;
    if (entries.empty()) {
        if (isRoot) {
            IndexNode empty;
            empty.root = true;
            writeNode(step.offset, empty);
            return;
        }
        unlink(old);
        pages_->releasePage(step.offset);
        PathStep& parent = path[level - 1];
        std::vector<NodeEntry> parentEntries = std::move(parent.node.entries);
        parentEntries.erase(parentEntries.begin() + static_cast<std::ptrdiff_t>(parent.index));
        store(path, level - 1, std::move(parentEntries), false);
        return;
    }
    if (isRoot && !old.leaf && entries.size() == 1) {
        collapseRoot(step.offset, entries.front().child);
        return;
    }

    const std::vector<std::size_t> cuts =
        old.leaf ? leafCuts(entries, keyLength(), trailByte(), appending)
                 : interiorCuts(entries.size(), interiorCapacity(keyLength()), appending);
    const std::size_t pieces = cuts.size();
    std::vector<std::uint32_t> offsets{step.offset};
    while (offsets.size() < pieces) offsets.push_back(pages_->allocatePage());
    std::vector<NodeEntry> uppers;
    for (std::size_t i = 0; i < pieces; ++i) {
        IndexNode piece;
        piece.leaf = old.leaf;
        piece.root = isRoot && pieces == 1;
        piece.left = i > 0 ? offsets[i - 1] : old.left;
        piece.right = i + 1 < pieces ? offsets[i + 1] : old.right;
        const std::size_t end = i + 1 < pieces ? cuts[i + 1] : entries.size();
        piece.entries.assign(
            std::make_move_iterator(entries.begin() + static_cast<std::ptrdiff_t>(cuts[i])),
            std::make_move_iterator(entries.begin() + static_cast<std::ptrdiff_t>(end)));
        writeNode(offsets[i], piece);
        uppers.push_back(
            NodeEntry{piece.entries.back().key, piece.entries.back().recno, offsets[i]});
    }
    if (pieces > 1 && old.right != kNoPage)
        pages_->writeNodeField(old.right, kNodeLeftOffset, offsets.back());

    if (isRoot) {
        if (pieces == 1) {
            if (step.offset != root()) setRoot(step.offset);
            return;
        }
        // The root split: a new root above it takes an entry for each piece.
        PathStep top{pages_->allocatePage(), IndexNode{}, 0};
        top.node.leaf = false;
        path.insert(path.begin(), std::move(top));
        store(path, 0, std::move(uppers), appending);
        return;
    }
    PathStep& parent = path[level - 1];
    if (pieces == 1 && sameEntry(parent.node.entries[parent.index], uppers.front())) return;
    std::vector<NodeEntry> parentEntries = std::move(parent.node.entries);
    const auto slot = parentEntries.begin() + static_cast<std::ptrdiff_t>(parent.index);
    *slot = uppers.front();
    parentEntries.insert(slot + 1, uppers.begin() + 1, uppers.end());
    store(path, level - 1, std::move(parentEntries),
          appending && pieces > 1 && parent.node.right == kNoPage);
}

void IndexTag::unlink(const IndexNode& node) {
    if (node.left != kNoPage) pages_->writeNodeField(node.left, kNodeRightOffset, node.right);
    if (node.right != kNoPage) pages_->writeNodeField(node.right, kNodeLeftOffset, node.left);
}

void IndexTag::collapseRoot(std::uint32_t offset, std::uint32_t child) {
    IndexNode node = readNode(child);
    node.root = true;
    node.left = node.right = kNoPage;
    writeNode(child, node);
    setRoot(child);
    pages_->releasePage(offset);
    if (!node.leaf && node.entries.size() == 1) collapseRoot(child, node.entries.front().child);
}

}  // namespace xbase

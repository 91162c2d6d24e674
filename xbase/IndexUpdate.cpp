// Adding and removing single entries. A change rewrites the leaf it lands in; a node that no
// longer fits is split (in two where possible, else into as many pieces as it takes) and its
// parent gets an entry for each new piece; a node left empty is unlinked from its siblings,
// freed and removed from its parent; nodes that merely shrink stay as they are. Interior
// entries are kept equal to the greatest entry below them, the root splits upwards and a root
// left with a single child hands the root over to it.
#include <algorithm>

#include "xbase/Error.h"
#include "xbase/internal/IndexCursor.h"
#include "xbase/internal/IndexTag.h"

namespace xbase {

namespace {

// Entries held back by insertNew are put in once this many wait.
constexpr std::size_t kMostPending = 32768;

// Where the pieces of a leaf that may not fit one page begin. When entries are being appended
// at the right end of the tree the left piece stays full, so that ascending loads fill pages.
// When the whole leaf fits, packer is left holding all of it, ready to encode.
std::vector<std::size_t> leafCuts(const DecodedNode& entries, LeafPacker& packer, bool appending) {
    const std::size_t n = entries.size();
    // How many entries from `from` on fit one leaf, counting no further than `to`.
    auto fill = [&](std::size_t from, std::size_t to) {
        packer.clear();
        std::size_t i = from;
        while (i < to && packer.add(entries.key(i), entries.recnos[i])) ++i;
        return i - from;
    };
    auto fits = [&](std::size_t from, std::size_t to) { return fill(from, to) == to - from; };
    const std::size_t first = fill(0, n);
    if (first == n) return {0};
    // Each piece as full as it can be: for entries appended at the right end, and for more
    // entries than two leaves hold.
    auto greedy = [&] {
        std::vector<std::size_t> cuts{0};
        for (std::size_t start = first; start < n; start += fill(start, n)) cuts.push_back(start);
        return cuts;
    };
    if (appending || !fits(first, n)) return greedy();
    // Two pieces do: the cut nearest the middle, leaving room on both sides.
    for (std::size_t d = 0; d <= n / 2; ++d) {
        for (std::size_t k : {n / 2 - d, n / 2 + d})
            if (k > 0 && k < n && fits(0, k) && fits(k, n)) return {0, k};
    }
    return greedy();
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

bool holdsEntry(const DecodedNode& node, std::size_t i, std::string_view key, std::uint32_t recno) {
    return i < node.size() && node.recnos[i] == recno && node.key(i) == key;
}

int compareEntries(const DecodedNode& a, std::size_t i, const DecodedNode& b, std::size_t j) {
    return compareIndexEntries(a.key(i), a.recnos[i], b.key(j), b.recnos[j]);
}

// The entries of a leaf with added entries [from, to) merged in, leaving out those it holds.
DecodedNode mergeEntries(const DecodedNode& leaf, const DecodedNode& added, std::size_t from,
                         std::size_t to) {
    DecodedNode merged;
    merged.keyLength = leaf.keyLength;
    merged.keys.reserve(leaf.keys.size() + (to - from) * leaf.keyLength);
    merged.recnos.reserve(leaf.size() + to - from);
    auto take = [&](const DecodedNode& node, std::size_t i) {
        merged.keys.append(node.key(i));
        merged.recnos.push_back(node.recnos[i]);
    };
    std::size_t i = 0;
    while (i < leaf.size() || from < to) {
        const int order = i == leaf.size() ? 1
                          : from == to     ? -1
                                           : compareEntries(leaf, i, added, from);
        if (order <= 0) take(leaf, i++);
        if (order >= 0) {
            if (order > 0) take(added, from);
            ++from;
        }
    }
    return merged;
}

}  // namespace

std::vector<IndexTag::PathStep> IndexTag::pathTo(std::string_view key, std::uint32_t recno) const {
    std::vector<PathStep> path;
    std::uint32_t offset = root();
    while (path.size() <= static_cast<std::size_t>(kMaxTreeDepth)) {
        for (const PathStep& step : path)
            if (step.offset == offset)
                fail("index page " + std::to_string(offset) + " is its own descendant");
        NodeCache::Node node = this->node(offset);
        std::size_t lo = 0;
        for (std::size_t hi = node->size(); lo < hi;) {
            const std::size_t mid = lo + (hi - lo) / 2;
            if (compareIndexEntries(node->key(mid), node->recnos[mid], key, recno) < 0)
                lo = mid + 1;
            else
                hi = mid;
        }
        if (!node->leaf) {
            if (node->size() == 0)
                fail("interior index page " + std::to_string(offset) + " has no entries");
            if (lo == node->size()) --lo;
        }
        const bool leaf = node->leaf;
        const std::uint32_t child = leaf ? kNoPage : node->children[lo];
        path.push_back(PathStep{offset, std::move(node), lo});
        if (leaf) return path;
        offset = child;
    }
    fail("the index tree is deeper than " + std::to_string(kMaxTreeDepth) + " levels");
}

bool IndexTag::insert(std::string_view key, std::uint32_t recno) {
    const std::string full = fullKey(key);
    if (unique() && IndexCursor(*this).seek(full)) return false;
    std::vector<PathStep> path = pathTo(full, recno);
    const PathStep& leaf = path.back();
    if (holdsEntry(*leaf.node, leaf.index, full, recno)) return false;
    DecodedNode entries = *leaf.node;
    entries.insertEntry(leaf.index, full, recno);
    const bool appending = leaf.index + 1 == entries.size() && leaf.node->right == kNoPage;
    store(path, path.size() - 1, std::move(entries), appending);
    countChange();
    return true;
}

void IndexTag::insertNew(std::string_view key, std::uint32_t recno) {
    if (unique() || !pages_->holdingWrites()) {
        insert(key, recno);
        return;
    }
    checkKeyLength(key);
    if (!pending_) pending_.emplace(keyLength(), trailByte());
    pending_->add(key, recno);
    if (pending_->size() >= kMostPending) putPending();
}

void IndexTag::putPending() {
    if (!pending_) return;
    // Out of the tag first: the walks below must not put them in again.
    const KeyBlock keys = std::move(*pending_);
    pending_.reset();
    DecodedNode added;
    added.keyLength = keyLength();
    std::string key(keyLength(), trailByte());
    for (std::uint32_t i : keys.order()) {
        keys.copyKey(i, key.data());
        if (added.size() > 0 && holdsEntry(added, added.size() - 1, key, keys.recno(i))) continue;
        added.keys.append(key);
        added.recnos.push_back(keys.recno(i));
    }
    insertSorted(added);
    countChange();
}

void IndexTag::insertSorted(const DecodedNode& added) {
    for (std::size_t i = 0; i < added.size();) {
        std::vector<PathStep> path = pathTo(added.key(i), added.recnos[i]);
        const NodeCache::Node leaf = path.back().node;
        // The leaf takes the entries up to its greatest; the rightmost leaf takes all the rest.
        const bool rightmost = leaf->right == kNoPage;
        std::size_t end = i + 1;
        if (rightmost)
            end = added.size();
        else if (leaf->size() > 0)
            while (end < added.size() && compareEntries(added, end, *leaf, leaf->size() - 1) <= 0)
                ++end;
        DecodedNode entries = mergeEntries(*leaf, added, i, end);
        const bool appending = rightmost && (leaf->size() == 0 ||
                                             compareEntries(added, i, *leaf, leaf->size() - 1) > 0);
        if (entries.size() != leaf->size())
            store(path, path.size() - 1, std::move(entries), appending);
        i = end;
    }
}

bool IndexTag::remove(std::string_view key, std::uint32_t recno) {
    const std::string full = fullKey(key);
    std::vector<PathStep> path = pathTo(full, recno);
    const PathStep& leaf = path.back();
    if (!holdsEntry(*leaf.node, leaf.index, full, recno)) return false;
    DecodedNode entries = *leaf.node;
    entries.eraseEntry(leaf.index);
    store(path, path.size() - 1, std::move(entries), false);
    countChange();
    return true;
}

void IndexTag::store(std::vector<PathStep>& path, std::size_t level, DecodedNode entries,
                     bool appending) {
    PathStep& step = path[level];
    const NodeCache::Node old = step.node;
    const bool isRoot = level == 0;
    if (entries.size() == 0) {
        if (isRoot) {
            DecodedNode empty;
            empty.root = true;
            empty.keyLength = keyLength();
            const IndexPage page = encodeNode(empty, trailByte());
            writeNode(step.offset, std::move(empty), page);
            return;
        }
        unlink(*old);
        pages_->releasePage(step.offset);
        PathStep& parent = path[level - 1];
        DecodedNode parentEntries = *parent.node;
        parentEntries.eraseEntry(parent.index);
        store(path, level - 1, std::move(parentEntries), false);
        return;
    }
    if (isRoot && !old->leaf && entries.size() == 1) {
        collapseRoot(step.offset, entries.children.front());
        return;
    }

    LeafPacker packer(keyLength(), trailByte());
    const std::vector<std::size_t> cuts =
        old->leaf ? leafCuts(entries, packer, appending)
                  : interiorCuts(entries.size(), interiorCapacity(keyLength()), appending);
    const std::size_t pieces = cuts.size();
    std::vector<std::uint32_t> offsets{step.offset};
    while (offsets.size() < pieces) offsets.push_back(pages_->allocatePage());
    DecodedNode uppers;  // an entry for each piece, for the level above
    uppers.leaf = false;
    uppers.keyLength = keyLength();
    for (std::size_t i = 0; i < pieces; ++i) {
        const std::size_t end = i + 1 < pieces ? cuts[i + 1] : entries.size();
        const bool root = isRoot && pieces == 1;
        const std::uint32_t left = i > 0 ? offsets[i - 1] : old->left;
        const std::uint32_t right = i + 1 < pieces ? offsets[i + 1] : old->right;
        // A leaf that fits whole is still in the packer, which points into its keys: it is
        // encoded before the keys move.
        const bool packed = pieces == 1 && old->leaf;
        IndexPage page = packed ? packer.encode(root, left, right) : IndexPage{};
        DecodedNode piece = pieces == 1 ? std::move(entries) : entries.slice(cuts[i], end);
        piece.root = root;
        piece.left = left;
        piece.right = right;
        if (!packed) page = encodeNode(piece, trailByte());
        uppers.insertEntry(i, piece.key(piece.size() - 1), piece.recnos.back(), offsets[i]);
        writeNode(offsets[i], std::move(piece), page);
    }
    if (pieces > 1 && old->right != kNoPage)
        pages_->writeNodeField(old->right, kNodeLeftOffset, offsets.back());

    if (isRoot) {
        if (pieces == 1) {
            if (step.offset != root()) setRoot(step.offset);
            return;
        }
        // The root split: a new root above it takes an entry for each piece.
        auto top = std::make_shared<DecodedNode>();
        top->leaf = false;
        top->keyLength = keyLength();
        path.insert(path.begin(), PathStep{pages_->allocatePage(), std::move(top), 0});
        store(path, 0, std::move(uppers), appending);
        return;
    }
    PathStep& parent = path[level - 1];
    if (pieces == 1 && holdsEntry(*parent.node, parent.index, uppers.key(0), uppers.recnos[0]))
        return;
    DecodedNode parentEntries = *parent.node;
    parentEntries.replaceEntry(parent.index, uppers.key(0), uppers.recnos[0], offsets[0]);
    for (std::size_t i = 1; i < pieces; ++i)
        parentEntries.insertEntry(parent.index + i, uppers.key(i), uppers.recnos[i], offsets[i]);
    store(path, level - 1, std::move(parentEntries),
          appending && pieces > 1 && parent.node->right == kNoPage);
}

void IndexTag::unlink(const DecodedNode& node) {
    if (node.left != kNoPage) pages_->writeNodeField(node.left, kNodeRightOffset, node.right);
    if (node.right != kNoPage) pages_->writeNodeField(node.right, kNodeLeftOffset, node.left);
}

void IndexTag::collapseRoot(std::uint32_t offset, std::uint32_t child) {
    DecodedNode node = *this->node(child);
    node.root = true;
    node.left = node.right = kNoPage;
    const bool again = !node.leaf && node.size() == 1;
    const std::uint32_t grandchild = again ? node.children.front() : kNoPage;
    const IndexPage page = encodeNode(node, trailByte());
    writeNode(child, std::move(node), page);
    setRoot(child);
    pages_->releasePage(offset);
    if (again) collapseRoot(child, grandchild);
}

}  // namespace xbase

#include "xbase/internal/IndexCursor.h"

#include <cstdlib>

namespace xbase {

namespace {

// The first entry of a node for which before(key, recno) is false; the node's size when there
// is none. Entries are in order, so before holds for a leading run of them.
template <class Before>
std::size_t firstNotBefore(const DecodedNode& node, Before before) {
    std::size_t low = 0, high = node.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (before(node.key(middle), node.recnos[middle]))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

}  // namespace

template <class Before>
void IndexCursor::descend(Before before) {
    displacement_ = 0;
    std::uint32_t offset = tag_->root();
    for (int depth = 0; depth <= kMaxTreeDepth; ++depth) {
        NodeCache::Node node = tag_->node(offset);
        const std::size_t pos = firstNotBefore(*node, before);
        if (node->leaf) {
            index_ = pos;
            leaf_ = std::move(node);
            leafOffset_ = offset;
            generation_ = tag_->generation();
            return;
        }
        if (node->size() == 0)
            tag_->fail("interior index page " + std::to_string(offset) + " has no entries");
        offset = node->children[pos < node->size() ? pos : node->size() - 1];
    }
    tag_->fail("the index tree is deeper than " + std::to_string(kMaxTreeDepth) + " levels");
}

bool IndexCursor::leafOutOfDate() const {
    tag_->catchUp();
    return generation_ != tag_->generation();
}

void IndexCursor::moveTo(std::uint32_t offset, int direction) {
    displacement_ += direction;
    if (static_cast<std::uint64_t>(std::abs(displacement_)) > tag_->pageCount())
        tag_->fail("the leaf sibling links loop");
    NodeCache::Node node = tag_->node(offset);
    if (!node->leaf)
        tag_->fail("the sibling of leaf page " + std::to_string(leafOffset_) + " is not a leaf");
    leaf_ = std::move(node);
    leafOffset_ = offset;
}

bool IndexCursor::settleForward() {
    while (index_ >= leaf_->size()) {
        if (leaf_->size() > 0 && leafOutOfDate()) {
            // After the last entry of the leaf as it was.
            const std::string key(leaf_->key(leaf_->size() - 1));
            const std::uint32_t recno = leaf_->recnos.back();
            descend([&](std::string_view k, std::uint32_t r) {
                return compareIndexEntries(k, r, key, recno) <= 0;
            });
            continue;
        }
        if (leaf_->right == kNoPage) {
            state_ = State::After;
            return false;
        }
        moveTo(leaf_->right, 1);
        index_ = 0;
    }
    state_ = State::On;
    return true;
}

bool IndexCursor::stepBack() {
    while (index_ == 0) {
        if (leaf_->size() > 0 && leafOutOfDate()) {
            // Before the first entry of the leaf as it was.
            const std::string key(leaf_->key(0));
            const std::uint32_t recno = leaf_->recnos.front();
            descend([&](std::string_view k, std::uint32_t r) {
                return compareIndexEntries(k, r, key, recno) < 0;
            });
            continue;
        }
        if (leaf_->left == kNoPage) {
            state_ = State::Before;
            return false;
        }
        moveTo(leaf_->left, -1);
        index_ = leaf_->size();
    }
    --index_;
    state_ = State::On;
    return true;
}

bool IndexCursor::first() {
    descend([](std::string_view, std::uint32_t) { return false; });
    return settleForward();
}

bool IndexCursor::last() {
    descend([](std::string_view, std::uint32_t) { return true; });
    return stepBack();
}

bool IndexCursor::next() {
    if (state_ == State::Before) return first();
    if (state_ == State::After) return false;
    ++index_;
    return settleForward();
}

bool IndexCursor::prev() {
    if (state_ == State::After) return last();
    if (state_ == State::Before) return false;
    return stepBack();
}

bool IndexCursor::startsWith(std::string_view key) const {
    return valid() && this->key().substr(0, key.size()) == key;
}

bool IndexCursor::seek(std::string_view key, std::uint32_t recno) {
    if (key.size() >= tag_->keyLength()) {
        key = key.substr(0, tag_->keyLength());
        descend([&](std::string_view k, std::uint32_t r) {
            return compareIndexEntries(k, r, key, recno) < 0;
        });
    } else {
        descend(
            [&](std::string_view k, std::uint32_t) { return k.compare(0, key.size(), key) < 0; });
    }
    settleForward();
    return startsWith(key);
}

bool IndexCursor::seekLast(std::string_view key) {
    key = key.substr(0, tag_->keyLength());
    descend([&](std::string_view k, std::uint32_t) { return k.compare(0, key.size(), key) <= 0; });
    stepBack();
    return startsWith(key);
}

}  // namespace xbase

#include "xbase/IndexCursor.h"

#include <algorithm>
#include <cstdlib>

namespace xbase {

template <class Before>
void IndexCursor::descend(Before before) {
    displacement_ = 0;
    std::uint32_t offset = tag_->root();
    for (int depth = 0; depth <= kMaxTreeDepth; ++depth) {
        IndexNode node = tag_->readNode(offset);
        auto pos = std::find_if_not(node.entries.begin(), node.entries.end(), before);
        if (node.leaf) {
            index_ = static_cast<std::size_t>(pos - node.entries.begin());
            leaf_ = std::move(node);
            leafOffset_ = offset;
            return;
        }
        if (node.entries.empty())
            tag_->fail("interior index page " + std::to_string(offset) + " has no entries");
        if (pos == node.entries.end()) --pos;
        offset = pos->child;
    }
    tag_->fail("the index tree is deeper than " + std::to_string(kMaxTreeDepth) + " levels");
}

void IndexCursor::moveTo(std::uint32_t offset, int direction) {
    displacement_ += direction;
    if (static_cast<std::uint64_t>(std::abs(displacement_)) > tag_->pageCount())
        tag_->fail("the leaf sibling links loop");
    IndexNode node = tag_->readNode(offset);
    if (!node.leaf)
        tag_->fail("the sibling of leaf page " + std::to_string(leafOffset_) + " is not a leaf");
    leaf_ = std::move(node);
    leafOffset_ = offset;
}

bool IndexCursor::settleForward() {
    while (index_ >= leaf_.entries.size()) {
        if (leaf_.right == kNoPage) {
            state_ = State::After;
            return false;
        }
        moveTo(leaf_.right, 1);
        index_ = 0;
    }
    state_ = State::On;
    return true;
}

bool IndexCursor::stepBack() {
    while (index_ == 0) {
        if (leaf_.left == kNoPage) {
            state_ = State::Before;
            return false;
        }
        moveTo(leaf_.left, -1);
        index_ = leaf_.entries.size();
    }
    --index_;
    state_ = State::On;
    return true;
}

bool IndexCursor::first() {
    descend([](const NodeEntry&) { return false; });
    return settleForward();
}

bool IndexCursor::last() {
    descend([](const NodeEntry&) { return true; });
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
        descend([&](const NodeEntry& e) {
            return compareIndexEntries(e.key, e.recno, key, recno) < 0;
        });
    } else {
        descend([&](const NodeEntry& e) { return e.key.compare(0, key.size(), key) < 0; });
    }
    settleForward();
    return startsWith(key);
}

bool IndexCursor::seekLast(std::string_view key) {
    key = key.substr(0, tag_->keyLength());
    descend([&](const NodeEntry& e) { return e.key.compare(0, key.size(), key) <= 0; });
    stepBack();
    return startsWith(key);
}

}  // namespace xbase

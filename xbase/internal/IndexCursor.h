#pragma once
// A position among the entries of a tag, moved in key order. The cursor holds the leaf it is
// on as it was decoded; after the tag changes through this open (insert, remove, build)
// position it again with seek, first or last before reading. Changes by other opens need no
// such care once the pages have caught up with them (IndexPages::catchUp): the cursor has the
// pages catch up before it leaves its leaf, and when the file has changed since the leaf was
// read it finds its place again from the root instead of following the old sibling link.
//
// Walks are bounded: a cursor never leaves the file and reports sibling links that loop,
// trees deeper than kMaxTreeDepth and undecodable pages as Error naming the file.
#include <cstdint>
#include <string_view>

#include "xbase/internal/IndexTag.h"

namespace xbase {

class IndexCursor {
  public:
    explicit IndexCursor(const IndexTag& tag) : tag_(&tag) {}

    // Each returns whether the cursor is now on an entry.
    bool first();
    bool last();
    // From before the first entry next goes to the first; from past the last, prev goes to the
    // last.
    bool next();
    bool prev();

    // Goes to the first entry not below key. A key of the full key length is compared with the
    // record number breaking ties, as entries are ordered (recno 0: the first entry of that
    // key); a shorter key is a prefix, compared with the same number of leading bytes of each
    // entry. Returns true when the entry reached begins with key; otherwise the cursor is on
    // the next greater entry or past the end.
    bool seek(std::string_view key, std::uint32_t recno = 0);
    // Goes to the last entry whose leading key.size() bytes are not above key. Returns true
    // when that entry begins with key; otherwise the cursor is on the entry before, or before
    // the first entry.
    bool seekLast(std::string_view key);

    bool valid() const { return state_ == State::On; }
    bool atEnd() const { return state_ == State::After; }
    // The current entry; only while valid().
    std::string_view key() const { return leaf_->key(index_); }
    std::uint32_t recno() const { return leaf_->recnos[index_]; }

  private:
    enum class State { Before, On, After };

    // Goes down from the root to the first leaf entry for which before(key, recno) is false
    // (or past the last), taking in each interior node the first entry it is false for.
    template <class Before>
    void descend(Before before);
    bool settleForward();
    bool stepBack();
    void moveTo(std::uint32_t offset, int direction);
    bool leafOutOfDate() const;
    bool startsWith(std::string_view key) const;

    const IndexTag* tag_;
    State state_ = State::Before;
    NodeCache::Node leaf_;
    std::uint32_t leafOffset_ = kNoPage;
    std::uint64_t generation_ = 0;  // the pages' generation when the leaf was read
    std::size_t index_ = 0;
    // Leaves moved right minus leaves moved left since the last descent; in a sound file it
    // stays below the page count.
    std::int64_t displacement_ = 0;
};

}  // namespace xbase

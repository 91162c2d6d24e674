#pragma once
// A position among the entries of a tag, moved in key order. The cursor holds a copy of the
// leaf it is on; after the tag changes (insert, remove, build) position it again with seek,
// first or last before reading.
//
// Walks are bounded: a cursor never leaves the file and reports sibling links that loop,
// trees deeper than kMaxTreeDepth and undecodable pages as Error naming the file.
#include <cstdint>
#include <string_view>

#include "xbase/IndexTag.h"

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
    std::string_view key() const { return leaf_.entries[index_].key; }
    std::uint32_t recno() const { return leaf_.entries[index_].recno; }

private:
    enum class State { Before, On, After };

    template <class Before>
    void descend(Before before);
    bool settleForward();
    bool stepBack();
    void moveTo(std::uint32_t offset, int direction);
    bool startsWith(std::string_view key) const;

    const IndexTag* tag_;
    State state_ = State::Before;
    IndexNode leaf_;
    std::uint32_t leafOffset_ = kNoPage;
    std::size_t index_ = 0;
    // Leaves moved right minus leaves moved left since the last descent; in a sound file it
    // stays below the page count.
    std::int64_t displacement_ = 0;
};

}  // namespace xbase

#pragma once
// The keys of a tag build: held one after the other in one block, each with its record
// number, and put in (key, record number) order. A key is kept without its run of trailing
// trail bytes (most keys are far shorter than their tag's key length); it reads as though
// padded with them to the key length. Where each key starts is held in 32 bits while every
// key the block may be given fits below 4 GB, in 64 bits once they may not. Record numbers
// are held only once a key comes from other than the record after the one before (from record
// 1): a tag without a condition built over the records in order holds none.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/internal/HugePages.h"

namespace xbase {

// The positions of a block's keys in (key, record number) order.
using KeyOrder = std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>>;

class KeyBlock {
  public:
    KeyBlock(std::size_t keyLength, char trail);

    // Makes room for count keys up front; a count beyond 16 million is not trusted. Starts are
    // held in 64 bits from here when count keys of the key length could pass 4 GB.
    void reserve(std::uint64_t count);
    // Whether count keys of keyLength bytes surely end below 4 GB, where 32 bits hold a start.
    static bool narrowStartsHold(std::uint64_t count, std::size_t keyLength);
    bool wideStarts() const { return wide_; }
    // Appends a key of at most the key length, padded with the trail byte.
    void add(std::string_view text, std::uint32_t recno);

    std::uint32_t size() const { return count_; }
    std::size_t keyLength() const { return keyLength_; }
    // Key i without its trailing trail bytes: two keys are equal when these are.
    std::string_view key(std::uint32_t i) const {
        const std::uint64_t from = start(i);
        return std::string_view(bytes_.data() + from, start(i + 1) - from);
    }
    // Writes key i, padded to the key length, to out.
    void copyKey(std::uint32_t i, char* out) const;
    std::uint32_t recno(std::uint32_t i) const { return recnosFollow_ ? i + 1 : recnos_[i]; }
    bool holdsRecnos() const { return !recnosFollow_; }
    // How many steps ahead a walk over the keys out of block order fetches them (see prefetch).
    static constexpr std::size_t kLookAhead = 16;
    // Asks for where key i lies and its record number to be brought into the cache ahead of
    // their use; prefetchKey, some steps later, asks for the key itself.
    void prefetch(std::uint32_t i) const {
        prefetchStart(i);
        if (!recnosFollow_) __builtin_prefetch(&recnos_[i]);
    }
    void prefetchKey(std::uint32_t i) const { __builtin_prefetch(bytes_.data() + start(i)); }

    // The positions of the keys in (key, record number) order.
    KeyOrder order() const;

  private:
    struct SortItem;

    std::uint64_t start(std::uint32_t i) const { return wide_ ? wideStarts_[i] : narrowStarts_[i]; }
    void prefetchStart(std::uint32_t i) const {
        if (wide_)
            __builtin_prefetch(&wideStarts_[i]);
        else
            __builtin_prefetch(&narrowStarts_[i]);
    }
    // Writes down the record numbers so far, which followed one another from 1.
    void holdRecnos();
    // Moves the starts to 64 bits.
    void widenStarts();
    std::size_t storedLength(std::string_view text) const;
    void growBytes(std::size_t length);
    void resizeBytes(std::size_t size);
    // Compares two stored keys as though padded to the key length.
    int compareKeys(std::string_view a, std::string_view b) const;
    std::uint64_t chunk(std::uint32_t i, std::size_t offset) const;
    void sortFrom(std::span<SortItem> items, std::span<SortItem> scratch, std::size_t offset,
                  std::size_t longest) const;
    static void radixSort(std::span<SortItem> items, std::span<SortItem> scratch);

    std::size_t keyLength_;
    char trail_;
    // The keys' bytes, the first bytesUsed_ of it; the rest is room that is written before it
    // is read (its pages are taken as they are written: see HugePageAllocator::construct).
    std::vector<char, HugePageAllocator<char>> bytes_;
    std::size_t bytesUsed_ = 0;
    // Where each key starts in bytes_, and one past the last key's end: in narrowStarts_ while
    // wide_ is clear, in wideStarts_ once it is set.
    std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>> narrowStarts_{0};
    std::vector<std::uint64_t, HugePageAllocator<std::uint64_t>> wideStarts_;
    // How many keys the block takes before its starts must be held in 64 bits.
    std::uint64_t narrowKeys_;
    bool wide_ = false;
    std::uint32_t count_ = 0;
    // Each key's record number, once they do not follow one another from 1.
    std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>> recnos_;
    bool recnosFollow_ = true;  // key i so far came from record i + 1
    bool sorted_ = true;        // every entry so far arrived in order
    bool recnosAscend_ = true;  // every record number so far arrived in order
};

// A tag's keys gathered and put in order, ready for IndexTag::buildFrom.
struct SortedKeys {
    KeyBlock keys;
    KeyOrder order;
};

}  // namespace xbase

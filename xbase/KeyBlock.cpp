// Sorting moves small fixed-size items rather than the keys themselves: eight bytes of the key
// read as a big-endian number and the key's position in the block, twelve bytes in all. Items
// are sorted on the first eight bytes of their keys; each run of items whose bytes tie is then
// sorted on the next eight bytes, and so on to the end of the key. The items start in record
// number order (sorted so when the keys did not arrive that way) and every sort keeps that
// order among equal chunks, so entries with equal keys come out by record number.
#include "xbase/internal/KeyBlock.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <numeric>

#include "xbase/internal/ByteOrder.h"

namespace xbase {

struct __attribute__((packed)) KeyBlock::SortItem {
    std::uint64_t chunk;
    std::uint32_t position;
};

namespace {

// A count beyond this is not trusted for reserving memory up front.
constexpr std::uint64_t kLargestReserve = 1 << 24;
constexpr std::size_t kChunkBytes = 8;
// Runs at least this long are sorted by counting, shorter ones by comparing.
constexpr std::size_t kRadixMinimum = 1 << 12;
// The counting sort's digits: eleven bits each, six of them covering a chunk's 64 bits.
constexpr std::size_t kRadixBits = 11;
constexpr std::size_t kRadixBuckets = std::size_t{1} << kRadixBits;
constexpr std::size_t kRadixDigits = (64 + kRadixBits - 1) / kRadixBits;

}  // namespace

KeyBlock::KeyBlock(std::size_t keyLength, char trail)
    : keyLength_(keyLength),
      trail_(trail),
      narrowKeys_(keyLength == 0 ? ~std::uint64_t{0} : 0xFFFFFFFFULL / keyLength) {}

bool KeyBlock::narrowStartsHold(std::uint64_t count, std::size_t keyLength) {
    return keyLength == 0 || count <= 0xFFFFFFFFULL / keyLength;
}

// Only address space is reserved for the keys: pages are taken as the keys fill them, so
// short keys cost no more than their bytes.
void KeyBlock::reserve(std::uint64_t count) {
    if (!wide_ && !narrowStartsHold(count, keyLength_)) widenStarts();
    const std::uint64_t n = std::min(count, kLargestReserve);
    if (n * keyLength_ > bytes_.size()) resizeBytes(n * keyLength_);
    if (wide_)
        wideStarts_.reserve(n + 1);
    else
        narrowStarts_.reserve(n + 1);
    recnos_.reserve(n);
}

// Room for at least another length bytes, twice the room so far at the least.
void KeyBlock::growBytes(std::size_t length) {
    resizeBytes(std::max(bytes_.size() * 2, bytesUsed_ + std::max<std::size_t>(length, 4096)));
}

// Only the bytes in use move: the room past them has not been written (nor its pages taken).
void KeyBlock::resizeBytes(std::size_t size) {
    std::vector<char, HugePageAllocator<char>> resized(size);
    if (bytesUsed_ > 0) std::memcpy(resized.data(), bytes_.data(), bytesUsed_);
    bytes_.swap(resized);
}

void KeyBlock::holdRecnos() {
    recnos_.resize(count_);
    std::iota(recnos_.begin(), recnos_.end(), 1);
    recnosFollow_ = false;
}

void KeyBlock::widenStarts() {
    wideStarts_.assign(narrowStarts_.begin(), narrowStarts_.end());
    narrowStarts_ = {};
    wide_ = true;
}

// The length of text without its trailing trail bytes, taken eight bytes at a time while it
// can: keys formed by the tag are padded to the key length.
std::size_t KeyBlock::storedLength(std::string_view text) const {
    const std::uint64_t trails = 0x0101010101010101ULL * static_cast<unsigned char>(trail_);
    std::size_t length = text.size();
    for (; length >= kChunkBytes; length -= kChunkBytes) {
        // Read little-endian, the last byte that is not a trail byte is the highest that differs.
        const std::uint64_t differs = loadLe64(text.data() + length - kChunkBytes) ^ trails;
        if (differs != 0) return length - kChunkBytes + (std::bit_width(differs) + 7) / 8;
    }
    while (length > 0 && text[length - 1] == trail_) --length;
    return length;
}

void KeyBlock::add(std::string_view text, std::uint32_t recno) {
    const std::size_t length = storedLength(text);
    if (!wide_ && size() == narrowKeys_) widenStarts();
    const std::size_t at = bytesUsed_;
    if (bytes_.size() - at < length) growBytes(length);
    if (length > 0) std::memcpy(bytes_.data() + at, text.data(), length);
    bytesUsed_ = at + length;
    if (wide_)
        wideStarts_.push_back(bytesUsed_);
    else
        narrowStarts_.push_back(static_cast<std::uint32_t>(bytesUsed_));
    if (recnosFollow_ && recno != count_ + 1) holdRecnos();
    if (!recnosFollow_) recnos_.push_back(recno);
    const std::uint32_t n = ++count_;
    if (n == 1) return;
    const std::uint32_t previous = this->recno(n - 2);
    recnosAscend_ = recnosAscend_ && previous <= recno;
    if (sorted_) {
        const int c = compareKeys(key(n - 2), key(n - 1));
        sorted_ = c < 0 || (c == 0 && previous <= recno);
    }
}

void KeyBlock::copyKey(std::uint32_t i, char* out) const {
    const std::string_view k = key(i);
    std::memcpy(out, k.data(), k.size());
    std::memset(out + k.size(), trail_, keyLength_ - k.size());
}

// Past the shorter key's stored bytes it goes on with trail bytes, which the longer key's
// first byte that is not one decides against.
int KeyBlock::compareKeys(std::string_view a, std::string_view b) const {
    const std::size_t common = std::min(a.size(), b.size());
    if (common > 0)
        if (const int c = std::memcmp(a.data(), b.data(), common); c != 0) return c;
    const bool aLonger = a.size() > b.size();
    const std::string_view rest = (aLonger ? a : b).substr(common);
    for (const char byte : rest) {
        if (byte == trail_) continue;
        const bool above = static_cast<unsigned char>(byte) > static_cast<unsigned char>(trail_);
        return above == aLonger ? 1 : -1;
    }
    return 0;
}

KeyOrder KeyBlock::order() const {
    if (sorted_) {
        KeyOrder positions(size());
        std::iota(positions.begin(), positions.end(), 0);
        return positions;
    }
    std::vector<SortItem, HugePageAllocator<SortItem>> items(size());
    std::size_t longest = 0;
    for (std::uint32_t i = 0; i < size(); ++i) {
        items[i] = SortItem{chunk(i, 0), i};
        longest = std::max(longest, key(i).size());
    }
    if (!recnosAscend_)
        std::sort(items.begin(), items.end(), [this](const SortItem& a, const SortItem& b) {
            return recnos_[a.position] < recnos_[b.position];
        });
    {
        // Gone before the positions are made.
        std::vector<SortItem, HugePageAllocator<SortItem>> scratch(items.size());
        sortFrom(items, scratch, 0, longest);
    }
    KeyOrder positions(size());
    for (std::uint32_t i = 0; i < size(); ++i) positions[i] = items[i].position;
    return positions;
}

// Eight bytes of key i, padded with trail bytes to the key length, from offset on as a
// big-endian number, padded with zero bytes past the end of the key.
std::uint64_t KeyBlock::chunk(std::uint32_t i, std::size_t offset) const {
    const std::string_view k = key(i);
    const auto* p = reinterpret_cast<const unsigned char*>(k.data());
    if (k.size() >= offset + kChunkBytes) return loadBe64(p + offset);
    // The first n bytes of a chunk, as a mask.
    auto leading = [](std::size_t n) { return n == 0 ? 0 : ~std::uint64_t{0} << (8 * (8 - n)); };
    const std::uint64_t trails = 0x0101010101010101ULL * static_cast<unsigned char>(trail_);
    const std::uint64_t padding = trails & leading(std::min(kChunkBytes, keyLength_ - offset));
    const std::size_t stored = k.size() > offset ? k.size() - offset : 0;
    if (stored == 0) return padding;
    // The eight bytes from offset lie inside the block unless this is one of its last keys.
    std::uint64_t bytes = 0;
    if (static_cast<std::size_t>(k.data() - bytes_.data()) + offset + kChunkBytes <= bytesUsed_)
        bytes = loadBe64(p + offset);
    else
        for (std::size_t b = 0; b < kChunkBytes; ++b)
            bytes = bytes << 8 | (b < stored ? p[offset + b] : 0);
    return (bytes & leading(stored)) | (padding & ~leading(stored));
}

// Sorts items in record number order by the chunks read at offset, keeping that order among
// equal chunks, then each run of equal chunks on the bytes that follow. Longest is the longest
// stored key among the items: past it every key is trail bytes, so nothing is left to sort on.
void KeyBlock::sortFrom(std::span<SortItem> items, std::span<SortItem> scratch, std::size_t offset,
                        std::size_t longest) const {
    if (items.size() >= kRadixMinimum) {
        radixSort(items, scratch);
    } else {
        // Record numbers break ties, which keeps their order; positions follow them when the
        // keys arrived by record number.
        auto before = [this](const SortItem& a, const SortItem& b) {
            if (a.chunk != b.chunk) return a.chunk < b.chunk;
            return recnosAscend_ ? a.position < b.position
                                 : recnos_[a.position] < recnos_[b.position];
        };
        if (!std::is_sorted(items.begin(), items.end(), before))
            std::sort(items.begin(), items.end(), before);
    }
    const std::size_t next = offset + kChunkBytes;
    if (next >= longest) return;
    for (std::size_t first = 0; first < items.size();) {
        std::size_t last = first + 1;
        while (last < items.size() && items[last].chunk == items[first].chunk) ++last;
        if (last - first > 1) {
            std::size_t runLongest = 0;
            for (std::size_t i = first; i < last; ++i) {
                if (i + kLookAhead < last) prefetchStart(items[i + kLookAhead].position);
                if (i + kLookAhead / 2 < last) prefetchKey(items[i + kLookAhead / 2].position);
                items[i].chunk = chunk(items[i].position, next);
                runLongest = std::max(runLongest, key(items[i].position).size());
            }
            if (runLongest > next)
                sortFrom(items.subspan(first, last - first), scratch.subspan(first, last - first),
                         next, runLongest);
        }
        first = last;
    }
}

// A counting sort on eleven bits of the chunk at a time from the lowest (six passes where
// bytes would take eight), which keeps the order of equal chunks; digits that all items share
// are skipped. Scratch is as long as items.
void KeyBlock::radixSort(std::span<SortItem> items, std::span<SortItem> scratch) {
    std::array<std::array<std::uint32_t, kRadixBuckets>, kRadixDigits> counts{};
    auto digit = [](std::uint64_t chunk, std::size_t d) {
        return static_cast<std::size_t>(chunk >> (kRadixBits * d)) & (kRadixBuckets - 1);
    };
    for (const SortItem& s : items)
        for (std::size_t d = 0; d < kRadixDigits; ++d) ++counts[d][digit(s.chunk, d)];
    SortItem* from = items.data();
    SortItem* to = scratch.data();
    for (std::size_t d = 0; d < kRadixDigits; ++d) {
        std::array<std::uint32_t, kRadixBuckets>& next = counts[d];
        if (next[digit(from[0].chunk, d)] == items.size()) continue;
        std::exclusive_scan(next.begin(), next.end(), next.begin(), std::uint32_t{0});
        for (std::size_t i = 0; i < items.size(); ++i)
            to[next[digit(from[i].chunk, d)]++] = from[i];
        std::swap(from, to);
    }
    if (from != items.data()) std::copy(from, from + items.size(), items.data());
}

}  // namespace xbase

#pragma once
// Counting pieces per ZIP key: the key of a ZIP value, the test that admits it to the
// presort, and the ten buckets (one per first digit) that hold each admitted key with its
// tally.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rp {

// The number of records that share one ZIP key.
struct TallyRecord {
    std::int32_t count = 0;
};

// A key's tally when it is first seen: one piece.
TallyRecord makeTallyRecord();

// The first five bytes of a ZIP value (fewer when it is shorter).
std::string_view zipKey(std::string_view zip);

// Whether a key takes part in the presort: not below "00000", not above "99999-999" (byte
// order), a digit first; and nothing that would break the list file's lines: no control
// character and no "**", which marks a heading.
bool admitZipKey(std::string_view key);

struct ZipTally {
    std::string key;
    TallyRecord tally;
};
using ZipBucket = std::vector<ZipTally>;
using ZipBuckets = std::array<ZipBucket, 10>;

// Tallies keys as the records go by. Each bucket lists its keys in the order they were first
// seen; a hash index finds a key's entry, so a pass over many distinct ZIPs stays linear.
class ZipCounter {
  public:
    // Counts a record's ZIP value when its key is admitted.
    void count(std::string_view zip);

    // Hands the buckets over, leaving the counter empty.
    ZipBuckets take();

  private:
    ZipBuckets buckets_;
    // A key of at most five bytes packed with its length, to where it stands in its bucket.
    std::unordered_map<std::uint64_t, std::uint32_t> index_;
};

}  // namespace rp

#include "postal/ZipTally.h"

#include <algorithm>
#include <utility>

namespace rp {
namespace {

constexpr std::size_t kKeyLength = 5;

std::uint64_t packedKey(std::string_view key) {
    std::uint64_t packed = key.size();
    for (char c : key) packed = packed << 8 | static_cast<unsigned char>(c);
    return packed;
}

}  // namespace

TallyRecord makeTallyRecord() {
    return TallyRecord{1};
}

std::string_view zipKey(std::string_view zip) {
    return zip.substr(0, kKeyLength);
}

bool admitZipKey(std::string_view key) {
    if (key.empty() || key[0] < '0' || key[0] > '9') return false;
    if (key < std::string_view("00000") || key > std::string_view("99999-999")) return false;
    const bool control = std::any_of(key.begin(), key.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    return !control && key.find("**") == std::string_view::npos;
}

void ZipCounter::count(std::string_view zip) {
    const std::string_view key = zipKey(zip);
    if (!admitZipKey(key)) return;
    ZipBucket& bucket = buckets_[static_cast<std::size_t>(key[0] - '0')];
    const auto [entry, added] =
        index_.try_emplace(packedKey(key), static_cast<std::uint32_t>(bucket.size()));
    if (added)
        bucket.push_back({std::string(key), makeTallyRecord()});
    else
        ++bucket[entry->second].tally.count;
}

ZipBuckets ZipCounter::take() {
    index_.clear();
    return std::exchange(buckets_, {});
}

}  // namespace rp

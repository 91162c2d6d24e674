#include "postal/PresortList.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "postal/AdcList.h"

namespace rp {
namespace {

std::string_view prefixOf(const std::string& key) {
    return std::string_view(key).substr(0, 3);
}

// Drops the entries whose flag is set, keeping the order of the others.
void removeTaken(ZipBucket& bucket, const std::vector<bool>& taken) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < bucket.size(); ++i) {
        if (taken[i]) continue;
        if (kept != i) bucket[kept] = std::move(bucket[i]);
        ++kept;
    }
    bucket.resize(kept);
}

// Every ZIP of 10 pieces or more: its heading and the ZIP; they leave the bucket.
void takeFiveDigitGroups(ZipBucket& bucket, std::vector<std::string>& fiveList) {
    std::vector<bool> taken(bucket.size());
    for (std::size_t i = 0; i < bucket.size(); ++i) {
        if (bucket[i].tally.count <= kGroupThreshold) continue;
        fiveList.push_back("** 5-digit " + bucket[i].key);
        fiveList.push_back(bucket[i].key);
        taken[i] = true;
    }
    removeTaken(bucket, taken);
}

// Every run of ZIPs sharing their first three characters whose pieces add up to 10 or more:
// the prefix's heading and the run's ZIPs; they leave the bucket.
void takeThreeDigitGroups(ZipBucket& bucket, std::vector<std::string>& threeList) {
    std::vector<bool> taken(bucket.size());
    std::size_t runStart = 0;
    std::int64_t pieces = 0;
    const auto closeRun = [&](std::size_t runEnd) {
        if (pieces <= kGroupThreshold) return;
        threeList.push_back("** 3-digit " + std::string(prefixOf(bucket[runStart].key)));
        for (std::size_t i = runStart; i < runEnd; ++i) {
            threeList.push_back(bucket[i].key);
            taken[i] = true;
        }
    };
    for (std::size_t i = 0; i < bucket.size(); ++i) {
        if (prefixOf(bucket[i].key) != prefixOf(bucket[runStart].key)) {
            closeRun(i);
            runStart = i;
            pieces = 0;
        }
        pieces += bucket[i].tally.count;
    }
    closeRun(bucket.size());
    removeTaken(bucket, taken);
}

}  // namespace

std::vector<std::string> buildPresortList(ZipBuckets buckets) {
    std::vector<std::string> fiveList;
    std::vector<std::string> threeList;
    std::vector<std::string> residual;
    for (ZipBucket& bucket : buckets) {
        std::sort(bucket.begin(), bucket.end(),
                  [](const ZipTally& a, const ZipTally& b) { return a.key < b.key; });
        takeFiveDigitGroups(bucket, fiveList);
        takeThreeDigitGroups(bucket, threeList);
        for (ZipTally& left : bucket) residual.push_back(std::move(left.key));
    }
    std::vector<std::string> adcList = fillADCList(residual);

    std::vector<std::string> list = std::move(fiveList);
    list.insert(list.end(), std::make_move_iterator(threeList.begin()),
                std::make_move_iterator(threeList.end()));
    list.insert(list.end(), std::make_move_iterator(adcList.begin()),
                std::make_move_iterator(adcList.end()));
    if (!residual.empty()) {
        list.push_back("** Unknown");
        list.insert(list.end(), std::make_move_iterator(residual.begin()),
                    std::make_move_iterator(residual.end()));
    }
    return list;
}

}  // namespace rp

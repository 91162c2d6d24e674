// The allocator of the tag builds' large buffers: big blocks start on a 2 MB boundary and hold
// what is written to them through growth; small ones come from the heap.
#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

#include "xbase/internal/HugePages.h"

using namespace xbase;

TEST(HugePages, BigBlocksAreAlignedAndKeepTheirContentsAsTheyGrow) {
    std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>> values;
    values.reserve(100);
    for (std::uint32_t i = 0; i < 3000000; ++i) values.push_back(i * 7);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(values.data()) % hugepages::kHugePage, 0u);
    for (std::uint32_t i = 0; i < values.size(); i += 9999) ASSERT_EQ(values[i], i * 7);
    EXPECT_EQ(values.back(), 2999999u * 7);
}

TEST(HugePages, BlocksOfEverySizeCanBeUsedAndGivenBack) {
    for (std::size_t bytes : {std::size_t{1}, std::size_t{4096}, hugepages::kHugePage - 1,
                              hugepages::kHugePage, hugepages::kHugePage * 3 + 5}) {
        std::vector<char, HugePageAllocator<char>> block(bytes, 'x');
        block.back() = 'y';
        EXPECT_EQ(std::accumulate(block.begin(), block.end(), std::size_t{0},
                                  [](std::size_t n, char c) { return n + (c == 'x'); }),
                  bytes - 1);
    }
}

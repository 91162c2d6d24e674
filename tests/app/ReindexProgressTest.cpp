// The Rebuild Indexes gauge: raw values while packing, one steady rise over the 21 tags.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/ReindexProgress.h"

namespace rp {
namespace {

TEST(ReindexProgress, TheTagRunRisesSteadilyFromZeroToExactlyAHundred) {
    ReindexProgress progress;
    std::vector<int> gauge;
    for (int tag = 0; tag < 21; ++tag) {
        for (int v = 0; v < 100; v += 7) gauge.push_back(progress.show(v));
        gauge.push_back(progress.show(100));
    }
    EXPECT_EQ(gauge.front(), 0);
    EXPECT_EQ(gauge.back(), 100);
    EXPECT_TRUE(std::is_sorted(gauge.begin(), gauge.end()));
}

TEST(ReindexProgress, WhilePackingTheGaugeShowsTheValueAndCountsNothingTowardsTheTags) {
    ReindexProgress progress;
    progress.setPacking(true);
    EXPECT_EQ(progress.show(37), 37);
    EXPECT_EQ(progress.show(12), 12);
    EXPECT_EQ(progress.show(140), 100);
    EXPECT_EQ(progress.show(-3), 0);
    progress.setPacking(false);
    EXPECT_EQ(progress.show(0), 0);
    EXPECT_EQ(progress.show(100), 5);  // one tag of 21: 4.76
    EXPECT_EQ(progress.show(0), 5);    // the next tag starting adds nothing
    EXPECT_EQ(progress.show(50), 7);   // 150 of 2100: 7.14
}

TEST(ReindexProgress, TheShareIsRoundedKeptWithinAHundredAndResetStartsAfresh) {
    ReindexProgress progress;
    EXPECT_EQ(progress.show(10), 0);  // 0.48
    EXPECT_EQ(progress.show(11), 1);  // 0.52
    EXPECT_EQ(progress.show(32), 2);  // 1.52
    for (int tag = 0; tag < 20; ++tag) {
        progress.show(100);
        progress.show(0);
    }
    EXPECT_EQ(progress.show(0), 95);   // 32 + 68 + 19 x 100 = 2000: 95.24
    EXPECT_EQ(progress.show(89), 99);  // 2089: 99.48
    progress.show(0);
    EXPECT_EQ(progress.show(100), 100);  // 2189 is past the whole run: 104.24, kept at 100
    progress.setPacking(true);
    progress.reset();
    EXPECT_FALSE(progress.packing());
    EXPECT_EQ(progress.show(42), 2);
}

}  // namespace
}  // namespace rp

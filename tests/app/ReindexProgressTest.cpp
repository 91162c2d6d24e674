// The Rebuild Indexes gauge: raw values while packing, one steady rise over the 21 tags.
#include <gtest/gtest.h>

#include <vector>

#include "app/ReindexProgress.h"

namespace rp {
namespace {

// Every tag reports 0, 7, 14, ... 98 and then 100, as the engine does.
std::vector<int> tagRun(ReindexProgress& progress)
{
    std::vector<int> gauge;
    for (int tag = 0; tag < 21; ++tag) {
        for (int v = 0; v < 100; v += 7) gauge.push_back(progress.show(v));
        gauge.push_back(progress.show(100));
    }
    return gauge;
}

TEST(ReindexProgress, TheTagRunRisesSteadilyFromZeroToExactlyAHundred)
{
    ReindexProgress progress;
    const std::vector<int> gauge = tagRun(progress);
    EXPECT_EQ(gauge.front(), 0);
    EXPECT_EQ(gauge.back(), 100);
    for (std::size_t i = 1; i < gauge.size(); ++i) ASSERT_LE(gauge[i - 1], gauge[i]) << "at " << i;
    // One tag of 21 done: 100 / 2100 of the way, about 5 percent; the next tag's 0 adds nothing.
    ReindexProgress oneTag;
    oneTag.show(100);
    EXPECT_EQ(oneTag.show(0), 5);
    EXPECT_EQ(oneTag.show(50), 7);
}

TEST(ReindexProgress, WhilePackingTheGaugeShowsTheValueItselfWithinItsRange)
{
    ReindexProgress progress;
    progress.setPacking(true);
    EXPECT_TRUE(progress.packing());
    EXPECT_EQ(progress.show(0), 0);
    EXPECT_EQ(progress.show(37), 37);
    EXPECT_EQ(progress.show(12), 12);
    EXPECT_EQ(progress.show(140), 100);
    EXPECT_EQ(progress.show(-3), 0);
    // The pack counts nothing towards the tags.
    progress.setPacking(false);
    EXPECT_EQ(progress.show(0), 0);
    EXPECT_EQ(progress.show(100), 5);
}

TEST(ReindexProgress, TheShareIsRoundedToTheNearestWholePercent)
{
    ReindexProgress progress;
    EXPECT_EQ(progress.show(10), 0);   // 0.48
    EXPECT_EQ(progress.show(11), 1);   // 0.52
    EXPECT_EQ(progress.show(31), 1);   // 1.48
    EXPECT_EQ(progress.show(32), 2);   // 1.52
    progress.show(0);
    for (int tag = 0; tag < 20; ++tag) {
        progress.show(100);
        progress.show(0);
    }
    EXPECT_EQ(progress.show(0), 97);    // 32 + 20 x 100 = 2032: 96.76
    EXPECT_EQ(progress.show(89), 100);  // 2121 is past the whole run: 101, kept at 100
}

TEST(ReindexProgress, ResetStartsCountingAfresh)
{
    ReindexProgress progress;
    progress.setPacking(true);
    progress.show(60);
    progress.setPacking(false);
    progress.show(100);
    progress.reset();
    EXPECT_FALSE(progress.packing());
    EXPECT_EQ(progress.show(21), 1);
    EXPECT_EQ(progress.show(42), 2);
}

}  // namespace
}  // namespace rp

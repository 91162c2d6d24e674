// Navigation in the order whose keys a filter's comparison bounds keeps within that key range:
// top and seeks start at its low end, bottom at its high end, and no move reads an entry
// beyond it. The table's count is cut below records that its index still lists around the
// range, so reaching any entry outside the range is an error.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"

using namespace xbase;

namespace {

using Recnos = std::vector<std::uint32_t>;

class RangeNavigation : public ::testing::Test {
  protected:
    void SetUp() override {
        engine_.create(path_, {{"NAME", 'C', 8, 0}, {"AGE", 'N', 3, 0}});
        auto t = engine_.open(path_, OpenMode::Exclusive);
        // 1 to 5 stay; 6 to 9, listed below, just below, just above and above "SMI", go.
        appendNames(*t, {"Smith", "Small", "Smirk", "Jones", "Smit", "Adams", "Smh", "Smj", "Zed"});
        t->createTag("NAME", "UPPER(NAME)");
        t->close();
        std::string bytes = readBytes(path_);
        bytes[dbf::kRecordCountOffset] = 5;
        writeBytes(path_, bytes);
        t_ = engine_.open(path_, OpenMode::Exclusive);
        t_->setOrder("NAME");
    }

    TempDir dir_;
    std::string path_ = dir_.file("P.DBF");
    Engine engine_;
    std::unique_ptr<Table> t_;
};

}  // namespace

TEST_F(RangeNavigation, MovesStopAtTheEdgesOfTheRange) {
    ASSERT_EQ(t_->recordCount(), 5u);
    t_->setFilter("UPPER(NAME) = \"SMI\" .AND. AGE > 0");
    EXPECT_EQ(walk(*t_), (Recnos{3, 5, 1}));
    EXPECT_EQ(walkBack(*t_), (Recnos{3, 5, 1}));
    t_->goTop();
    t_->skip(-1);
    EXPECT_TRUE(t_->bof());
    EXPECT_EQ(t_->recNo(), 3u);
    t_->goBottom();
    t_->skip();
    EXPECT_TRUE(t_->eof());
    t_->skip(-1);
    EXPECT_EQ(t_->recNo(), 1u);
    EXPECT_TRUE(t_->seek("SM"));
    EXPECT_EQ(t_->recNo(), 3u);
    EXPECT_EQ(t_->visibleCount(), 3u);
    // Two comparisons: the range both give.
    t_->setFilter("UPPER(NAME) >= \"SMIS\" .AND. UPPER(NAME) <= \"SMIZ\"");
    EXPECT_EQ(walk(*t_), (Recnos{5, 1}));
    EXPECT_EQ(walkBack(*t_), (Recnos{5, 1}));
    // A range that holds no key.
    t_->setFilter("UPPER(NAME) = \"SMIS\"");
    t_->goTop();
    EXPECT_TRUE(t_->eof());
    t_->goBottom();
    EXPECT_TRUE(t_->eof());
    EXPECT_FALSE(t_->seek("SMI"));
    EXPECT_EQ(t_->visibleCount(), 0u);
}

TEST_F(RangeNavigation, AScopeAndTheRangeKeepWhatBothHold) {
    t_->setFilter("UPPER(NAME) = \"SMI\"");
    t_->setScope("SMIRK", "SMIRK");
    EXPECT_EQ(walk(*t_), (Recnos{3}));
    EXPECT_EQ(walkBack(*t_), (Recnos{3}));
    t_->setScope("SMIT", "");
    EXPECT_EQ(walk(*t_), (Recnos{5, 1}));
    EXPECT_EQ(walkBack(*t_), (Recnos{5, 1}));
    t_->setScope("A", "Z");
    EXPECT_EQ(walk(*t_), (Recnos{3, 5, 1}));
    EXPECT_EQ(walkBack(*t_), (Recnos{3, 5, 1}));
    EXPECT_EQ(t_->visibleCount(), 3u);
}

// An index file lists keys as they were added: a record whose value has changed since stands
// at its old key, outside the range, and still passes.
TEST_F(RangeNavigation, AnIndexFileIsWalkedWhole) {
    t_->createIndexFile(dir_.file("N.IDX"), "UPPER(NAME)", false);
    t_->go(4);
    t_->setText("NAME", "Smiley");
    t_->post();
    t_->setFilter("UPPER(NAME) = \"SMI\"");
    EXPECT_EQ(walk(*t_), (Recnos{4, 3, 5, 1}));
    EXPECT_EQ(walkBack(*t_), (Recnos{4, 3, 5, 1}));
}

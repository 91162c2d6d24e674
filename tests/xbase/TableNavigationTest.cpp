// Natural-order navigation: top, bottom, skips, go, the phantom record, hidden deleted
// records and the query filter.
#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/Error.h"

using namespace xbase;

namespace {

class Navigation : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.create(dir.file("n.dbf"), peopleFields());
        t = engine.open(dir.file("n.dbf"), OpenMode::Exclusive);
        appendNames(*t, {"Ann", "Bob", "Cid", "Dee", "Eve"});
    }
    void markDeleted(std::uint32_t recno) {
        t->go(recno);
        t->deleteRecord();
    }
    TempDir dir;
    Engine engine;
    std::unique_ptr<Table> t;
};

}  // namespace

TEST_F(Navigation, WalksForwardAndBackwardWithBofAndEof) {
    t->goTop();
    EXPECT_EQ(t->recNo(), 1u);
    EXPECT_FALSE(t->bof());
    EXPECT_FALSE(t->eof());
    t->skip(-1);
    EXPECT_TRUE(t->bof());
    EXPECT_EQ(t->recNo(), 1u);
    t->skip(3);
    EXPECT_FALSE(t->bof());
    EXPECT_EQ(t->recNo(), 4u);
    t->skip(2);
    EXPECT_TRUE(t->eof());
    EXPECT_EQ(t->recNo(), 6u);  // the phantom record
    EXPECT_EQ(t->text("NAME"), "");
    t->skip(1);
    EXPECT_EQ(t->recNo(), 6u);
    t->skip(-1);
    EXPECT_FALSE(t->eof());
    EXPECT_EQ(t->recNo(), 5u);
    t->goBottom();
    EXPECT_EQ(t->text("NAME"), "Eve");
    t->skip(-10);
    EXPECT_TRUE(t->bof());
    EXPECT_EQ(t->recNo(), 1u);
}

TEST_F(Navigation, GoStandsOnAnyRecordAndPastTheEndAtThePhantom) {
    t->go(3);
    EXPECT_EQ(t->text("NAME"), "Cid");
    EXPECT_FALSE(t->eof());
    t->go(0);
    EXPECT_TRUE(t->eof());
    EXPECT_EQ(t->recNo(), 6u);
    t->go(99);
    EXPECT_TRUE(t->eof());
    EXPECT_EQ(t->recordCount(), 5u);
    engine.settings.hideDeleted = true;
    markDeleted(2);
    t->go(2);  // go ignores the hiding, as xBase does
    EXPECT_EQ(t->recNo(), 2u);
    EXPECT_TRUE(t->deleted());
}

TEST_F(Navigation, HiddenDeletedRecordsAreSkippedAndNotCounted) {
    markDeleted(1);
    markDeleted(3);
    markDeleted(5);
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(t->visibleCount(), 5u);
    engine.settings.hideDeleted = true;
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{2, 4}));
    EXPECT_EQ(t->visibleCount(), 2u);
    EXPECT_EQ(t->recordCount(), 5u);
    t->goBottom();
    EXPECT_EQ(t->recNo(), 4u);
    t->skip(-1);
    EXPECT_EQ(t->recNo(), 2u);
    t->skip(-1);
    EXPECT_TRUE(t->bof());
    EXPECT_EQ(t->recNo(), 2u);
    t->go(4);
    t->recall();
    t->go(2);
    t->deleteRecord();
    t->go(4);
    t->deleteRecord();
    t->goTop();  // nothing visible: both ends at once, on the phantom
    EXPECT_TRUE(t->eof());
    EXPECT_TRUE(t->bof());
    EXPECT_EQ(t->recNo(), 6u);
}

TEST_F(Navigation, FilterIsHonouredByEveryMoveAndCount) {
    t->setFilter("AGE >= 2 .and. AGE <= 4");
    EXPECT_EQ(t->filter(), "AGE >= 2 .and. AGE <= 4");
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{2, 3, 4}));
    t->goBottom();
    EXPECT_EQ(t->recNo(), 4u);
    t->skip(1);
    EXPECT_TRUE(t->eof());
    t->skip(-1);
    EXPECT_EQ(t->recNo(), 4u);
    EXPECT_EQ(t->visibleCount(), 3u);
    engine.settings.hideDeleted = true;
    markDeleted(3);
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{2, 4}));
    t->setFilter("   ");
    EXPECT_EQ(t->filter(), "");
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{1, 2, 4, 5}));
}

TEST_F(Navigation, BadFilterIsRefusedAndThePreviousOneStays) {
    t->setFilter("UPPER(NAME)=\"B\"");
    EXPECT_THROW(t->setFilter("UPPER(NAME)=\"O\"BRIEN\""), ExpressionError);
    EXPECT_THROW(t->setFilter("NOSUCH = 1"), ExpressionError);
    EXPECT_THROW(t->setFilter("NAME"), ExpressionError);  // not logical
    EXPECT_EQ(t->filter(), "UPPER(NAME)=\"B\"");
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{2}));
}

TEST_F(Navigation, VisibleCountKeepsThePosition) {
    t->setFilter("AGE > 1");
    t->go(3);
    EXPECT_EQ(t->visibleCount(), 4u);
    EXPECT_EQ(t->recNo(), 3u);
    EXPECT_EQ(t->text("NAME"), "Cid");
}

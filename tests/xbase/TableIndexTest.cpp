// Tags on our own tables: creating, keeping up to date, orders, seeks, scopes and index files.
#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DateUtil.h"
#include "xbase/DbfLayout.h"
#include "xbase/Error.h"
#include "xbase/FilePaths.h"

using namespace xbase;

namespace {

class Indexes : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.create(path, peopleFields());
        t = engine.open(path, OpenMode::Exclusive);
        // NAME, AGE, BORN (day of 1990 + AGE), OK (AGE even)
        const char* names[] = {"smith", "Brown", "SMYTHE", "adams", "Browning", "Cole", "brown"};
        int ages[] = {40, 25, 61, 33, 25, 70, 12};
        for (int i = 0; i < 7; ++i) {
            t->appendBlank();
            t->setText("NAME", names[i]);
            t->setNumber("AGE", ages[i]);
            t->setDate("BORN", julianDay(1990, 1, 1) + ages[i]);
            t->setLogical("OK", ages[i] % 2 == 0);
            t->post();
        }
        t->createTag("NAME", "UPPER(NAME)");
        t->createTag("AGE", "AGE");
        t->createTag("BORN", "BORN");
        t->createTag("OK", "OK");
    }
    TempDir dir;
    std::string path = dir.file("P.DBF");
    Engine engine;
    std::unique_ptr<Table> t;
};

using Recnos = std::vector<std::uint32_t>;

}  // namespace

TEST_F(Indexes, CreatingATagMakesTheIndexFileAndSetsTheHeaderFlag) {
    EXPECT_TRUE(fileExists(dir.file("P.CDX")));
    EXPECT_EQ(readBytes(path)[dbf::kTableFlagsOffset], 0x01);
    EXPECT_EQ(t->structuralIndexPath(), dir.file("P.CDX"));
    EXPECT_EQ(t->orderCount(), 4);
    EXPECT_EQ(t->order(), 0);  // creating tags leaves the order alone
    EXPECT_EQ(walk(*t), (Recnos{1, 2, 3, 4, 5, 6, 7}));
    t->close();
    auto again = engine.open(path);
    EXPECT_EQ(again->orderCount(), 4);
    again->setOrder("name");
    EXPECT_EQ(again->orderTagName(), "NAME");
    EXPECT_EQ(walk(*again), (Recnos{4, 2, 7, 5, 6, 1, 3}));
}

TEST_F(Indexes, EachKeyTypeOrdersByValueThenRecordNumber) {
    t->setOrder("AGE");
    EXPECT_EQ(walk(*t), (Recnos{7, 2, 5, 4, 1, 3, 6}));
    t->setOrder("BORN");
    EXPECT_EQ(walk(*t), (Recnos{7, 2, 5, 4, 1, 3, 6}));
    t->setOrder("OK");
    EXPECT_EQ(walk(*t), (Recnos{2, 3, 4, 5, 1, 6, 7}));
    t->setOrder(0);
    EXPECT_EQ(t->orderTagName(), "");
    EXPECT_EQ(t->orderKeyExpression(), "");
}

TEST_F(Indexes, SeeksFollowExactMatchingAndSoftSeek) {
    t->setOrder("NAME");
    EXPECT_TRUE(t->seek("BROWN"));
    EXPECT_EQ(t->recNo(), 2u);  // "BROWN" before "BROWNING", equal keys by record number
    EXPECT_TRUE(t->found());
    EXPECT_TRUE(t->seek("SM"));
    EXPECT_EQ(t->recNo(), 1u);
    engine.settings.exact = true;
    EXPECT_FALSE(t->seek("SM"));
    EXPECT_TRUE(t->eof());
    EXPECT_TRUE(t->seek("BROWNING  "));  // trailing blanks do not count
    EXPECT_EQ(t->recNo(), 5u);
    engine.settings.exact = false;
    EXPECT_FALSE(t->seek("BZ"));
    EXPECT_TRUE(t->eof());
    EXPECT_FALSE(t->found());
    engine.settings.softSeek = true;
    EXPECT_FALSE(t->seek("BZ"));
    EXPECT_EQ(t->recNo(), 6u);  // COLE, the next greater key
    EXPECT_FALSE(t->seek("ZZ"));
    EXPECT_TRUE(t->eof());
    engine.settings.softSeek = false;
    EXPECT_TRUE(t->seek(""));  // the empty key matches the first
    EXPECT_EQ(t->recNo(), 4u);
}

TEST_F(Indexes, SeeksOfNumbersDatesAndLogicals) {
    t->setOrder("AGE");
    EXPECT_TRUE(t->seekNumber(25));
    EXPECT_EQ(t->recNo(), 2u);
    EXPECT_TRUE(t->seek("61"));
    EXPECT_EQ(t->recNo(), 3u);
    EXPECT_FALSE(t->seekNumber(26));
    EXPECT_THROW(t->seek("sixty"), Error);
    EXPECT_THROW(t->seekDate(1), Error);
    t->setOrder("BORN");
    EXPECT_TRUE(t->seekDate(julianDay(1990, 1, 1) + 70));
    EXPECT_EQ(t->recNo(), 6u);
    EXPECT_TRUE(t->seek(toDtos(julianDay(1990, 1, 1) + 12)));
    EXPECT_EQ(t->recNo(), 7u);
    t->setOrder("OK");
    EXPECT_TRUE(t->seekLogical(true));
    EXPECT_EQ(t->recNo(), 1u);
    EXPECT_TRUE(t->seek("F"));
    EXPECT_EQ(t->recNo(), 2u);
    t->setOrder(0);
    EXPECT_THROW(t->seek("X"), Error);
}

TEST_F(Indexes, SeeksAndWalksSkipHiddenAndFilteredRecords) {
    t->setOrder("NAME");
    t->go(2);
    t->deleteRecord();
    engine.settings.hideDeleted = true;
    EXPECT_TRUE(t->seek("BROWN"));
    EXPECT_EQ(t->recNo(), 7u);  // record 2 is hidden; "brown" (7) matches
    t->setFilter("AGE > 20");
    EXPECT_TRUE(t->seek("BROWN"));
    EXPECT_EQ(t->recNo(), 5u);  // 7 is 12 years old
    EXPECT_EQ(walk(*t), (Recnos{4, 5, 6, 1, 3}));
    EXPECT_EQ(t->visibleCount(), 5u);
}

TEST_F(Indexes, ScopesBoundWalksSeeksAndCounts) {
    t->setOrder("NAME");
    t->setScope("BROWN", "C");
    EXPECT_EQ(walk(*t), (Recnos{2, 7, 5, 6}));
    EXPECT_EQ(t->visibleCount(), 4u);
    t->goBottom();
    EXPECT_EQ(t->recNo(), 6u);
    t->skip(-10);
    EXPECT_TRUE(t->bof());
    EXPECT_EQ(t->recNo(), 2u);
    EXPECT_FALSE(t->seek("SMITH"));
    t->setScope("", "B");
    EXPECT_EQ(walk(*t), (Recnos{4, 2, 7, 5}));
    t->setScope("S", "");
    EXPECT_EQ(walk(*t), (Recnos{1, 3}));
    t->setScope("", "");
    EXPECT_EQ(walk(*t).size(), 7u);
    t->setOrder("AGE");
    t->setScope("25", "40");
    EXPECT_EQ(walk(*t), (Recnos{2, 5, 4, 1}));
}

TEST_F(Indexes, TagsFollowEveryChange) {
    t->setOrder("NAME");
    t->go(6);
    t->setText("NAME", "Aardvark");
    t->post();
    t->appendBlank();
    t->setText("NAME", "Zulu");
    t->post();
    t->appendBlank();
    t->setText("NAME", "Nobody");
    t->cancel();
    EXPECT_EQ(walk(*t), (Recnos{6, 4, 2, 7, 5, 1, 3, 8}));
    t->go(1);
    t->setNumber("AGE", 1);  // not a key of this order
    t->post();
    EXPECT_EQ(walk(*t), (Recnos{6, 4, 2, 7, 5, 1, 3, 8}));
    t->setOrder("AGE");
    EXPECT_EQ(walk(*t), (Recnos{8, 1, 7, 2, 5, 4, 3, 6}));  // Zulu has no age
    t->go(4);
    t->deleteRecord();
    t->go(5);
    t->deleteRecord();
    t->pack();
    t->setOrder("NAME");
    // After the pack: 1 smith, 2 Brown, 3 SMYTHE, 4 Aardvark, 5 brown, 6 Zulu.
    EXPECT_EQ(walk(*t), (Recnos{4, 2, 5, 1, 3, 6}));
    t->zap();
    EXPECT_EQ(walk(*t), Recnos{});
    t->appendBlank();
    t->setText("NAME", "again");
    t->post();
    EXPECT_EQ(walk(*t), Recnos{1});
}

TEST_F(Indexes, ConditionsAndUniqueTags) {
    t->createTag("OLD", "UPPER(NAME)", "AGE >= 40");
    t->createTag("ONCE", "UPPER(LEFT(NAME,2))", "", true);
    t->setOrder("OLD");
    EXPECT_EQ(walk(*t), (Recnos{6, 1, 3}));
    t->go(7);
    t->setNumber("AGE", 45);
    t->post();
    EXPECT_EQ(walk(*t), (Recnos{7, 6, 1, 3}));
    t->setOrder("ONCE");
    EXPECT_EQ(walk(*t), (Recnos{4, 2, 6, 1}));
    EXPECT_THROW(t->createTag("BAD", "UPPER(NAME)", "AGE"), ExpressionError);
    EXPECT_THROW(t->createTag("BAD", "NOSUCH"), ExpressionError);
    EXPECT_THROW(t->createTag("WIDE",
                              "NAME+NAME+NAME+NAME+NAME+NAME+NAME+NAME+NAME+NAME+NAME+NAME+NAME+"
                              "NAME+NAME+NAME+NAME+NAME+NAME+NAME+NAME+NAME+NAME+NAME+NAME"),
                 Error);
    EXPECT_EQ(t->orderCount(), 6);
}

TEST_F(Indexes, DroppingTagsAndDeletingTheIndex) {
    t->setOrder("OK");
    t->dropTag("age");
    EXPECT_EQ(t->orderCount(), 3);
    EXPECT_EQ(t->tagName(2), "BORN");
    EXPECT_EQ(t->order(), 3);
    EXPECT_EQ(t->orderTagName(), "OK");
    EXPECT_THROW(t->dropTag("AGE"), Error);
    t->deleteIndexes();
    EXPECT_FALSE(fileExists(dir.file("P.CDX")));
    EXPECT_EQ(readBytes(path)[dbf::kTableFlagsOffset], 0);
    EXPECT_EQ(t->orderCount(), 0);
    EXPECT_EQ(t->order(), 0);
    t->createTag("NAME", "UPPER(NAME)");  // a fresh index with no stale tags
    EXPECT_EQ(t->orderCount(), 1);
}

TEST_F(Indexes, IndexFilesListWhatIsAddedToThem) {
    std::string idx = dir.file("WORK.IDX");
    int n = t->createIndexFile(idx, "UPPER(NAME)", true);
    EXPECT_EQ(n, 5);
    EXPECT_EQ(t->order(), 5);
    EXPECT_EQ(t->orderTagName(), "WORK");
    EXPECT_EQ(t->orderIndexFile(), idx);
    EXPECT_EQ(walk(*t), Recnos{});
    for (std::uint32_t r : {3u, 1u, 3u, 6u}) {
        t->go(r);
        t->addKey();  // record 3 twice: harmless
    }
    EXPECT_EQ(walk(*t), (Recnos{6, 1, 3}));
    t->go(1);
    t->deleteKey();
    EXPECT_EQ(walk(*t), (Recnos{6, 3}));
    EXPECT_TRUE(t->seek("SMY"));
    EXPECT_FALSE(t->seek("SMI"));
    t->closeIndexes();
    EXPECT_EQ(t->orderCount(), 0);
}

TEST_F(Indexes, AnIndexFileFilledAtOnceListsWhatAddKeyWould) {
    // The same records as above, record 3 twice, and numbers the table does not have.
    t->createIndexFile(dir.file("ONCE.IDX"), "UPPER(NAME)", true);
    t->go(2);
    t->fillIndexFile({3, 1, 3, 6, 0, 99});
    EXPECT_EQ(t->recNo(), 2u);
    EXPECT_EQ(walk(*t), (Recnos{6, 1, 3}));
    EXPECT_TRUE(t->seek("SMY"));
    t->setOrder(0);
    EXPECT_THROW(t->fillIndexFile({1}), Error);
}

TEST_F(Indexes, IndexFilesReopenAndBuildFromTheTable) {
    std::string idx = dir.file("AGES.IDX");
    t->createIndexFile(idx, "AGE", false);
    EXPECT_EQ(walk(*t), (Recnos{7, 2, 5, 4, 1, 3, 6}));
    t->closeIndexes();
    int n = t->openIndexFile(idx);
    EXPECT_EQ(n, 1);
    EXPECT_TRUE(t->seekNumber(61));
    EXPECT_EQ(t->recNo(), 3u);
}

TEST_F(Indexes, StoppedBuildLeavesNoTag) {
    try {
        t->createTag("HALF", "UPPER(NAME)", "", false, [](int percent) { return percent < 30; });
        FAIL() << "the build was not stopped";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Building index HALF of " + path + " was stopped");
    }
    EXPECT_EQ(t->orderCount(), 4);
    EXPECT_EQ(t->orderNumber("HALF"), 0);
}

TEST_F(Indexes, DamagedIndexIsReportedAndTheTableOpensWithoutIt) {
    t->close();
    std::string cdx = readBytes(dir.file("P.CDX"));
    cdx.replace(0, 4, std::string("\xF0\xFF\xFF\x00", 4));  // the directory's root far outside
    writeBytes(dir.file("P.CDX"), cdx);
    EXPECT_THROW(engine.open(path), IndexError);
    auto bare = engine.open(path, OpenMode::Exclusive, false);
    EXPECT_EQ(bare->orderCount(), 0);
    bare->deleteIndexes();
    bare->createTag("NAME", "UPPER(NAME)");
    bare->close();
    EXPECT_EQ(engine.open(path)->orderCount(), 1);
}

TEST_F(Indexes, MissingIndexFileOpensWithoutOrders) {
    t->close();
    removeFile(dir.file("P.CDX"));
    auto again = engine.open(path);
    EXPECT_FALSE(again->hasStructuralIndex());
    EXPECT_EQ(again->orderCount(), 0);
}

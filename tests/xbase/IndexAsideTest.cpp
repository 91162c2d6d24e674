// A structural index set aside for a run of appends: the header stays marked, the index file
// keeps its tags, the next writing open or reindex() builds them again; a rebuild that fails
// leaves the mark.
#include <gtest/gtest.h>

#include <cerrno>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/Error.h"
#include "xbase/WriteFaults.h"

using namespace xbase;

namespace {

class IndexAside : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.create(path, peopleFields());
        auto t = engine.open(path, OpenMode::Exclusive);
        appendNames(*t, {"smith", "Brown"});
        t->createTag("NAME", "UPPER(NAME)");
        t->createTag("AGE", "AGE", "AGE > 2");
        t->close();
    }

    char mark() const { return readBytes(path)[14]; }
    std::string check() { return runProcess(XBASE_TOOL_PATH, {"check", path}, dir.path()).out; }

    TempDir dir;
    std::string path = dir.file("P.DBF");
    std::string cdxPath = dir.file("P.CDX");
    Engine engine;
};

TEST_F(IndexAside, TheMarkIsOnTheDiskAtOnceAndOutlivesTheAppendsUntilTheNextOpen) {
    const std::string index = readBytes(cdxPath);
    auto t = engine.open(path, OpenMode::Exclusive);
    t->setIndexAside();
    EXPECT_EQ(mark(), 1);
    EXPECT_FALSE(t->hasStructuralIndex());
    EXPECT_EQ(t->orderCount(), 0);
    appendNames(*t, {"adams", "Cole", "brown"});
    t->commit();
    EXPECT_EQ(mark(), 1);
    t->close();
    EXPECT_EQ(mark(), 1);
    EXPECT_EQ(readBytes(cdxPath), index);

    t = engine.open(path, OpenMode::Exclusive);
    EXPECT_TRUE(t->indexRebuiltAtOpen());
    EXPECT_EQ(mark(), 0);
    t->close();
    EXPECT_EQ(check(), "ok: 2 tags, 5 records\n");
}

TEST_F(IndexAside, ReindexOpensTheIndexAgainAndBuildsItsTags) {
    auto t = engine.open(path, OpenMode::Exclusive);
    t->setIndexAside();
    appendNames(*t, {"adams", "Cole", "brown"});
    t->reindex();
    EXPECT_EQ(mark(), 0);
    ASSERT_EQ(t->orderCount(), 2);
    t->setOrder("NAME");
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{3, 2, 5, 4, 1}));
    t->close();
    EXPECT_EQ(check(), "ok: 2 tags, 5 records\n");
    EXPECT_FALSE(engine.open(path, OpenMode::Exclusive)->indexRebuiltAtOpen());
}

TEST_F(IndexAside, AReindexThatFailsLeavesTheMark) {
    const struct {
        const char* name;
        bool aside;
    } cases[] = {{"index open", false}, {"index set aside", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = engine.open(path, OpenMode::Exclusive);
        if (c.aside) t->setIndexAside();
        appendNames(*t, {"adams"});
        EXPECT_THROW(t->reindex([](int percent) { return percent < 50; }), Error);
        t->commit();
        t->close();
        EXPECT_EQ(mark(), 1);
        EXPECT_TRUE(engine.open(path, OpenMode::Exclusive)->indexRebuiltAtOpen());
    }
}

TEST_F(IndexAside, WhenTheMarkCannotBeWrittenTheIndexStaysOpen) {
    auto t = engine.open(path, OpenMode::Exclusive);
    WriteFaults::failAfter(1, ENOSPC);
    EXPECT_THROW(t->setIndexAside(), Error);
    WriteFaults::off();
    EXPECT_TRUE(t->hasStructuralIndex());
    EXPECT_EQ(t->orderCount(), 2);
    appendNames(*t, {"adams"});
    t->close();
    EXPECT_EQ(mark(), 0);
    EXPECT_EQ(check(), "ok: 2 tags, 3 records\n");
}

}  // namespace

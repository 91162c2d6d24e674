// The header's incomplete mark: set for a run of changes, cleared once they are flushed, and
// what an open does with a table left marked.
#include <gtest/gtest.h>

#include "NamesTableFixture.h"
#include "OtherProcess.h"
#include "xbase/Error.h"
#include "xbase/FilePaths.h"
#include "xbase/internal/CdxFile.h"

using namespace xbase;

namespace {

class IncompleteMark : public NamesTableFixture {
  protected:
    void SetUp() override {
        auto t = makeNames({"smith", "Brown", "adams", "Cole", "brown"});
        t->createTag("AGE", "AGE", "AGE > 2");
        t->createTag("OK", "OK", {}, true);
        t->close();
        {  // a descending tag, which createTag does not make; reindex fills it
            CdxFile cdx = CdxFile::open(cdxPath, true);
            TagDefinition back{"BACK", "NAME", {}, KeyType::Character, 10, false, true};
            cdx.addTag(
                back, [](std::string&, std::uint32_t&) { return false; }, 0);
        }
        engine.open(path, OpenMode::Exclusive)->reindex();
    }

    void setMark() {
        std::string bytes = readBytes(path);
        bytes[dbf::kIncompleteOffset] = 1;
        writeBytes(path, bytes);
    }
    // What a writer killed before flushing its index leaves: records appended and changed that
    // the index file does not show, and the mark.
    void leaveStale() {
        const std::string before = readBytes(cdxPath);
        auto t = engine.open(path, OpenMode::Exclusive);
        appendNames(*t, {"zed", "Young"});
        t->go(1);
        t->setText("NAME", "Aaron");
        t->close();
        writeBytes(cdxPath, before);
        setMark();
    }
};

struct ModeCase {
    OpenMode mode;
    const char* name;
};

class IncompleteMarkModes : public IncompleteMark,
                            public ::testing::WithParamInterface<ModeCase> {};

}  // namespace

TEST_P(IncompleteMarkModes, SpansARunOfChangesUntilCommitOrClose) {
    auto t = engine.open(path, GetParam().mode);
    EXPECT_EQ(mark(), 0);
    t->appendBlank();
    t->setText("NAME", "new");
    EXPECT_EQ(mark(), 0);  // nothing written yet
    t->post();
    EXPECT_EQ(mark(), 1);
    t->go(1);
    t->setText("NAME", "changed");
    t->post();
    EXPECT_EQ(mark(), 1);
    t->commit();
    EXPECT_EQ(mark(), 0);
    t->commit();
    EXPECT_EQ(mark(), 0);
    t->go(2);
    t->deleteRecord();
    EXPECT_EQ(mark(), 1);
    t->close();
    EXPECT_EQ(mark(), 0);
    EXPECT_EQ(check(), "ok: 4 tags, 6 records\n");
}

TEST_P(IncompleteMarkModes, AMarkedTableHasItsIndexRebuiltAtOpen) {
    leaveStale();
    EXPECT_NE(check(), "ok: 4 tags, 7 records\n");
    std::vector<int> seen;
    auto t = engine.open(path, GetParam().mode, true, [&](int percent) {
        seen.push_back(percent);
        return true;
    });
    EXPECT_TRUE(t->indexRebuiltAtOpen());
    EXPECT_FALSE(t->indexMayBeStale());
    EXPECT_EQ(mark(), 0);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(t->mode(), GetParam().mode);
    if (GetParam().mode == OpenMode::Shared)
        EXPECT_NO_THROW(Engine().open(path, OpenMode::Shared));
    else
        EXPECT_THROW(Engine().open(path, OpenMode::Shared), Error);
    t->setOrder("NAME");
    t->goTop();
    EXPECT_EQ(t->text("NAME"), "Aaron");
    t->close();

    CdxFile cdx = CdxFile::open(cdxPath, false);
    ASSERT_EQ(cdx.tagCount(), 4u);
    const char* names[] = {"NAME", "AGE", "OK", "BACK"};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(cdx.tag(i).name(), names[i]);
    EXPECT_EQ(cdx.tag(0).keyExpression(), "UPPER(NAME)");
    EXPECT_EQ(cdx.tag(1).forExpression(), "AGE > 2");
    EXPECT_TRUE(cdx.tag(2).unique());
    EXPECT_TRUE(cdx.tag(3).descending());
    EXPECT_EQ(cdx.tag(3).keyLength(), 10u);
    EXPECT_FALSE(fileExists(dir.file("P~.CDX")));
    EXPECT_EQ(check(), "ok: 4 tags, 7 records\n");
}

INSTANTIATE_TEST_SUITE_P(Modes, IncompleteMarkModes,
                         ::testing::Values(ModeCase{OpenMode::Exclusive, "Exclusive"},
                                           ModeCase{OpenMode::Shared, "Shared"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(IncompleteMark, SharedWritersLeaveItToTheLastOneDone) {
    auto a = engine.open(path, OpenMode::Shared);
    auto b = engine.open(path, OpenMode::Shared);
    a->go(1);
    a->setText("NAME", "first");
    a->post();
    b->go(2);
    b->setText("NAME", "second");
    b->post();
    a->commit();
    EXPECT_EQ(mark(), 1);  // b's changes may still be on their way
    b->commit();
    EXPECT_EQ(mark(), 0);
}

TEST_F(IncompleteMark, TablesWithoutAnIndexAreNotMarkedAndAMarkFoundIsCleared) {
    const std::string plain = dir.file("PLAIN.DBF");
    engine.create(plain, peopleFields());
    auto t = engine.open(plain, OpenMode::Exclusive);
    appendNames(*t, {"a"});
    t->appendBlank();
    t->post();
    EXPECT_EQ(readBytes(plain)[dbf::kIncompleteOffset], 0);
    t->close();
    std::string bytes = readBytes(plain);
    bytes[dbf::kIncompleteOffset] = 1;  // as another program may leave it
    writeBytes(plain, bytes);
    t = engine.open(plain, OpenMode::Shared);
    EXPECT_FALSE(t->indexRebuiltAtOpen());
    EXPECT_EQ(readBytes(plain)[dbf::kIncompleteOffset], 0);
}

TEST_F(IncompleteMark, ADamagedIndexOfAMarkedTableIsRebuilt) {
    {
        CdxFile cdx = CdxFile::open(cdxPath, false);
        std::string bytes = readBytes(cdxPath);
        bytes.replace(cdx.findTag("NAME")->root(), 512, std::string(512, '\xFF'));
        writeBytes(cdxPath, bytes);
    }
    {
        auto t = engine.open(path, OpenMode::Exclusive);
        t->setOrder("NAME");
        EXPECT_THROW(t->goTop(), Error);
    }
    setMark();
    auto t = engine.open(path, OpenMode::Exclusive);
    EXPECT_TRUE(t->indexRebuiltAtOpen());
    t->close();
    EXPECT_EQ(check(), "ok: 4 tags, 5 records\n");

    // Without readable tag definitions there is nothing to rebuild from.
    writeBytes(cdxPath, readBytes(cdxPath).substr(0, 700));
    setMark();
    EXPECT_THROW(engine.open(path, OpenMode::Exclusive), IndexError);
    EXPECT_EQ(mark(), 1);
}

TEST_F(IncompleteMark, ASharedOpenLeavesItWhileAnotherProcessHoldsTheTable) {
    leaveStale();
    {
        OtherProcess holder([&](const std::function<void()>& holdOn) {
            File f = File::open(path, false);
            if (f.tryLock(LockKind::Shared)) holdOn();
        });
        ASSERT_TRUE(holder.opened());
        // No writer at work holds the mark: the index may miss changes, so the open reads in
        // record order and says so.
        auto t = engine.open(path, OpenMode::Shared);
        EXPECT_FALSE(t->indexRebuiltAtOpen());
        EXPECT_TRUE(t->indexMayBeStale());
        EXPECT_EQ(t->orderCount(), 0);
        EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6, 7}));
        t->go(2);
        t->setText("NAME", "Bert");
        t->commit();
        EXPECT_EQ(mark(), 1);  // not this open's to clear: the index missed another's changes
        t->close();
        EXPECT_EQ(mark(), 1);
    }
    auto t = engine.open(path, OpenMode::Shared);
    EXPECT_TRUE(t->indexRebuiltAtOpen());
    EXPECT_EQ(mark(), 0);
    t->close();
    EXPECT_EQ(check(), "ok: 4 tags, 7 records\n");
}

TEST_F(IncompleteMark, AReadOnlyOpenUsesRecordOrderAndSaysTheIndexMayBeStale) {
    leaveStale();
    const std::string index = readBytes(cdxPath);
    auto t = engine.open(path, OpenMode::ReadOnly);
    EXPECT_TRUE(t->indexMayBeStale());
    EXPECT_FALSE(t->indexRebuiltAtOpen());
    EXPECT_TRUE(t->markedIncomplete());
    EXPECT_FALSE(t->hasStructuralIndex());
    EXPECT_EQ(t->orderCount(), 0);
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6, 7}));
    t->close();
    EXPECT_EQ(mark(), 1);
    EXPECT_EQ(readBytes(cdxPath), index);
}

TEST_F(IncompleteMark, AnOpenWithoutIndexesKeepsItUntilTheIndexIsGone) {
    leaveStale();
    auto t = engine.open(path, OpenMode::Exclusive, false);
    EXPECT_FALSE(t->indexRebuiltAtOpen());
    t->go(1);
    t->setText("NAME", "Abe");
    t->commit();
    EXPECT_EQ(mark(), 1);
    t->deleteIndexes();
    EXPECT_EQ(mark(), 0);
}

TEST_F(IncompleteMark, AStoppedRebuildLeavesTheTableMarked) {
    leaveStale();
    const std::string index = readBytes(cdxPath);
    try {
        engine.open(path, OpenMode::Exclusive, true, [](int percent) { return percent < 60; });
        FAIL() << "the rebuild was not stopped";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Rebuilding the indexes of " + path + " was stopped");
    }
    EXPECT_EQ(mark(), 1);
    EXPECT_EQ(readBytes(cdxPath), index);
    EXPECT_FALSE(fileExists(dir.file("P~.CDX")));
}

// A shared open asking whether another process changed the table since it last looked.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>

#include "OtherProcess.h"
#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"

using namespace xbase;

namespace {

// A table of three people (C deleted), with a tag on NAME or without an index.
std::string makePeople(TempDir& dir, bool indexed) {
    const std::string path = dir.file(indexed ? "TAGGED.DBF" : "PLAIN.DBF");
    Engine engine;
    engine.create(path, peopleFields());
    auto t = engine.open(path, OpenMode::Exclusive);
    appendNames(*t, {"A", "B", "C"});
    t->go(3);
    t->deleteRecord();
    if (indexed) t->createTag("NAME", "NAME");
    t->close();
    return path;
}

// A shared open of a table of three people, made in a folder of its own.
struct SharedPeople {
    explicit SharedPeople(bool indexed)
        : path(makePeople(dir, indexed)), table(engine.open(path, OpenMode::Shared)) {}

    TempDir dir;
    std::string path;
    Engine engine;
    std::unique_ptr<Table> table;
};

// Runs change on a shared open of path in another process, to its end.
void changeElsewhere(const std::string& path, const std::function<void(Table&)>& change) {
    OtherProcess other([&](const std::function<void()>& holdOn) {
        Engine engine;
        auto t = engine.open(path, OpenMode::Shared);
        change(*t);
        t->close();
        holdOn();
    });
    ASSERT_TRUE(other.opened());
}

std::uint32_t changeCounter(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char bytes[dbf::kChangeCountSize] = {};
    in.seekg(dbf::kChangeCountOffset);
    in.read(bytes, sizeof bytes);
    std::uint32_t n = 0;
    for (int i = dbf::kChangeCountSize - 1; i >= 0; --i)
        n = n << 8 | static_cast<unsigned char>(bytes[i]);
    return n;
}

struct OthersChangeCase {
    const char* what;
    std::function<void(Table&)> change;
    bool changed;
    std::uint32_t countAfter;
};

const std::vector<OthersChangeCase> kOthersChanges = {
    {"a memo", [](Table& t) { t.go(2), t.setMemo("NOTE", "moved to Leeds"), t.commit(); }, true, 3},
    {"an unindexed number", [](Table& t) { t.go(2), t.setNumber("AGE", 9), t.commit(); }, true, 3},
    {"an indexed name", [](Table& t) { t.go(2), t.setText("NAME", "Bea"), t.commit(); }, true, 3},
    {"a deletion", [](Table& t) { t.go(2), t.deleteRecord(), t.commit(); }, true, 3},
    {"a recall", [](Table& t) { t.go(3), t.recall(), t.commit(); }, true, 3},
    {"an append", [](Table& t) { t.appendBlank(), t.setText("NAME", "D"), t.commit(); }, true, 4},
    {"a look only", [](Table& t) { t.go(2), (void)t.text("NAME"); }, false, 3},
};

}  // namespace

TEST(OthersChanged, SeesEveryKindOfChangeByAnotherProcessWithAndWithoutAnIndex) {
    for (bool indexed : {true, false}) {
        for (const OthersChangeCase& c : kOthersChanges) {
            SCOPED_TRACE(std::string(c.what) + (indexed ? " with a tag" : " without an index"));
            SharedPeople people(indexed);
            const auto& t = people.table;
            t->go(1);
            t->setText("NAME", "Ann");  // an edit under way stays as it is
            changeElsewhere(people.path, c.change);
            EXPECT_EQ(t->othersChanged(), c.changed);
            EXPECT_EQ(t->recordCount(), c.countAfter);
            EXPECT_EQ(t->recNo(), 1u);
            EXPECT_TRUE(t->editing());
            EXPECT_EQ(t->text("NAME"), "Ann");
            EXPECT_FALSE(t->othersChanged());  // told once
        }
    }
}

TEST(OthersChanged, LeavesTheShownRecordUntilTheTableMovesThenGoReadsItAgain) {
    SharedPeople people(false);
    const auto& t = people.table;
    t->go(2);
    changeElsewhere(people.path, [](Table& o) {
        o.go(2);
        o.setText("NAME", "Bea");
        o.setMemo("NOTE", "moved");
        o.commit();
    });
    ASSERT_TRUE(t->othersChanged());
    EXPECT_EQ(t->text("NAME"), "B");
    t->go(t->recNo());
    EXPECT_EQ(t->text("NAME"), "Bea");
    EXPECT_EQ(t->memo("NOTE"), "moved");
}

TEST(OthersChanged, AnOpensOwnChangesAreNoNewsToIt) {
    SharedPeople people(true);
    const auto& t = people.table;
    t->go(1);
    t->setMemo("NOTE", "mine");
    t->commit();
    t->appendBlank();
    t->setText("NAME", "E");
    t->commit();
    EXPECT_FALSE(t->othersChanged());
    // Another process's change between two of this open's own is still news.
    changeElsewhere(people.path, [](Table& o) { o.go(2), o.setNumber("AGE", 7), o.commit(); });
    t->go(1);
    t->setNumber("AGE", 8);
    t->commit();
    EXPECT_TRUE(t->othersChanged());
    EXPECT_FALSE(t->othersChanged());
}

TEST(OthersChanged, SharedPostsRaiseTheHeadersCounterAndExclusiveOpensLeaveIt) {
    TempDir dir;
    const std::string path = makePeople(dir, true);
    EXPECT_EQ(changeCounter(path), 0u);  // the exclusive open that made it left it alone
    Engine engine;
    {
        auto t = engine.open(path, OpenMode::Shared);
        t->go(1);
        t->setNumber("AGE", 4);
        t->commit();
        t->deleteRecord();
        t->appendBlank();
        t->setText("NAME", "F");
        t->commit();
        EXPECT_FALSE(t->othersChanged());
    }
    EXPECT_EQ(changeCounter(path), 3u);
    {
        auto t = engine.open(path, OpenMode::Exclusive);
        t->go(1);
        t->recall();
        t->appendBlank();
        t->commit();
        EXPECT_FALSE(t->othersChanged());
    }
    EXPECT_EQ(changeCounter(path), 3u);
}

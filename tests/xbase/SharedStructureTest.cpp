// What a shared open may not do to a table's indexes, and the header lock it reads the record
// count under.
#include <gtest/gtest.h>

#include <functional>

#include "FamilyLocks.h"
#include "OtherProcess.h"
#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/Error.h"

using namespace xbase;

namespace {

struct RefusedCase {
    const char* what;
    bool indexed;  // the table has a structural index
    std::function<void(Table&)> work;
    const char* message;  // before the path
};

const std::vector<RefusedCase> kRefused = {
    {"a first tag", false, [](Table& t) { t.createTag("NAME", "NAME"); }, "Adding tags to"},
    {"another tag", true, [](Table& t) { t.createTag("AGE", "AGE"); }, "Adding tags to"},
    {"tags", true,
     [](Table& t) {
         t.createTags({{"AGE", "AGE", "", false}});
     },
     "Adding tags to"},
    {"a dropped tag", true, [](Table& t) { t.dropTag("NAME"); }, "Removing a tag from"},
    {"a rebuild", true, [](Table& t) { t.reindex(); }, "Rebuilding the tags of"},
    {"no index", true, [](Table& t) { t.deleteIndexes(); }, "Removing the structural index of"},
};

}  // namespace

TEST(SharedStructure, ASharedOpenLeavesTheIndexesAsTheyAre) {
    for (const RefusedCase& c : kRefused) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string path = dir.file("P.DBF");
        Engine engine;
        engine.create(path, peopleFields());
        {
            auto t = engine.open(path, OpenMode::Exclusive);
            appendNames(*t, {"b", "a"});
            if (c.indexed) t->createTag("NAME", "NAME");
        }
        const std::string before = readBytes(path);
        auto t = engine.open(path, OpenMode::Shared);
        try {
            c.work(*t);
            ADD_FAILURE() << "not refused";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string(c.message) + " " + path + " needs the table opened exclusively");
        }
        EXPECT_EQ(t->orderCount(), c.indexed ? 1 : 0);
        EXPECT_EQ(t->hasStructuralIndex(), c.indexed);
        t->close();
        EXPECT_EQ(readBytes(path), before);
    }
}

TEST(SharedStructure, TheRecordCountIsReadUnderTheHeaderLock) {
    // Another program holding the header lock keeps a shared open from reading the count.
    TempDir dir;
    const std::string path = dir.file("P.DBF");
    Engine engine;
    engine.settings.lockWaitMilliseconds = 20;
    engine.create(path, peopleFields());
    {
        auto t = engine.open(path, OpenMode::Exclusive);
        appendNames(*t, {"b", "a"});
        t->createTag("NAME", "NAME");
    }
    auto t = engine.open(path, OpenMode::Shared);
    const std::string locked = "The header of " + path + " is locked by another program or user";
    const std::vector<std::pair<const char*, std::function<void()>>> reads = {
        {"go", [&] { t->go(1); }},
        {"goTop", [&] { t->goTop(); }},
        {"visibleCount", [&] { (void)t->visibleCount(); }},
        {"othersChanged", [&] { (void)t->othersChanged(); }},
    };
    OtherProcess holder(familyLock(path, kCdxHeaderByte));
    ASSERT_TRUE(holder.opened());
    for (const auto& [what, read] : reads) {
        SCOPED_TRACE(what);
        try {
            read();
            ADD_FAILURE() << "read without the lock";
        } catch (const LockedError& e) {
            EXPECT_EQ(std::string(e.what()), locked);
        }
    }
}

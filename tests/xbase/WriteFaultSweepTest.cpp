// A full disk at every write of an operation in turn: a Save, an append, a pack, a reindex and
// the builds of many tags (21 made afresh, as for a new address file, and 21 rebuilt after
// appends with the index set aside, as at the end of an import) are each run once to count
// their writes, then once per write on a fresh copy of a small table with a memo file and a
// structural index, that write failing with ENOSPC. The operation must end with an error naming
// the file and the cause; the table, opened again (which repairs what the mark covers), must
// hold every record as committed before the operation (a saved record old or new, never a mix;
// a packed table old or new, whole), and xbase-tool check must find its tags in agreement with
// the records. The repair at open is swept the same way.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <regex>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"
#include "xbase/Error.h"
#include "xbase/WriteFaults.h"

using namespace xbase;

namespace {

constexpr int kRecords = 24;
constexpr int kTags = 3;
constexpr int kManyTags = 21;
// A build of tags stopped part way leaves the tags before it: any count up to all of them.
constexpr int kSomeTags = -1;
constexpr std::uint32_t kSaved = 5;
const char* const kFiles[] = {"T.DBF", "T.FPT", "T.CDX"};

struct Rec {
    std::string name, city, amount, memo;
    bool deleted = false;
    bool operator==(const Rec&) const = default;
};

std::string describe(const Rec& r) {
    return r.name + "|" + r.city + "|" + r.amount + "|memo of " + std::to_string(r.memo.size()) +
           (r.deleted ? "|deleted" : "");
}

void PrintTo(const Rec& r, std::ostream* out) {
    *out << describe(r);
}

Rec numbered(int i) {
    Rec r{"name" + std::to_string(100 - i), i % 2 ? "Boston" : "Albany", std::to_string(i * 7),
          i % 3 ? std::string(40 + i * 10, static_cast<char>('A' + i % 26)) : ""};
    r.deleted = i % 5 == 0;
    return r;
}

void put(Table& t, const Rec& r) {
    t.setText("NAME", r.name);
    t.setText("CITY", r.city);
    t.setText("AMOUNT", r.amount);
    t.setMemo("NOTE", r.memo);
}

std::vector<Rec> readRecords(const std::string& path) {
    Engine engine;
    auto t = engine.open(path, OpenMode::ReadOnly);
    std::vector<Rec> recs;
    for (std::uint32_t r = 1; r <= t->recordCount(); ++r) {
        t->go(r);
        recs.push_back(
            {t->text("NAME"), t->text("CITY"), t->text("AMOUNT"), t->memo("NOTE"), t->deleted()});
    }
    return recs;
}

std::vector<Rec> packed(const std::vector<Rec>& recs) {
    std::vector<Rec> live;
    for (const Rec& r : recs)
        if (!r.deleted) live.push_back(r);
    return live;
}

// One operation of the sweep and what it may leave behind.
struct Operation {
    const char* name;
    OpenMode mode;
    std::function<void(Table&)> prepare;  // before the writes are counted
    std::function<void(Table&)> run;
    // Whether the records found after the fault are allowed, given those before.
    using Expect =
        std::function<void(const std::vector<Rec>& before, const std::vector<Rec>& after)>;
    Expect expect;
    int tags = kTags;  // the tags after the repair, or kSomeTags
};

const Rec kNewValues{"saved", "Chicago", "999", std::string(300, 'S')};
const Rec kAppended[] = {{"new1", "Denver", "1", std::string(200, 'x')},
                         {"new2", "Fresno", "2", ""},
                         {"new3", "El Paso", "3", std::string(90, 'y')}};

void expectSame(const std::vector<Rec>& expected, const std::vector<Rec>& actual,
                std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_EQ(actual[i], expected[i]) << "record " << i + 1 << ": " << describe(actual[i]);
}

void save(Table& t) {
    put(t, kNewValues);
    t.post();
    t.commit();
}

void expectSaved(const std::vector<Rec>& before, const std::vector<Rec>& after) {
    ASSERT_EQ(after.size(), before.size());
    Rec saved = kNewValues;
    saved.deleted = before[kSaved - 1].deleted;
    EXPECT_TRUE(after[kSaved - 1] == before[kSaved - 1] || after[kSaved - 1] == saved)
        << "the saved record is torn: " << describe(after[kSaved - 1]);
    std::vector<Rec> others = after;
    others[kSaved - 1] = before[kSaved - 1];
    expectSame(before, others, before.size());
}

void append(Table& t) {
    for (const Rec& r : kAppended) {
        t.appendBlank();
        put(t, r);
        t.post();
    }
    t.commit();
}

void expectAppended(const std::vector<Rec>& before, const std::vector<Rec>& after) {
    ASSERT_GE(after.size(), before.size());
    ASSERT_LE(after.size(), before.size() + std::size(kAppended));
    expectSame(before, after, before.size());
    for (std::size_t i = before.size(); i < after.size(); ++i)
        EXPECT_EQ(after[i], kAppended[i - before.size()])
            << "appended record " << i + 1 << ": " << describe(after[i]);
}

// As many tags as an address file has, on the table's fields.
std::vector<Table::TagRequest> manyTags() {
    const char* const keys[] = {"UPPER(NAME)",      "CITY+NAME",          "AMOUNT",     "NAME",
                                "UPPER(CITY-NAME)", "STR(AMOUNT,6)+CITY", "LTRIM(CITY)"};
    std::vector<Table::TagRequest> tags;
    for (int i = 0; i < kManyTags; ++i)
        tags.push_back({"MANY" + std::to_string(i + 1), keys[i % std::size(keys)], "", false});
    return tags;
}

void buildManyTags(Table& t) {
    t.deleteIndexes();
    t.createTags(manyTags());
}

// As an import does: the tags set aside, records appended and committed; their rebuild is what
// the sweep fails.
void appendWithTagsAside(Table& t) {
    buildManyTags(t);
    t.setIndexAside();
    for (const Rec& r : kAppended) {
        t.appendBlank();
        put(t, r);
        t.post();
    }
    t.commit();
}

std::vector<Operation> operations() {
    const auto goToSaved = [](Table& t) { t.go(kSaved); };
    const auto nothing = [](Table&) {};
    return {
        {"save", OpenMode::Exclusive, goToSaved, save, expectSaved},
        {"save in a shared open", OpenMode::Shared, goToSaved, save, expectSaved},
        {"append", OpenMode::Exclusive, nothing, append, expectAppended},
        {"append in a shared open", OpenMode::Shared, nothing, append, expectAppended},
        {"pack", OpenMode::Exclusive, nothing, [](Table& t) { t.pack(); },
         [](const std::vector<Rec>& before, const std::vector<Rec>& after) {
             EXPECT_TRUE(after == before || after == packed(before))
                 << "a pack left " << after.size() << " records of " << before.size();
         }},
        {"zap", OpenMode::Exclusive, nothing, [](Table& t) { t.zap(); },
         [](const std::vector<Rec>& before, const std::vector<Rec>& after) {
             EXPECT_TRUE(after == before || after.empty())
                 << "a zap left " << after.size() << " records of " << before.size();
         }},
        {"reindex", OpenMode::Exclusive, nothing, [](Table& t) { t.reindex(); },
         [](const std::vector<Rec>& before, const std::vector<Rec>& after) {
             ASSERT_EQ(after.size(), before.size());
             expectSame(before, after, before.size());
         }},
        {"build of 21 tags", OpenMode::Exclusive, nothing, buildManyTags,
         [](const std::vector<Rec>& before, const std::vector<Rec>& after) {
             ASSERT_EQ(after.size(), before.size());
             expectSame(before, after, before.size());
         },
         kSomeTags},
        {"rebuild of 21 tags set aside", OpenMode::Exclusive, appendWithTagsAside,
         [](Table& t) { t.reindex(); },
         [](const std::vector<Rec>& before, const std::vector<Rec>& after) {
             ASSERT_EQ(after.size(), before.size() + std::size(kAppended));
             expectSame(before, after, before.size());
             for (std::size_t i = 0; i < std::size(kAppended); ++i)
                 EXPECT_EQ(after[before.size() + i], kAppended[i]);
         },
         kManyTags},
    };
}

class WriteFaultSweep : public ::testing::Test {
  protected:
    void SetUp() override {
        Engine engine;
        engine.create(original_.file("T.DBF"), {{"NAME", 'C', 12, 0},
                                                {"CITY", 'C', 10, 0},
                                                {"AMOUNT", 'N', 6, 0},
                                                {"NOTE", 'M', 0, 0}});
        auto t = engine.open(original_.file("T.DBF"), OpenMode::Exclusive);
        for (int i = 1; i <= kRecords; ++i) {
            const Rec r = numbered(i);
            t->appendBlank();
            put(*t, r);
            if (r.deleted) t->deleteRecord();
            t->post();
        }
        t->createTags({{"NAME", "UPPER(NAME)", "", false},
                       {"CITYNAME", "CITY+NAME", "", false},
                       {"RICH", "AMOUNT", "AMOUNT > 50", false}});
        t->close();
        before_ = readRecords(original_.file("T.DBF"));
    }
    void TearDown() override { WriteFaults::off(); }

    // A fresh copy of the table in the work folder, its path returned.
    std::string freshCopy() {
        for (const char* name : kFiles)
            std::filesystem::copy_file(original_.file(name), work_.file(name),
                                       std::filesystem::copy_options::overwrite_existing);
        return work_.file("T.DBF");
    }

    // The writes the operation makes when none fails.
    std::uint64_t countWrites(const Operation& op) {
        Engine engine;
        auto t = engine.open(freshCopy(), op.mode);
        op.prepare(*t);
        WriteFaults::count();
        op.run(*t);
        const std::uint64_t n = WriteFaults::calls();
        WriteFaults::off();
        t->close();
        return n;
    }

    void failAt(const Operation& op, std::uint64_t n, unsigned mode) {
        const std::string path = freshCopy();
        std::string error;
        {
            Engine engine;
            auto t = engine.open(path, op.mode);
            op.prepare(*t);
            WriteFaults::failAfter(n, ENOSPC, mode);
            try {
                op.run(*t);
            } catch (const Error& e) {
                error = e.what();
            }
            // The table goes as a program that reported the error closes it: on a disk that
            // stays full, its own last writes fail too.
            t.reset();
            WriteFaults::off();
        }
        expectFullDisk(error);
        expectRepaired(path, op.expect, op.tags);
    }

    void expectFullDisk(const std::string& error) const {
        EXPECT_NE(error.find(work_.path()), std::string::npos) << error;
        EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
    }

    // Opens the table (which repairs what the mark covers) and checks what it holds.
    void expectRepaired(const std::string& path, const Operation::Expect& expect,
                        int tags = kTags) {
        {
            Engine engine;
            engine.open(path, OpenMode::Exclusive)->close();
        }
        EXPECT_EQ(readBytes(path)[dbf::kIncompleteOffset], 0) << "the mark is still set";
        const std::vector<Rec> after = readRecords(path);
        expect(before_, after);
        const std::string checked = runProcess(XBASE_TOOL_PATH, {"check", path}, work_.path()).out;
        std::smatch found;
        ASSERT_TRUE(
            std::regex_match(checked, found, std::regex("ok: (\\d+) tags?, (\\d+) records\n")))
            << checked;
        EXPECT_EQ(found[2], std::to_string(after.size())) << checked;
        if (tags == kSomeTags)
            EXPECT_LE(std::stoi(found[1]), kManyTags) << checked;
        else
            EXPECT_EQ(found[1], std::to_string(tags)) << checked;
    }

    // A fresh copy whose mark says a writer was cut short: its next exclusive open rebuilds.
    std::string markedCopy() {
        const std::string path = freshCopy();
        std::string bytes = readBytes(path);
        bytes[dbf::kIncompleteOffset] = 1;
        writeBytes(path, bytes);
        return path;
    }

    void sweep(unsigned mode) {
        for (const Operation& op : operations()) {
            const std::uint64_t writes = countWrites(op);
            ASSERT_GT(writes, 0u) << op.name;
            for (std::uint64_t n = 1; n <= writes; ++n) {
                SCOPED_TRACE(std::string(op.name) + ": write " + std::to_string(n) + " of " +
                             std::to_string(writes) + " fails");
                failAt(op, n, mode);
                if (HasFailure()) return;
            }
        }
    }

    TempDir original_;
    TempDir work_;
    std::vector<Rec> before_;
};

TEST_F(WriteFaultSweep, OneWriteFailsAndTheDiskHasRoomAgain) {
    sweep(WriteFaults::kOnce);
}

TEST_F(WriteFaultSweep, TheDiskStaysFullFromAHalfDoneWriteOn) {
    sweep(WriteFaults::kHalfWrite | WriteFaults::kLasting);
}

// The repair at open, stopped at each of its writes, is done again by the next open.
TEST_F(WriteFaultSweep, TheRepairAtOpenIsDoneAgainAfterAFailure) {
    std::uint64_t writes = 0;
    {
        Engine engine;
        const std::string path = markedCopy();
        WriteFaults::count();
        auto t = engine.open(path, OpenMode::Exclusive);
        writes = WriteFaults::calls();
        WriteFaults::off();
        ASSERT_TRUE(t->indexRebuiltAtOpen());
    }
    ASSERT_GT(writes, 0u);
    for (const unsigned mode : {0u, WriteFaults::kHalfWrite | WriteFaults::kLasting}) {
        for (std::uint64_t n = 1; n <= writes; ++n) {
            SCOPED_TRACE("repair at open in mode " + std::to_string(mode) + ": write " +
                         std::to_string(n) + " of " + std::to_string(writes) + " fails");
            const std::string path = markedCopy();
            std::string error;
            WriteFaults::failAfter(n, ENOSPC, mode);
            try {
                Engine().open(path, OpenMode::Exclusive);
            } catch (const Error& e) {
                error = e.what();
            }
            WriteFaults::off();
            expectFullDisk(error);
            expectRepaired(path, [](const std::vector<Rec>& before, const std::vector<Rec>& after) {
                EXPECT_EQ(after, before);
            });
            if (HasFailure()) return;
        }
    }
}

}  // namespace

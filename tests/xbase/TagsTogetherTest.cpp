// Several tags built in one go (Table::createTags, reindex): the index file is byte for byte
// the one that building the tags one by one gives, stops and errors leave the tags built
// before them, and the pipeline keeps at most three tags' keys at a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"
#include "xbase/Error.h"
#include "xbase/internal/TagPipeline.h"

using namespace xbase;

namespace {

constexpr int kRecords = 60000;

// The kilobytes of the file at path that this process's mappings hold resident.
long residentKilobytes(const std::string& path) {
    std::ifstream maps("/proc/self/smaps");
    long total = 0;
    bool inFile = false;
    for (std::string line; std::getline(maps, line);) {
        if (line.find('-') < line.find(' ')) {  // a mapping's first line ends with its path
            inFile = line.size() >= path.size() &&
                     line.compare(line.size() - path.size(), path.size(), path) == 0;
        } else if (inFile && line.rfind("Rss:", 0) == 0) {
            std::istringstream(line.substr(4)) >> total;
        }
    }
    return total;
}

// Plain, numeric, conditional, unique, date, memo-reading and deletion-mark tags.
const std::vector<Table::TagRequest>& requests() {
    static const std::vector<Table::TagRequest> list = {
        {"NAME", "UPPER(NAME)", "", false},
        {"AGE", "AGE", "AGE > 300", false},
        {"ONCE", "NAME", "", true},
        {"BORN", "BORN", "", false},
        {"MEMO", "IIF(EMPTY(NOTE), UPPER(NAME), NAME)", "", false},
        {"DEL", "DELETED()", "", false},
    };
    return list;
}

class TagsTogether : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.create(path(first), peopleFields());
        auto table = engine.open(path(first), OpenMode::Exclusive);
        for (int i = 1; i <= kRecords; ++i) {
            table->appendBlank();
            table->setText("NAME", (i % 3 ? "name" : "NAME") + std::to_string(i * 7919 % 1000));
            table->setNumber("AGE", i % 977);
            table->setDate("BORN", 2440000 + i * 31 % 4000);
            if (i % 5000 == 0) table->deleteRecord();
            table->post();
        }
        table->commit();
        table->close();
        std::filesystem::copy_file(path(first), path(second));
        std::filesystem::copy_file(first.file("P.FPT"), second.file("P.FPT"));
    }

    static std::string path(const TempDir& dir) { return dir.file("P.DBF"); }

    std::unique_ptr<Table> open(const TempDir& dir) {
        return engine.open(path(dir), OpenMode::Exclusive);
    }

    // Builds the first count tags of the list one by one.
    static void oneByOne(Table& table, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            const Table::TagRequest& r = requests()[i];
            table.createTag(r.name, r.keyExpression, r.forExpression, r.unique);
        }
    }

    TempDir first;
    TempDir second;
    Engine engine;
};

TEST_F(TagsTogether, AllAtOnceWritesTheFileThatOneByOneWrites) {
    oneByOne(*open(first), requests().size());
    std::vector<std::pair<std::size_t, int>> reports;
    {
        auto table = open(second);
        table->createTags(requests(), [&](std::size_t tag, int percent) {
            reports.emplace_back(tag, percent);
            return true;
        });
        EXPECT_EQ(table->orderCount(), static_cast<int>(requests().size()));
        EXPECT_EQ(table->tagName(6), "DEL");
    }
    const std::string bytes = readBytes(first.file("P.CDX"));
    ASSERT_GT(bytes.size(), 500000u);
    EXPECT_EQ(readBytes(second.file("P.CDX")), bytes);
    // Every tag reports its end, in list order.
    std::vector<std::size_t> ended;
    for (const auto& [tag, percent] : reports)
        if (percent == 100) ended.push_back(tag);
    EXPECT_EQ(ended, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
}

TEST_F(TagsTogether, ARepairAtOpenWritesTheFileThatOneByOneWrites) {
    oneByOne(*open(first), requests().size());
    open(second)->createTags(requests());
    std::string dbf = readBytes(path(second));
    dbf[dbf::kIncompleteOffset] = 1;  // a run of changes that never finished
    writeBytes(path(second), dbf);
    EXPECT_TRUE(open(second)->indexRebuiltAtOpen());
    EXPECT_EQ(readBytes(second.file("P.CDX")), readBytes(first.file("P.CDX")));
}

TEST_F(TagsTogether, TheRecordsReadForABuildAreLetGoAfterIt) {
    auto table = open(second);
    const long fileKilobytes = static_cast<long>(std::filesystem::file_size(path(second)) / 1024);
    table->createTags(requests());
    table->createTag("AGAIN", "NAME");
    table->reindex();
    EXPECT_LT(residentKilobytes(std::filesystem::canonical(path(second)).string()),
              fileKilobytes / 4);
}

// The tags read the records, appended ones included, with calls: the file's mapping is not
// walked tag after tag, so its pages do not pile up in the process.
TEST_F(TagsTogether, RecordsAppendedInTheSameOpenAreReadWithoutTheMapping) {
    auto table = open(second);
    for (int i = 0; i < 20000; ++i) {
        table->appendBlank();
        table->setText("NAME", "added" + std::to_string(i));
        table->post();
    }
    table->commit();
    const std::string canonical = std::filesystem::canonical(path(second)).string();
    const long fileKilobytes = static_cast<long>(std::filesystem::file_size(canonical) / 1024);
    long mostResident = 0;
    table->createTags(requests(), [&](std::size_t, int percent) {
        if (percent == 100) mostResident = std::max(mostResident, residentKilobytes(canonical));
        return true;
    });
    EXPECT_LT(mostResident, fileKilobytes / 4);
    table->setOrder("NAME");
    ASSERT_TRUE(table->seek("ADDED19999"));
    EXPECT_EQ(table->recNo(), static_cast<std::uint32_t>(kRecords + 20000));
}

TEST_F(TagsTogether, ReindexListsWhatFreshTagsList) {
    auto table = open(first);
    oneByOne(*table, requests().size());
    std::vector<std::vector<std::uint32_t>> before;
    for (int n = 1; n <= table->orderCount(); ++n) {
        table->setOrder(n);
        before.push_back(walk(*table));
    }
    int ends = 0;
    table->reindex([&](int percent) {
        ends += percent == 100 ? 1 : 0;
        return true;
    });
    EXPECT_EQ(ends, table->orderCount());
    for (int n = 1; n <= table->orderCount(); ++n) {
        table->setOrder(n);
        EXPECT_EQ(walk(*table), before[static_cast<std::size_t>(n - 1)]) << table->tagName(n);
    }
    table->setOrder("ONCE");
    EXPECT_EQ(walk(*table).size(), 2000u);  // "name0".."name999" and "NAME0".."NAME999"
}

TEST_F(TagsTogether, AStopKeepsTheTagsBeforeAndLeavesTheFileAsOneByOneWould) {
    {
        // One by one, the third tag stopped as soon as it reports.
        auto table = open(first);
        oneByOne(*table, 2);
        const Table::TagRequest& r = requests()[2];
        EXPECT_THROW(table->createTag(r.name, r.keyExpression, r.forExpression, r.unique,
                                      [](int) { return false; }),
                     Error);
    }
    auto table = open(second);
    try {
        table->createTags(requests(), [](std::size_t tag, int) { return tag < 2; });
        FAIL() << "the stop was not reported";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Building index ONCE"), std::string::npos);
    }
    EXPECT_EQ(table->orderCount(), 2);
    EXPECT_EQ(table->orderNumber("ONCE"), 0);
    table->close();
    EXPECT_EQ(readBytes(second.file("P.CDX")), readBytes(first.file("P.CDX")));
}

TEST_F(TagsTogether, ATagThatCannotBeMadeFailsInItsTurn) {
    std::vector<Table::TagRequest> list = requests();
    list[3].keyExpression = "NOSUCHFIELD";
    list[4].name = "NAME";  // taken by the first
    auto table = open(second);
    EXPECT_THROW(table->createTags(list), ExpressionError);
    EXPECT_EQ(table->orderCount(), 3);
    list.erase(list.begin(), list.begin() + 4);
    try {
        table->createTags(list);
        FAIL() << "a taken name was accepted";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("already a tag NAME"), std::string::npos);
    }
    EXPECT_EQ(table->orderCount(), 3);
}

TEST(TagPipeline, AnErrorReachesTheTakerWithItsText) {
    for (int run = 0; run < 20; ++run) {
        TagPipeline pipeline(4, [](std::size_t tag, const std::atomic<bool>&) {
            if (tag == 1) throw Error("tag one could not be read");
            PreparedKeys keys;
            keys.sorted.emplace(SortedKeys{KeyBlock(4, ' '), {static_cast<std::uint32_t>(tag)}});
            return keys;
        });
        PreparedKeys zero = pipeline.take(0);
        ASSERT_TRUE(zero.sorted);
        EXPECT_EQ(zero.sorted->order.front(), 0u);
        pipeline.done(0);
        PreparedKeys one = pipeline.take(1);
        ASSERT_TRUE(one.error);
        try {
            std::rethrow_exception(one.error);
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "tag one could not be read");
        }
        // Left with tags to go: the other thread stops and is waited for.
    }
}

TEST(TagPipeline, NoMoreThanThreeTagsAreHeldAtATime) {
    std::atomic<int> held{0};
    std::atomic<int> most{0};
    std::atomic<int> prepared{0};
    {
        TagPipeline pipeline(12, [&](std::size_t, const std::atomic<bool>&) {
            const int now = ++held;
            int seen = most;
            while (now > seen && !most.compare_exchange_weak(seen, now)) {
            }
            ++prepared;
            return PreparedKeys{};
        });
        for (std::size_t i = 0; i < 12; ++i) {
            pipeline.take(i);
            --held;
            pipeline.done(i);
        }
    }
    EXPECT_EQ(prepared, 12);
    EXPECT_LE(most, 3);
    EXPECT_GE(most, 1);
}

}  // namespace

// The keys of a tag written are filled again by a later tag of a build: the same order as in
// fresh memory, the memory filled in place where it fits, and the pipeline handing each written
// tag's keys to a later preparation.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "xbase/internal/KeyBlock.h"
#include "xbase/internal/TagPipeline.h"

using namespace xbase;

namespace {

struct Entry {
    std::string key;
    std::uint32_t recno;
};

std::vector<std::uint32_t> orderOf(KeyBlock& block, const std::vector<Entry>& entries,
                                   std::vector<std::uint32_t> storage = {}) {
    block.reserve(entries.size());
    for (const Entry& e : entries) block.add(e.key, e.recno);
    return block.order(std::move(storage));
}

// Keys that need the radix sort (more than 4096), with runs of equal first eight bytes.
std::vector<Entry> manyKeys(bool recnosAscend) {
    std::vector<Entry> entries;
    for (std::uint32_t i = 0; i < 10000; ++i) {
        const std::uint32_t recno = recnosAscend ? i + 1 : 10000 - i;
        entries.push_back({"SURNAME-" + std::to_string((i * 7919) % 1013), recno});
    }
    return entries;
}

TEST(KeyBlockReuse, KeysFilledAgainComeInTheOrderFreshMemoryGives) {
    struct Case {
        const char* what;
        std::size_t keyLength;
        std::vector<Entry> entries;
    };
    const std::vector<Case> cases = {
        {"in order already", 4, {{"A", 1}, {"B", 2}, {"B", 3}, {"C", 4}}},
        {"equal keys by record number", 6, {{"SMITH", 3}, {"JONES", 1}, {"SMITH", 2}}},
        {"many keys, records ascending", 20, manyKeys(true)},
        {"many keys, records descending", 20, manyKeys(false)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KeyBlock fresh(c.keyLength, ' ');
        const std::vector<std::uint32_t> expected = orderOf(fresh, c.entries);
        // Storage of a block of longer keys over more records, and of shorter keys.
        for (std::size_t previousLength : {std::size_t{30}, std::size_t{2}}) {
            KeyBlock previous(previousLength, ' ');
            previous.reserve(12000);
            previous.add("O", 1);
            std::vector<std::uint32_t> positions(12000, 7);
            KeyBlock again(c.keyLength, ' ', std::move(previous));
            EXPECT_EQ(again.size(), 0u);
            EXPECT_EQ(orderOf(again, c.entries, std::move(positions)), expected);
            for (std::uint32_t i = 0; i < again.size(); ++i) {
                EXPECT_EQ(again.key(i), fresh.key(i));
                EXPECT_EQ(again.recno(i), fresh.recno(i));
            }
        }
    }
}

TEST(KeyBlockReuse, MemoryThatFitsWithoutDoublingIsFilledAgainInPlace) {
    struct Case {
        std::size_t previousLength;
        std::size_t keyLength;
    };
    // 1,000 keys before and now: the same length, shorter, and exactly half as long.
    for (const Case& c : std::vector<Case>{{30, 30}, {30, 20}, {30, 15}}) {
        SCOPED_TRACE(std::to_string(c.previousLength) + " then " + std::to_string(c.keyLength));
        KeyBlock previous(c.previousLength, ' ');
        previous.reserve(1000);
        previous.add("X", 1);
        const char* before = previous.key(0).data();
        KeyBlock again(c.keyLength, ' ', std::move(previous));
        again.reserve(1000);
        again.add("Y", 1);
        EXPECT_EQ(again.key(0).data(), before);
        EXPECT_EQ(again.key(0), std::string("Y") + std::string(c.keyLength - 1, ' '));
    }
}

TEST(KeyBlockReuse, ThePipelineHandsTheKeysOfATagWrittenToALaterPreparation) {
    for (int run = 0; run < 20; ++run) {
        std::mutex mutex;
        std::vector<int> spareFrom(6, -1);  // for each tag, the tag whose keys it was given
        TagPipeline pipeline(6, [&](std::size_t tag, const std::atomic<bool>&,
                                    std::optional<SortedKeys> spare) {
            {
                std::lock_guard lock(mutex);
                if (spare) spareFrom[tag] = static_cast<int>(spare->order.front());
            }
            PreparedKeys keys;
            keys.sorted.emplace(SortedKeys{KeyBlock(4, ' '), {static_cast<std::uint32_t>(tag)}});
            return keys;
        });
        for (std::size_t i = 0; i < 6; ++i) {
            PreparedKeys keys = pipeline.take(i);
            ASSERT_TRUE(keys.sorted);
            pipeline.done(i, std::move(keys.sorted));
        }
        std::lock_guard lock(mutex);
        // Nothing is written before the first tag is prepared; a later one may be given the
        // keys of a tag written before it, each written tag's keys to one preparation at most.
        EXPECT_EQ(spareFrom[0], -1);
        std::vector<int> given;
        for (std::size_t tag = 1; tag < 6; ++tag) {
            EXPECT_LT(spareFrom[tag], static_cast<int>(tag)) << tag;
            if (spareFrom[tag] >= 0) given.push_back(spareFrom[tag]);
        }
        EXPECT_FALSE(given.empty());
        std::sort(given.begin(), given.end());
        EXPECT_EQ(std::adjacent_find(given.begin(), given.end()), given.end());
    }
}

}  // namespace

// The key block of tag builds: keys are held without their trailing trail bytes, read back
// padded to the key length, and put in the order of the padded keys, record numbers breaking
// ties.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "xbase/internal/KeyBlock.h"

using namespace xbase;

namespace {

struct Entry {
    std::string key;  // padded to the key length
    std::uint32_t recno;
    std::string text;  // as added: the key, padded or not
};

std::string padded(std::string text, std::size_t keyLength, char trail) {
    text.resize(keyLength, trail);
    return text;
}

// The positions of the entries in (padded key as unsigned bytes, record number) order.
KeyOrder expectedOrder(const std::vector<Entry>& entries) {
    KeyOrder positions(entries.size());
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(), [&](std::uint32_t a, std::uint32_t b) {
        const Entry& x = entries[a];
        const Entry& y = entries[b];
        const int c = x.key.compare(y.key);
        return c != 0 ? c < 0 : x.recno < y.recno;
    });
    return positions;
}

// Keys made of a few letters, the trail byte and bytes on either side of it, so that keys
// tie over long stretches and differ only past their stored bytes.
std::vector<Entry> generatedEntries(std::size_t count, std::size_t keyLength, char trail,
                                    bool recnosAscend, unsigned draw) {
    std::mt19937 random(draw);
    const std::string alphabet = std::string("AB") + trail + static_cast<char>(trail - 1) +
                                 static_cast<char>(trail + 1) + "\xE9";
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        std::string text;
        const std::size_t length = random() % (keyLength + 1);
        for (std::size_t b = 0; b < length; ++b) text += alphabet[random() % alphabet.size()];
        const auto recno = static_cast<std::uint32_t>(recnosAscend ? i + 1 : random() % 50 + 1);
        std::string key = padded(text, keyLength, trail);
        entries.push_back({key, recno, i % 2 == 0 ? key : text});
    }
    return entries;
}

}  // namespace

TEST(KeyBlock, KeysReadBackPaddedAndStoredWithoutTheirTrail) {
    KeyBlock block(10, ' ');
    block.add("SMITH", 1);
    block.add("SMITH JOHN", 2);
    block.add("", 3);
    block.add("AB        ", 4);
    const std::vector<std::pair<std::string, std::string>> expected = {{"SMITH", "SMITH     "},
                                                                       {"SMITH JOHN", "SMITH JOHN"},
                                                                       {"", "          "},
                                                                       {"AB", "AB        "}};
    ASSERT_EQ(block.size(), expected.size());
    for (std::uint32_t i = 0; i < block.size(); ++i) {
        std::string key(10, '?');
        block.copyKey(i, key.data());
        EXPECT_EQ(block.key(i), expected[i].first) << i;
        EXPECT_EQ(key, expected[i].second) << i;
    }
}

TEST(KeyBlock, OrdersAsThePaddedKeysWithRecordNumbersBreakingTies) {
    // count, key length, trail byte, record numbers arrive in order, which random draw
    const std::vector<std::tuple<std::size_t, std::size_t, char, bool, unsigned>> cases = {
        {200, 6, ' ', true, 1},       {200, 30, ' ', true, 2},       {200, 30, ' ', false, 3},
        {20000, 3, ' ', true, 4},     {20000, 40, ' ', true, 5},     {20000, 40, ' ', false, 6},
        {20000, 17, '\x01', true, 7}, {20000, 12, '\x01', false, 8}, {5000, 60, ' ', true, 9}};
    for (const auto& [count, keyLength, trail, ascend, draw] : cases) {
        const std::vector<Entry> entries = generatedEntries(count, keyLength, trail, ascend, draw);
        KeyBlock block(keyLength, trail);
        block.reserve(count);
        for (const Entry& e : entries) block.add(e.text, e.recno);
        // Entries with the same key and record number may come in either order.
        auto entriesIn = [&](const KeyOrder& order) {
            std::vector<std::pair<std::string, std::uint32_t>> listed;
            for (std::uint32_t i : order) listed.emplace_back(entries[i].key, entries[i].recno);
            return listed;
        };
        EXPECT_EQ(entriesIn(block.order()), entriesIn(expectedOrder(entries))) << "draw " << draw;
    }
}

TEST(KeyBlock, KeysDifferingPastTheStoredBytesOfOthersTakeTheirPlaces) {
    // "A" and "A " are the same key; a byte below the trail sorts before it, one above after.
    const std::vector<Entry> entries = {{padded("A", 8, ' '), 1, "A"},
                                        {padded("A ", 8, ' '), 2, "A "},
                                        {padded("A \x1F", 8, ' '), 3, "A \x1F"},
                                        {padded("A !", 8, ' '), 4, "A !"},
                                        {padded("AB", 8, ' '), 5, "AB"}};
    KeyBlock block(8, ' ');
    for (const Entry& e : entries) block.add(e.text, e.recno);
    EXPECT_EQ(block.order(), (KeyOrder{2, 0, 1, 3, 4}));
    EXPECT_EQ(block.order(), expectedOrder(entries));
}

// A million keys of a few letters in a 60-byte key, one from each record in turn, take little
// more than their letters and their 32-bit positions, not 60 bytes each.
TEST(KeyBlock, ShortKeysOfALongKeyTakeTheirOwnBytesOfMemory) {
    auto residentAnonymousKb = [] {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("RssAnon:", 0) == 0) return std::stol(line.substr(8));
        return 0L;
    };
    const long before = residentAnonymousKb();
    KeyBlock block(60, ' ');
    block.reserve(1000000);
    for (std::uint32_t i = 0; i < 1000000; ++i)
        block.add(std::string{"ABC"[i % 3], "XYZ"[i % 7 % 3], 'Q'}, i + 1);
    const long grownKb = residentAnonymousKb() - before;
    EXPECT_LT(grownKb, 10 * 1024);
    EXPECT_EQ(block.key(999999), "AXQ");
}

TEST(KeyBlock, StartsAreHeldIn32BitsWhileEveryKeyEndsBelow4GB) {
    // count, key length, 32-bit starts hold
    const std::vector<std::tuple<std::uint64_t, std::size_t, bool>> cases = {
        {0, 240, true},         {1000000, 60, true},
        {16000000, 240, true},  {17895697, 240, true},  // 4,294,967,280 bytes
        {17895698, 240, false}, {71582788, 60, true},   // 4,294,967,280 bytes
        {71582789, 60, false},  {4294967295, 1, true},
        {4294967296, 1, false}, {4294967295, 2, false},
    };
    for (const auto& [count, keyLength, narrow] : cases) {
        EXPECT_EQ(KeyBlock::narrowStartsHold(count, keyLength), narrow)
            << count << " keys of " << keyLength;
        KeyBlock block(keyLength, ' ');
        block.reserve(count);
        EXPECT_EQ(block.wideStarts(), !narrow) << count << " keys of " << keyLength;
    }
}

// A block told of more keys than 32-bit starts can reach after some keys arrived moves them to
// 64 bits; its keys read back and sort as those of a block that kept 32 bits.
TEST(KeyBlock, KeysWithWideStartsReadAndSortAsWithNarrowOnes) {
    const std::vector<Entry> entries = generatedEntries(20000, 30, ' ', false, 10);
    KeyBlock narrow(30, ' ');
    KeyBlock wide(30, ' ');
    narrow.reserve(entries.size());
    wide.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i == entries.size() / 2) wide.reserve(std::uint64_t{1} << 32);
        narrow.add(entries[i].text, entries[i].recno);
        wide.add(entries[i].text, entries[i].recno);
    }
    ASSERT_FALSE(narrow.wideStarts());
    ASSERT_TRUE(wide.wideStarts());
    ASSERT_EQ(wide.size(), entries.size());
    for (std::uint32_t i = 0; i < wide.size(); ++i) {
        std::string key(30, '?');
        wide.copyKey(i, key.data());
        ASSERT_EQ(key, entries[i].key) << i;
        ASSERT_EQ(wide.key(i), narrow.key(i)) << i;
    }
    EXPECT_EQ(wide.order(), narrow.order());
}

// Record numbers are held once a key comes from other than the record after the one before,
// from record 1; read back they are those given either way.
TEST(KeyBlock, RecordNumbersAreHeldOnlyOnceTheyStopFollowingOneAnother) {
    // record numbers given, held
    const std::vector<std::pair<std::vector<std::uint32_t>, bool>> cases = {
        {{}, false},          {{1, 2, 3, 4}, false}, {{2, 3, 4}, true},
        {{1, 2, 4, 5}, true}, {{1, 2, 3, 3}, true},  {{1, 3, 2}, true},
    };
    for (const auto& [recnos, held] : cases) {
        KeyBlock block(4, ' ');
        for (std::uint32_t r : recnos) block.add(std::to_string(5 - r % 5), r);
        EXPECT_EQ(block.holdsRecnos(), held) << ::testing::PrintToString(recnos);
        std::vector<std::uint32_t> readBack;
        for (std::uint32_t i = 0; i < block.size(); ++i) readBack.push_back(block.recno(i));
        EXPECT_EQ(readBack, recnos);
    }
}

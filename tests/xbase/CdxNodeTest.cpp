// Node encoding: leaf entry widths, prefix and trail compression, packing, interior entries, and
// pages that cannot be nodes.
#include <gtest/gtest.h>

#include "xbase/Error.h"
#include "xbase/internal/CdxNode.h"

using namespace xbase;

namespace {

IndexNode leafOf(std::vector<std::pair<std::string, std::uint32_t>> keys) {
    IndexNode node;
    for (auto& [key, recno] : keys) node.entries.push_back(NodeEntry{key, recno, 0});
    return node;
}

std::uint32_t le(const IndexPage& page, std::size_t at, std::size_t bytes) {
    std::uint32_t v = 0;
    for (std::size_t i = bytes; i > 0; --i) v = v << 8 | page[at + i - 1];
    return v;
}

}  // namespace

TEST(CdxNode, LeafWidthsFollowTheKeyLengthAndGrowForLargeRecordNumbers) {
    const LeafLayout l60 = leafLayout(60, 1000);
    EXPECT_EQ(l60.duplicateBits, 6);
    EXPECT_EQ(l60.trailingBits, 6);
    EXPECT_EQ(l60.bytesPerEntry, 3);
    EXPECT_EQ(l60.recnoBits, 12);
    const LeafLayout big = leafLayout(60, 4096);
    EXPECT_EQ(big.bytesPerEntry, 4);
    EXPECT_EQ(big.recnoBits, 20);
    EXPECT_EQ(leafLayout(60, 0xFFFFFFFF).recnoBits, 36);
    EXPECT_EQ(leafLayout(1, 1).duplicateBits, 1);
    EXPECT_EQ(leafLayout(1, 1).recnoBits, 22);
    EXPECT_EQ(leafLayout(8, 65535).recnoBits, 16);
    EXPECT_EQ(leafLayout(240, 255).recnoBits, 8);
    EXPECT_EQ(leafLayout(240, 256).bytesPerEntry, 4);
}

TEST(CdxNode, LeafStoresKeysBackwardsWithoutSharedAndTrailingBytes) {
    IndexNode node = leafOf({{"ABC     ", 7}, {"ABD     ", 3}, {"ABD X   ", 9}});
    node.root = true;
    node.right = 4096;
    const IndexPage page = encodeNode(node, 8, ' ');
    EXPECT_EQ(le(page, 0, 2), 3u);  // root and leaf
    EXPECT_EQ(le(page, 2, 2), 3u);
    EXPECT_EQ(le(page, 4, 4), kNoPage);
    EXPECT_EQ(le(page, 8, 4), 4096u);
    EXPECT_EQ(page[23], 3);   // bytes per entry
    EXPECT_EQ(page[20], 16);  // record number bits
    EXPECT_EQ(le(page, 14, 4), 0xFFFFu);
    // "ABC" whole; "D" after two shared bytes; " X" after three: shared bytes come from the
    // stored part of the previous key only, not from its cut trail.
    EXPECT_EQ(std::string(page.end() - 3, page.end()), "ABC");
    EXPECT_EQ(std::string(page.end() - 4, page.end() - 3), "D");
    EXPECT_EQ(std::string(page.end() - 6, page.end() - 4), " X");
    EXPECT_EQ(le(page, 24, 3), 7u | 0u << 16 | 5u << 20);
    EXPECT_EQ(le(page, 27, 3), 3u | 2u << 16 | 5u << 20);
    EXPECT_EQ(le(page, 30, 3), 9u | 3u << 16 | 3u << 20);
    EXPECT_EQ(le(page, 12, 2), 512u - 24 - 9 - 6);  // free space

    const IndexNode back = decodeNode(page, 8, ' ');
    EXPECT_TRUE(back.leaf);
    EXPECT_TRUE(back.root);
    EXPECT_EQ(back.right, 4096u);
    ASSERT_EQ(back.entries.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.entries[i].key, node.entries[i].key);
        EXPECT_EQ(back.entries[i].recno, node.entries[i].recno);
    }
}

TEST(CdxNode, SharedBytesMayReachIntoThePreviousKeysTrailWhenReading) {
    IndexPage page{};
    page[0] = 2;  // leaf
    page[2] = 2;  // two keys
    for (int i = 4; i < 12; ++i) page[i] = 0xFF;
    page[20] = 16;
    page[21] = page[22] = 4;
    page[23] = 3;
    const std::uint32_t first = 1 | 5u << 20, second = 2 | 4u << 16 | 3u << 20;
    for (int b = 0; b < 3; ++b) {
        page[24 + b] = static_cast<std::uint8_t>(first >> (8 * b));
        page[27 + b] = static_cast<std::uint8_t>(second >> (8 * b));
    }
    std::copy_n("XABD", 4, page.end() - 4);
    const IndexNode node = decodeNode(page, 8, ' ');
    ASSERT_EQ(node.entries.size(), 2u);
    EXPECT_EQ(node.entries[0].key, "ABD     ");
    EXPECT_EQ(node.entries[1].key, "ABD X   ");
}

TEST(CdxNode, AllTrailKeysAndZeroTrailBytesRoundTrip) {
    IndexNode blanks = leafOf({{"    ", 1}, {"    ", 2}, {"   A", 3}});
    IndexNode back = decodeNode(encodeNode(blanks, 4, ' '), 4, ' ');
    ASSERT_EQ(back.entries.size(), 3u);
    EXPECT_EQ(back.entries[1].key, "    ");
    EXPECT_EQ(back.entries[2].key, "   A");

    const std::string one("\x80\x01\0\0", 4), two("\x80\x02\0\0", 4);
    back = decodeNode(encodeNode(leafOf({{one, 1}, {two, 2}}), 4, '\0'), 4, '\0');
    EXPECT_EQ(back.entries[0].key, one);
    EXPECT_EQ(back.entries[1].key, two);
}

TEST(CdxNode, LeafFillPacksAsManyKeysAsFit) {
    std::vector<NodeEntry> distinct;
    for (int i = 0; i < 100; ++i) {
        std::string key(20, 'a' + static_cast<char>(i % 26));
        key[0] = static_cast<char>('A' + i / 26);
        distinct.push_back(NodeEntry{key, static_cast<std::uint32_t>(i + 1), 0});
    }
    // Each key shares at most its first byte with the one before: 19 or 20 bytes + 3.
    const std::size_t n = leafFill(distinct, 20, ' ');
    EXPECT_GE(n, 20u);
    EXPECT_LE(n, 23u);
    IndexNode node;
    node.entries.assign(distinct.begin(), distinct.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_NO_THROW(encodeNode(node, 20, ' '));
    node.entries.push_back(distinct[n]);
    EXPECT_THROW(encodeNode(node, 20, ' '), Error);

    std::vector<NodeEntry> same(200, NodeEntry{std::string(20, 'Q'), 1, 0});
    EXPECT_EQ(leafFill(same, 20, ' '), kMaxLeafEntries - 6);  // one key of 20 bytes, then 0 each
    std::vector<NodeEntry> longKeys(3, NodeEntry{std::string(240, 'x'), 70000, 0});
    longKeys[1].key[0] = 'y';
    longKeys[2].key[0] = 'z';
    EXPECT_EQ(leafFill(longKeys, 240, ' '), 1u);
}

// A tag build hands the packer its keys as a KeyBlock keeps them, without their trailing trail
// bytes; the leaves must come out byte for byte as from the padded keys, with the same fill.
TEST(CdxNode, LeavesPackedFromStoredKeysMatchThoseFromPaddedKeys) {
    for (const char trail : {' ', '\0'}) {
        std::vector<std::string> stored = {
            "", "", "A", "AB", "AB", "AB" + std::string(1, trail) + "C", "ABC", "ABD", "B"};
        for (int i = 0; i < 120; ++i) stored.push_back("C" + std::to_string(1000 + i * 7));
        LeafPacker padded(8, trail), fromStored(8, trail);
        std::vector<std::string> keys;
        keys.reserve(stored.size());  // the packers point into these until they encode
        for (std::size_t i = 0; i < stored.size(); ++i) {
            keys.push_back(stored[i] + std::string(8 - stored[i].size(), trail));
            const auto recno = static_cast<std::uint32_t>(i == 4 ? 70000 : i + 1);
            const bool fits = padded.add(keys.back(), recno);
            ASSERT_EQ(fromStored.addStored(stored[i], recno), fits) << i;
            if (!fits) break;
        }
        EXPECT_LT(padded.size(), stored.size());
        EXPECT_EQ(fromStored.encode(false, 512, 1024), padded.encode(false, 512, 1024));
    }
}

TEST(CdxNode, InteriorEntriesCarryBigEndianRecordAndChild) {
    EXPECT_EQ(interiorCapacity(10), 27u);
    EXPECT_EQ(interiorCapacity(240), 2u);
    IndexNode node;
    node.leaf = false;
    node.left = 1024;
    node.entries = {NodeEntry{"KEY1", 0x01020304, 0x0A00}, NodeEntry{"KEY2", 5, 0x1000}};
    const IndexPage page = encodeNode(node, 4, ' ');
    EXPECT_EQ(le(page, 0, 2), 0u);
    EXPECT_EQ(std::string(page.begin() + 12, page.begin() + 16), "KEY1");
    EXPECT_EQ(page[16], 0x01);
    EXPECT_EQ(page[19], 0x04);
    EXPECT_EQ(page[22], 0x0A);
    const IndexNode back = decodeNode(page, 4, ' ');
    EXPECT_FALSE(back.leaf);
    EXPECT_EQ(back.left, 1024u);
    ASSERT_EQ(back.entries.size(), 2u);
    EXPECT_EQ(back.entries[0].recno, 0x01020304u);
    EXPECT_EQ(back.entries[1].child, 0x1000u);
}

TEST(CdxNode, PagesThatCannotBeNodesAreErrors) {
    const IndexPage good = encodeNode(leafOf({{"AAAA", 1}, {"AAAB", 2}}), 4, ' ');
    IndexPage page = good;
    page[0] = 7;  // unknown attributes
    EXPECT_THROW(decodeNode(page, 4, ' '), Error);
    page = good;
    page[2] = 0xFF;  // more entries than the page holds
    EXPECT_THROW(decodeNode(page, 4, ' '), Error);
    page = good;
    page[23] = 0;  // no bytes per entry
    EXPECT_THROW(decodeNode(page, 4, ' '), Error);
    page = good;
    page[26] |= 0xF0;  // trailing count beyond the key length
    EXPECT_THROW(decodeNode(page, 4, ' '), Error);
    page = good;
    page[2] = 100;  // keys would overlap the entry table
    EXPECT_THROW(decodeNode(page, 4, ' '), Error);

    IndexNode interior;
    interior.leaf = false;
    page = encodeNode(interior, 4, ' ');
    page[2] = 50;
    EXPECT_THROW(decodeNode(page, 4, ' '), Error);
}

// The bytes of compact index pages where the format puts them: tag header fields, leaf and
// interior node headers, and the free page list and change counter as the page layer writes
// them to a real file. Offsets are written out as numbers here, as the format gives them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "xbase/Error.h"
#include "xbase/internal/CdxHeader.h"
#include "xbase/internal/CdxNode.h"
#include "xbase/internal/File.h"
#include "xbase/internal/IndexPages.h"

using namespace xbase;

namespace {

template <typename Bytes>
std::uint32_t le(const Bytes& bytes, std::size_t at, std::size_t size) {
    std::uint32_t v = 0;
    for (std::size_t i = size; i > 0; --i) v = v << 8 | bytes[at + i - 1];
    return v;
}

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TagHeader sampleHeader() {
    TagHeader h;
    h.root = 0x1400;
    h.freeList = kNoPage;
    h.changes = 7;
    h.keyLength = 10;
    h.options = kTagCompact | kTagCompound;
    h.descending = true;
    h.keyExpression = "UPPER(NAME)";
    h.forExpression = "!DELETED()";
    return h;
}

}  // namespace

TEST(CdxLayout, TagHeaderFieldsSitAtTheirOffsets) {
    const TagHeaderBytes bytes = encodeTagHeader(sampleHeader());
    EXPECT_EQ(le(bytes, 0, 4), 0x1400u);
    EXPECT_EQ(le(bytes, 4, 4), kNoPage);
    EXPECT_EQ(le(bytes, 8, 4), 7u);
    EXPECT_EQ(le(bytes, 12, 2), 10u);
    EXPECT_EQ(bytes[14], 0x68);  // compact, compound, has FOR
    EXPECT_EQ(bytes[15], 0x01);
    EXPECT_TRUE(
        std::all_of(bytes.begin() + 16, bytes.begin() + 502, [](auto b) { return b == 0; }));
    EXPECT_EQ(le(bytes, 502, 2), 1u);   // descending
    EXPECT_EQ(le(bytes, 504, 2), 12u);  // the FOR expression starts after "UPPER(NAME)" and 0
    EXPECT_EQ(le(bytes, 506, 2), 11u);
    EXPECT_EQ(le(bytes, 508, 2), 0u);
    EXPECT_EQ(le(bytes, 510, 2), 12u);
    const std::string area(bytes.begin() + 512, bytes.end());
    EXPECT_EQ(area.substr(0, 23), std::string("UPPER(NAME)\0!DELETED()\0", 23));
    EXPECT_EQ(area.find_first_not_of('\0', 23), std::string::npos);

    const TagHeader back = decodeTagHeader(bytes);
    EXPECT_EQ(back.root, 0x1400u);
    EXPECT_EQ(back.freeList, kNoPage);
    EXPECT_EQ(back.changes, 7u);
    EXPECT_EQ(back.keyLength, 10u);
    EXPECT_TRUE(back.descending);
    EXPECT_EQ(back.keyExpression, "UPPER(NAME)");
    EXPECT_EQ(back.forExpression, "!DELETED()");
}

TEST(CdxLayout, TagHeaderWithoutForExpressionClearsItsBit) {
    TagHeader h = sampleHeader();
    h.forExpression.clear();
    h.descending = false;
    h.options |= kTagHasFor | kTagUnique;
    const TagHeaderBytes bytes = encodeTagHeader(h);
    EXPECT_EQ(bytes[14], 0x61);  // compact, compound, unique; no FOR
    EXPECT_EQ(le(bytes, 502, 2), 0u);
    EXPECT_EQ(le(bytes, 504, 2), 12u);
    EXPECT_EQ(le(bytes, 506, 2), 1u);
    EXPECT_EQ(decodeTagHeader(bytes).forExpression, "");
    EXPECT_TRUE(decodeTagHeader(bytes).unique());
}

TEST(CdxLayout, TagHeadersOutOfRangeAreErrors) {
    TagHeader h = sampleHeader();
    h.keyExpression = std::string(300, 'K');
    h.forExpression = std::string(211, 'F');  // 301 + 212 bytes: one more than the area holds
    EXPECT_THROW(encodeTagHeader(h), Error);
    h.forExpression.pop_back();
    EXPECT_EQ(decodeTagHeader(encodeTagHeader(h)).forExpression, std::string(210, 'F'));

    const TagHeaderBytes good = encodeTagHeader(sampleHeader());
    TagHeaderBytes bytes = good;
    bytes[14] = 0x40;  // not compact
    EXPECT_THROW(decodeTagHeader(bytes), Error);
    bytes = good;
    bytes[12] = 241;  // key length past the longest key
    EXPECT_THROW(decodeTagHeader(bytes), Error);
    bytes = good;
    bytes[12] = 0;
    EXPECT_THROW(decodeTagHeader(bytes), Error);
    bytes = good;
    bytes[508] = 0xFA;  // the key expression would start 506 bytes in and run past the end
    bytes[509] = 0x01;
    EXPECT_THROW(decodeTagHeader(bytes), Error);
}

TEST(CdxLayout, LeafHeaderGivesMasksAndWidths) {
    // 60-byte keys: six bits for each count; record numbers up to 5000 need a fourth byte.
    IndexNode node;
    node.left = 0x0A00;
    const std::string shared(59, 'A');
    node.entries = {NodeEntry{shared + "B", 1, 0}, NodeEntry{shared + "C", 2000, 0},
                    NodeEntry{shared + "D", 5000, 0}};
    const IndexPage page = encodeNode(node, 60, ' ');
    EXPECT_EQ(le(page, 0, 2), 2u);  // a leaf, not the root
    EXPECT_EQ(le(page, 2, 2), 3u);
    EXPECT_EQ(le(page, 4, 4), 0x0A00u);
    EXPECT_EQ(le(page, 8, 4), kNoPage);
    EXPECT_EQ(le(page, 14, 4), 0xFFFFFu);
    EXPECT_EQ(page[18], 0x3F);
    EXPECT_EQ(page[19], 0x3F);
    EXPECT_EQ(page[20], 20);
    EXPECT_EQ(page[21], 6);
    EXPECT_EQ(page[22], 6);
    EXPECT_EQ(page[23], 4);
    // Stored: 60 bytes of the first key, then the last byte of each of the others.
    EXPECT_EQ(le(page, 12, 2), 512u - 24 - 3 * 4 - 62);
    EXPECT_EQ(le(page, 24 + 4, 4), 2000u | 59u << 20);
    EXPECT_EQ(std::string(page.end() - 60, page.end()), node.entries[0].key);
}

TEST(CdxLayout, InteriorEntriesFollowOneAnotherAfterTheHeader) {
    IndexNode node;
    node.leaf = false;
    node.root = true;
    node.entries = {NodeEntry{"AAAAAA", 1, 0x0600}, NodeEntry{"BBBBBB", 2, 0x0800},
                    NodeEntry{"CCCCCC", 3, 0x0A00}};
    const IndexPage page = encodeNode(node, 6, ' ');
    EXPECT_EQ(le(page, 0, 2), 1u);  // the root, interior
    EXPECT_EQ(interiorEntrySize(6), 14u);
    // The third entry: 12 + 2 x 14; its record number and child big-endian after the key.
    EXPECT_EQ(std::string(page.begin() + 40, page.begin() + 46), "CCCCCC");
    EXPECT_EQ(page[49], 3);
    EXPECT_EQ(page[52], 0x0A);
    EXPECT_EQ(page[53], 0x00);
    EXPECT_TRUE(std::all_of(page.begin() + 54, page.end(), [](auto b) { return b == 0; }));
}

TEST(CdxLayout, FreePagesAndTheChangeCounterInTheFile) {
    TempDir dir;
    const std::string path = dir.file("PAGES.IDX");
    {
        IndexPages pages(File::create(path));
        TagHeader header = sampleHeader();
        header.root = kNoPage;
        header.changes = 0;
        pages.writeHeader(0, encodeTagHeader(header));
        const std::uint32_t first = pages.allocatePage();
        const std::uint32_t second = pages.allocatePage();
        EXPECT_EQ(first, 1024u);
        EXPECT_EQ(second, 1536u);
        pages.writeNode(first, encodeNode(IndexNode{}, 10, ' '));
        pages.writeNode(second, encodeNode(IndexNode{}, 10, ' '));
        pages.writeNodeField(first, kNodeRightOffset, second);
        IndexPage linked;
        pages.readNode(first, linked);
        EXPECT_EQ(le(linked, 8, 4), second);
        EXPECT_EQ(le(linked, 4, 4), kNoPage);
        pages.releasePage(second);
        pages.releasePage(first);
        EXPECT_EQ(pages.countChange(), 1u);
    }
    std::vector<std::uint8_t> bytes = fileBytes(path);
    ASSERT_EQ(bytes.size(), 2048u);
    EXPECT_EQ(le(bytes, 4, 4), 1024u);     // the list starts at the page released last
    EXPECT_EQ(le(bytes, 1024, 4), 1536u);  // which leads to the other
    EXPECT_EQ(le(bytes, 1536, 4), kNoPage);
    EXPECT_EQ(le(bytes, 8, 4), 1u);

    IndexPages pages(File::open(path, true));
    EXPECT_EQ(pages.allocatePage(), 1024u);
    EXPECT_EQ(le(fileBytes(path), 4, 4), 1536u);
    EXPECT_EQ(pages.allocatePage(), 1536u);
    EXPECT_EQ(le(fileBytes(path), 4, 4), kNoPage);
    EXPECT_EQ(pages.allocatePage(), 2048u);
}

// Trees at the edges: empty, one key, all-blank keys, keys given out of order, key lengths from 1
// to 240, and damaged files, which must give errors naming the file rather than crash or hang.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "CdxTestSupport.h"
#include "support/TempDir.h"
#include "xbase/internal/CdxFile.h"

using namespace xbase;

namespace {

IndexEntries numbered(std::size_t count, const std::function<std::string(std::size_t)>& key) {
    IndexEntries entries;
    for (std::size_t i = 0; i < count; ++i)
        entries.emplace_back(key(i), static_cast<std::uint32_t>(i + 1));
    std::sort(entries.begin(), entries.end());
    return entries;
}

}  // namespace

TEST(CdxEdge, EmptyAndSingleKeyTags) {
    TempDir dir;
    CdxFile cdx = CdxFile::create(dir.file("E.cdx"));
    const IndexEntries none, one{{"ONLY      ", 42}};
    IndexTag& empty =
        *cdx.addTag(tagDefinition("EMPTY", KeyType::Character, 10), sourceOf(none), 0);
    IndexCursor c(empty);
    EXPECT_FALSE(c.first());
    EXPECT_FALSE(c.last());
    EXPECT_FALSE(c.next());
    EXPECT_FALSE(c.seek("A"));
    EXPECT_TRUE(c.atEnd());
    EXPECT_EQ(empty.keyCount(), 0u);
    empty.verify();

    IndexTag& single =
        *cdx.addTag(tagDefinition("SINGLE", KeyType::Character, 10), sourceOf(one), 1);
    IndexCursor s(single);
    ASSERT_TRUE(s.last());
    EXPECT_EQ(s.recno(), 42u);
    EXPECT_FALSE(s.prev());
    EXPECT_TRUE(s.next());  // from before the first entry
    EXPECT_TRUE(s.seek("ONLY"));
    EXPECT_FALSE(s.seek("ONLY      ", 43));
    EXPECT_TRUE(s.atEnd());
    EXPECT_TRUE(s.prev());  // from past the end
    EXPECT_EQ(s.key(), "ONLY      ");
}

TEST(CdxEdge, AllBlankKeysKeepRecordOrderAcrossLeaves) {
    TempDir dir;
    CdxFile cdx = CdxFile::create(dir.file("B.cdx"));
    const IndexEntries blanks = numbered(1000, [](std::size_t) { return std::string(20, ' '); });
    IndexTag& tag =
        *cdx.addTag(tagDefinition("BLANK", KeyType::Character, 20), sourceOf(blanks), 1000);
    EXPECT_EQ(forwardEntries(tag), blanks);
    EXPECT_EQ(backwardEntries(tag), blanks);
    IndexCursor c(tag);
    ASSERT_TRUE(c.seek(std::string(20, ' '), 500));
    EXPECT_EQ(c.recno(), 500u);
    tag.verify();
}

TEST(CdxEdge, KeysGivenOutOfOrderComeOutByKeyThenRecordNumber) {
    // Keys sharing their first 14 bytes: one under 6,000 record numbers, 20 others under 150
    // each; handed out by record number, then from the last record to the first.
    IndexEntries byRecord;
    for (std::uint32_t i = 0; i < 9000; ++i) {
        std::string key = "COMMON PREFIX ";
        if (i % 3 == 0) {
            key += static_cast<char>('A' + i * 31 % 5);
            key += "  ";
            key += static_cast<char>('0' + i % 4);
        }
        key.resize(20, ' ');
        byRecord.emplace_back(key, i + 1);
    }
    const IndexEntries backwards(byRecord.rbegin(), byRecord.rend());
    IndexEntries sorted = byRecord;
    std::sort(sorted.begin(), sorted.end());
    TempDir dir;
    CdxFile cdx = CdxFile::create(dir.file("O.cdx"));
    struct Given {
        const char* name;
        const IndexEntries& entries;
    };
    for (const Given& g : {Given{"FORWARD", byRecord}, Given{"BACKWARD", backwards}}) {
        SCOPED_TRACE(g.name);
        IndexTag& tag = *cdx.addTag(tagDefinition(g.name, KeyType::Character, 20),
                                    sourceOf(g.entries), g.entries.size());
        EXPECT_FALSE(tag.readNode(tag.root()).leaf);
        EXPECT_EQ(forwardEntries(tag), sorted);
        tag.verify();
    }
}

TEST(CdxEdge, KeyLengthsFromOneTo240) {
    TempDir dir;
    CdxFile cdx = CdxFile::create(dir.file("L.cdx"));
    const IndexEntries logical =
        numbered(300, [](std::size_t i) { return encodeLogicalKey(i % 3 == 0); });
    const IndexEntries numeric = numbered(3000, [](std::size_t i) {
        return encodeNumericKey((static_cast<double>(i) - 1500.0) * 1.25);
    });
    auto wide = [](std::size_t length) {
        return numbered(600, [length](std::size_t i) {
            std::string key(length, 'k');
            key.replace(length / 2, 4, std::to_string(1000 + i * 7 % 600));
            return key;
        });
    };
    const IndexEntries wide100 = wide(100), wide240 = wide(240);
    struct Case {
        const char* name;
        KeyType type;
        std::size_t length;
        const IndexEntries& entries;
    };
    for (const Case& t :
         {Case{"FLAG", KeyType::Logical, 1, logical}, Case{"AMOUNT", KeyType::Numeric, 8, numeric},
          Case{"WIDE", KeyType::Character, 100, wide100},
          Case{"WIDEST", KeyType::Character, 240, wide240}}) {
        SCOPED_TRACE(t.name);
        IndexTag& tag =
            *cdx.addTag(tagDefinition(t.name, t.type, t.length), sourceOf(t.entries), 0);
        EXPECT_EQ(forwardEntries(tag), t.entries);
        EXPECT_EQ(backwardEntries(tag), t.entries);
        tag.verify();
    }
    IndexCursor c(*cdx.findTag("AMOUNT"));
    ASSERT_TRUE(c.seek(encodeNumericKey(-1.25)));
    EXPECT_EQ(decodeNumericKey(c.key()), -1.25);
    EXPECT_FALSE(cdx.findTag("WIDEST")->readNode(cdx.findTag("WIDEST")->root()).leaf);
    EXPECT_THROW(
        cdx.addTag(tagDefinition("TOOWIDE", KeyType::Character, 241), sourceOf(logical), 0), Error);
}

TEST(CdxEdge, DamagedPagesAreErrorsNamingTheFile) {
    TempDir dir;
    const std::string path = dir.file("D.cdx");
    std::uint32_t root = 0, firstLeaf = 0, lastLeaf = 0;
    {
        CdxFile cdx = CdxFile::create(path);
        const IndexEntries keys = numbered(
            2000, [](std::size_t i) { return encodeCharacterKey(std::to_string(i * 13), 12); });
        const IndexTag& tag =
            *cdx.addTag(tagDefinition("K", KeyType::Character, 12), sourceOf(keys), 0);
        root = tag.root();
        const IndexNode top = tag.readNode(root);
        ASSERT_FALSE(top.leaf);
        ASSERT_TRUE(tag.readNode(top.entries.front().child).leaf);
        firstLeaf = top.entries.front().child;
        lastLeaf = top.entries.back().child;
    }
    const std::string pristine = readAll(path);
    auto damaged = [&](std::uint64_t offset, const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << pristine;
        patchFile(path, offset, bytes);
        return CdxFile::open(path, true);
    };
    auto walkForward = [](CdxFile& cdx) {
        IndexCursor c(cdx.tag(0));
        for (int steps = 0; steps < 100000 && c.next();) ++steps;
    };

    {
        CdxFile cdx = damaged(firstLeaf + 2, "\xFF\xFF");  // key count
        expectErrorNaming(path, [&] { walkForward(cdx); });
        expectErrorNaming(path, [&] { cdx.tag(0).insert("1", 1); });
    }
    {
        CdxFile cdx =
            damaged(root + 12 + 12 + 4, std::string("\0\x10\0\0", 4));  // first child past the end
        expectErrorNaming(path, [&] { walkForward(cdx); });
        expectErrorNaming(path, [&] { cdx.tag(0).keyCount(); });
    }
    {
        CdxFile cdx = damaged(lastLeaf + 8, le32(firstLeaf));  // the sibling chain loops
        expectErrorNaming(path, [&] { walkForward(cdx); });
        expectErrorNaming(path, [&] { cdx.tag(0).keyCount(); });
        expectErrorNaming(path, [&] { cdx.tag(0).verify(); });
    }
    {
        std::string self = le32(root);
        std::reverse(self.begin(), self.end());           // interior child pointers are big-endian
        CdxFile cdx = damaged(root + 12 + 12 + 4, self);  // the root is its own child
        expectErrorNaming(path, [&] { IndexCursor(cdx.tag(0)).first(); });
        expectErrorNaming(path, [&] { cdx.tag(0).insert("0", 1); });
    }
    expectErrorNaming(
        path, [&] { damaged(1024 + 24, std::string("\0\xFE", 2)); });  // a tag's header offset
    std::ofstream(path, std::ios::binary | std::ios::trunc) << pristine.substr(0, 700);
    expectErrorNaming(path, [&] { CdxFile::open(path, false); });
}

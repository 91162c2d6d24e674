// Single-entry changes: ordering of duplicates, record number widths, unique tags, page reuse,
// tree growth and shrinkage.
#include <gtest/gtest.h>

#include <filesystem>

#include "CdxTestSupport.h"
#include "support/TempDir.h"
#include "xbase/internal/CdxFile.h"

using namespace xbase;

namespace {

const IndexEntries kNone;

std::string key10(const std::string& text) {
    return encodeCharacterKey(text, 10);
}

}  // namespace

TEST(CdxUpdate, DuplicatesStayInRecordOrderWhateverTheInsertOrder) {
    TempDir dir;
    CdxFile cdx = CdxFile::create(dir.file("U.cdx"));
    IndexTag& tag = *cdx.addTag(tagDefinition("T", KeyType::Character, 10), sourceOf(kNone), 0);
    for (std::uint32_t r : {50u, 7u, 900u, 3u, 51u}) ASSERT_TRUE(tag.insert("SAME", r));
    ASSERT_TRUE(tag.insert("OTHER", 1));
    EXPECT_FALSE(tag.insert("SAME", 7));  // already there
    EXPECT_EQ(recnosOf(forwardEntries(tag)), (std::vector<std::uint32_t>{1, 3, 7, 50, 51, 900}));
    IndexCursor c(tag);
    ASSERT_TRUE(c.seek(key10("SAME")));
    EXPECT_EQ(c.recno(), 3u);
    ASSERT_TRUE(c.seek(key10("SAME"), 51));
    EXPECT_EQ(c.recno(), 51u);
    ASSERT_TRUE(c.seek(key10("SAME"), 52));  // next entry of the key
    EXPECT_EQ(c.recno(), 900u);
    EXPECT_TRUE(tag.remove("SAME", 50));
    EXPECT_FALSE(tag.remove("SAME", 50));
    EXPECT_EQ(c.key(), key10("SAME"));  // the cursor keeps its copy until moved again
    EXPECT_THROW(tag.insert("ELEVEN CHAR", 1), Error);
    EXPECT_EQ(recnosOf(forwardEntries(tag)), (std::vector<std::uint32_t>{1, 3, 7, 51, 900}));
}

TEST(CdxUpdate, LargeRecordNumbersWidenLeafEntries) {
    TempDir dir;
    const std::string path = dir.file("W.cdx");
    CdxFile cdx = CdxFile::create(path);
    IndexTag& tag = *cdx.addTag(tagDefinition("T", KeyType::Character, 10), sourceOf(kNone), 0);
    ASSERT_TRUE(tag.insert("A", 65535));
    EXPECT_EQ(static_cast<unsigned char>(readAll(path)[tag.root() + 23]), 3);
    ASSERT_TRUE(tag.insert("B", 3000000000u));
    EXPECT_EQ(static_cast<unsigned char>(readAll(path)[tag.root() + 23]), 5);
    EXPECT_EQ(recnosOf(forwardEntries(tag)), (std::vector<std::uint32_t>{65535, 3000000000u}));
}

TEST(CdxUpdate, UniqueTagsKeepTheFirstRecordOfAKey) {
    TempDir dir;
    CdxFile cdx = CdxFile::create(dir.file("Q.cdx"));
    TagDefinition def = tagDefinition("Q", KeyType::Character, 10);
    def.unique = true;
    const IndexEntries keys{{key10("B"), 9}, {key10("A"), 4}, {key10("B"), 2}, {key10("A"), 8}};
    IndexTag& tag = *cdx.addTag(def, sourceOf(keys), keys.size());
    EXPECT_EQ(forwardEntries(tag), (IndexEntries{{key10("A"), 4}, {key10("B"), 2}}));
    EXPECT_FALSE(tag.insert("A", 1));
    EXPECT_TRUE(tag.insert("C", 1));
    EXPECT_EQ(tag.keyCount(), 3u);
}

TEST(CdxUpdate, TreesGrowAndShrinkAndReuseTheirPages) {
    TempDir dir;
    const std::string path = dir.file("G.cdx");
    CdxFile cdx = CdxFile::create(path);
    IndexTag& tag = *cdx.addTag(tagDefinition("T", KeyType::Character, 30), sourceOf(kNone), 0);
    const std::uint32_t changesBefore = tag.header().changes;
    auto keyOf = [](std::uint32_t i) { return "KEY " + std::to_string(i * 7919 % 1501); };
    for (std::uint32_t i = 1; i <= 1500; ++i) ASSERT_TRUE(tag.insert(keyOf(i), i));
    EXPECT_FALSE(tag.readNode(tag.root()).leaf);
    tag.verify();
    const auto grownSize = std::filesystem::file_size(path);

    const IndexEntries all = forwardEntries(tag);
    for (std::size_t i = 0; i + 5 < all.size(); ++i)
        ASSERT_TRUE(tag.remove(all[i].first, all[i].second));
    EXPECT_TRUE(tag.readNode(tag.root()).leaf);  // emptied leaves went, the root came down
    tag.verify();
    EXPECT_EQ(backwardEntries(tag), IndexEntries(all.end() - 5, all.end()));
    for (auto it = all.end() - 5; it != all.end(); ++it)
        ASSERT_TRUE(tag.remove(it->first, it->second));
    EXPECT_FALSE(IndexCursor(tag).first());

    for (std::uint32_t i = 1; i <= 1500; ++i) ASSERT_TRUE(tag.insert(keyOf(i), i));
    EXPECT_EQ(std::filesystem::file_size(path), grownSize);  // freed pages came back into use
    EXPECT_EQ(tag.header().changes, changesBefore + 4500);
    CdxFile reopened = CdxFile::open(path, false);
    EXPECT_EQ(reopened.tag(0).header().changes, changesBefore + 4500);
}

TEST(CdxUpdate, AscendingAppendsFillTheirPages) {
    TempDir dir;
    IndexEntries keys;
    for (std::uint32_t i = 1; i <= 5000; ++i) keys.emplace_back(encodeNumericKey(i * 3.0), i);
    CdxFile built = CdxFile::create(dir.file("BUILT.cdx"));
    built.addTag(tagDefinition("N", KeyType::Numeric, 8), sourceOf(keys), keys.size());
    CdxFile appended = CdxFile::create(dir.file("APPENDED.cdx"));
    IndexTag& tag = *appended.addTag(tagDefinition("N", KeyType::Numeric, 8), sourceOf(kNone), 0);
    for (const auto& [key, recno] : keys) ASSERT_TRUE(tag.insert(key, recno));
    EXPECT_EQ(forwardEntries(tag), keys);
    EXPECT_LE(std::filesystem::file_size(dir.file("APPENDED.cdx")),
              std::filesystem::file_size(dir.file("BUILT.cdx")) * 11 / 10);
}

// Compound index files: creating, adding and dropping tags, their headers on disk, and builds
// that report progress or are stopped.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "CdxTestSupport.h"
#include "support/SharedFolder.h"
#include "support/TempDir.h"
#include "xbase/internal/CdxFile.h"

using namespace xbase;

namespace {

IndexEntries someKeys(std::size_t count) {
    IndexEntries keys;
    for (std::uint32_t i = 1; i <= count; ++i)
        keys.emplace_back(encodeCharacterKey(std::to_string(i * 31 % 1000), 10), i);
    return keys;
}

std::vector<std::string> tagNames(const CdxFile& cdx) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < cdx.tagCount(); ++i) names.push_back(cdx.tag(i).name());
    return names;
}

}  // namespace

TEST(CdxFile, TagsKeepTheirDefinitionsAndCreationOrder) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    const std::string path = dir.file("F.cdx");
    const IndexEntries keys = someKeys(100);
    {
        CdxFile cdx = CdxFile::create(path);
        EXPECT_EQ(cdx.tagCount(), 0u);
        TagDefinition zip = tagDefinition("zip", KeyType::Character, 10);
        zip.keyExpression = "UPPER(ZIP)";
        zip.forExpression = "!DELETED()";
        zip.unique = true;
        TagDefinition amount = tagDefinition("Amount", KeyType::Numeric, 8);
        amount.descending = true;
        cdx.addTag(zip, sourceOf(keys), keys.size());
        cdx.addTag(amount, sourceOf(IndexEntries{}), 0);
        cdx.addTag(tagDefinition("BY_NAME2", KeyType::Character, 10), sourceOf(keys), keys.size());
        EXPECT_THROW(cdx.addTag(tagDefinition("zip", KeyType::Character, 10), sourceOf(keys), 0),
                     Error);
        for (const char* bad : {"", "ELEVENCHARS", "2ND", "A-B"})
            EXPECT_THROW(cdx.addTag(tagDefinition(bad, KeyType::Character, 10), sourceOf(keys), 0),
                         Error)
                << bad;
    }
    CdxFile cdx = CdxFile::open(path, false);
    EXPECT_EQ(tagNames(cdx), (std::vector<std::string>{"ZIP", "AMOUNT", "BY_NAME2"}));
    EXPECT_EQ(perlListing(path, "", ""), (std::vector<std::string>{"AMOUNT", "BY_NAME2", "ZIP"}));
    const IndexTag& zip = *cdx.findTag("Zip");
    EXPECT_EQ(zip.keyExpression(), "UPPER(ZIP)");
    EXPECT_EQ(zip.forExpression(), "!DELETED()");
    EXPECT_TRUE(zip.unique());
    EXPECT_FALSE(zip.descending());
    EXPECT_TRUE(cdx.findTag("AMOUNT")->descending());
    EXPECT_EQ(cdx.findTag("AMOUNT")->keyLength(), 8u);
    EXPECT_EQ(cdx.findTag("BY_NAME2")->keyCount(), 100u);

    const std::string bytes = readAll(path);
    EXPECT_EQ(static_cast<unsigned char>(bytes[14]), 0xE0);  // the directory
    const std::uint32_t at = zip.headerOffset();
    EXPECT_EQ(bytes.substr(at + 12, 4),
              std::string("\x0A\x00\x69\x01", 4));  // length, options, signature
    EXPECT_EQ(static_cast<unsigned char>(bytes[cdx.findTag("AMOUNT")->headerOffset() + 14]), 0x60);
    EXPECT_EQ(bytes.substr(at + 502, 10), std::string("\0\0\x0B\0\x0B\0\0\0\x0B\0", 10));
    EXPECT_EQ(bytes.substr(at + 512, 22), std::string("UPPER(ZIP)\0!DELETED()\0", 22));
}

TEST(CdxFile, DroppedTagsGoAndTheirPagesServeNewOnes) {
    TempDir dir;
    const std::string path = dir.file("D.cdx");
    const IndexEntries keys = someKeys(3000);
    {
        CdxFile cdx = CdxFile::create(path);
        for (const char* name : {"ONE", "TWO", "THREE"})
            cdx.addTag(tagDefinition(name, KeyType::Character, 10), sourceOf(keys), keys.size());
        cdx.dropTag("two");
        EXPECT_THROW(cdx.dropTag("TWO"), Error);
        EXPECT_EQ(tagNames(cdx), (std::vector<std::string>{"ONE", "THREE"}));
    }
    const auto size = std::filesystem::file_size(path);
    CdxFile cdx = CdxFile::open(path, true);
    EXPECT_EQ(tagNames(cdx), (std::vector<std::string>{"ONE", "THREE"}));
    IndexTag& again =
        *cdx.addTag(tagDefinition("TWO", KeyType::Character, 10), sourceOf(keys), keys.size());
    EXPECT_EQ(std::filesystem::file_size(path), size + 1024);  // only a new header at the end
    EXPECT_EQ(tagNames(cdx), (std::vector<std::string>{"ONE", "THREE", "TWO"}));
    EXPECT_EQ(forwardEntries(again), forwardEntries(*cdx.findTag("ONE")));
    for (std::size_t i = 0; i < cdx.tagCount(); ++i) cdx.tag(i).verify();
}

// Two opens of one file. The second has read, and keeps, every page of a tag when the first
// replaces all its entries (freeing leaves and filling the pages again) and adds a tag. A
// cursor of the second that goes on from its leaf does not follow the leaf's old sibling link,
// and once the second has caught up it reads what the first wrote.
TEST(CdxFile, ASecondOpenCatchesUpWithTheFirstOnesChanges) {
    TempDir dir;
    const std::string path = dir.file("S.cdx");
    CdxFile writer = CdxFile::create(path);
    const IndexEntries keys = someKeys(3000);
    IndexTag& tag =
        *writer.addTag(tagDefinition("T", KeyType::Character, 10), sourceOf(keys), keys.size());
    CdxFile reader = CdxFile::open(path, false);
    const IndexTag& seen = reader.tag(0);
    const IndexEntries old = forwardEntries(seen);
    IndexCursor going(seen);
    ASSERT_TRUE(going.last());

    for (const auto& [key, recno] : old) ASSERT_TRUE(tag.remove(key, recno));
    for (std::uint32_t i = 1; i <= 3000; ++i)  // keys after every old one
        ASSERT_TRUE(tag.insert("N" + std::to_string(i), i));
    writer.addTag(tagDefinition("U", KeyType::Character, 10), sourceOf(keys), keys.size());

    // The old leaf's entries, then none: no key of the tag as it is now comes before them.
    IndexEntries back{{std::string(going.key()), going.recno()}};
    ASSERT_NO_THROW(while (going.prev()) back.emplace_back(going.key(), going.recno()));
    ASSERT_LT(back.size(), old.size());
    EXPECT_TRUE(std::equal(back.begin(), back.end(), old.rbegin()));

    EXPECT_TRUE(reader.refresh());
    EXPECT_EQ(&reader.tag(0), &seen);  // a tag still listed keeps its object
    EXPECT_EQ(tagNames(reader), (std::vector<std::string>{"T", "U"}));
    EXPECT_EQ(forwardEntries(seen), forwardEntries(tag));
    EXPECT_EQ(forwardEntries(reader.tag(1)), forwardEntries(*writer.findTag("U")));
    writer.dropTag("T");
    EXPECT_TRUE(reader.refresh());
    EXPECT_EQ(tagNames(reader), (std::vector<std::string>{"U"}));
    EXPECT_FALSE(reader.refresh());
}

TEST(CdxFile, BuildsReportProgressAndCanBeStopped) {
    TempDir dir;
    const std::string path = dir.file("P.cdx");
    const IndexEntries keys = someKeys(5000);
    CdxFile cdx = CdxFile::create(path);
    const auto emptySize = std::filesystem::file_size(path);
    std::vector<int> seen;
    cdx.addTag(tagDefinition("ALL", KeyType::Character, 10), sourceOf(keys), keys.size(),
               [&](int percent) {
                   seen.push_back(percent);
                   return true;
               });
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_GT(seen.size(), 50u);

    const auto size = std::filesystem::file_size(path);
    const auto oneTag = size - emptySize;
    for (int stopAt : {30, 80}) {
        IndexTag* stopped =
            cdx.addTag(tagDefinition("HALF", KeyType::Character, 10), sourceOf(keys), keys.size(),
                       [&](int percent) { return percent < stopAt; });
        EXPECT_EQ(stopped, nullptr);
        EXPECT_EQ(tagNames(cdx), std::vector<std::string>{"ALL"});
    }
    EXPECT_EQ(tagNames(CdxFile::open(path, false)), std::vector<std::string>{"ALL"});
    cdx.addTag(tagDefinition("HALF", KeyType::Character, 10), sourceOf(keys), keys.size());
    // The pages of the stopped builds were freed and served the last one: beyond one tag's
    // pages only the three headers were added.
    EXPECT_LE(std::filesystem::file_size(path), size + oneTag + 3 * 1024);
}

// Single index files: created empty, changed key by key, reopened; and the two index kinds are
// not taken for each other.
#include <gtest/gtest.h>

#include <set>

#include "CdxTestSupport.h"
#include "support/TempDir.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/IdxFile.h"

using namespace xbase;

TEST(IdxFile, CreatedEmptyThenChangedKeyByKeyAndReopened) {
    TempDir dir;
    const std::string path = dir.file("DATES.idx");
    std::set<std::pair<std::string, std::uint32_t>> model;
    {
        TagDefinition def = tagDefinition("", KeyType::Date, 8);
        def.keyExpression = "BORN";
        def.forExpression = "!EMPTY(BORN)";
        IdxFile idx = IdxFile::create(path, def);
        EXPECT_FALSE(IndexCursor(idx.tag()).first());
        for (std::uint32_t r = 1; r <= 4000; ++r) {
            const std::string key = encodeDateKey(
                julianDay(1950 + static_cast<int>(r % 60), 1 + static_cast<int>(r % 12), 1));
            ASSERT_TRUE(idx.tag().insert(key, r));
            model.emplace(key, r);
        }
        for (std::uint32_t r = 1; r <= 4000; r += 3) {
            const std::string key = encodeDateKey(
                julianDay(1950 + static_cast<int>(r % 60), 1 + static_cast<int>(r % 12), 1));
            ASSERT_TRUE(idx.tag().remove(key, r));
            model.erase({key, r});
        }
    }
    const std::string bytes = readAll(path);
    EXPECT_EQ(static_cast<unsigned char>(bytes[14]), 0x28);  // compact, with a FOR expression
    EXPECT_EQ(bytes.substr(512, 18), std::string("BORN\0!EMPTY(BORN)\0", 18));

    IdxFile idx = IdxFile::open(path, false, KeyType::Date);
    EXPECT_EQ(idx.tag().keyExpression(), "BORN");
    EXPECT_EQ(idx.tag().forExpression(), "!EMPTY(BORN)");
    EXPECT_EQ(forwardEntries(idx.tag()), IndexEntries(model.begin(), model.end()));
    EXPECT_EQ(backwardEntries(idx.tag()), IndexEntries(model.begin(), model.end()));
    idx.tag().verify();
    IndexCursor c(idx.tag());
    ASSERT_TRUE(c.seek(encodeDateKey(julianDay(1962, 1, 1))));
    EXPECT_EQ(decodeDateKey(c.key()), julianDay(1962, 1, 1));
    EXPECT_THROW(idx.tag().insert(encodeDateKey(1), 1), Error);  // opened read-only
}

TEST(IdxFile, UniqueIndexesBuildWithOneEntryPerKey) {
    TempDir dir;
    TagDefinition def = tagDefinition("", KeyType::Logical, 1);
    def.unique = true;
    IdxFile idx = IdxFile::create(dir.file("FLAGS.idx"), def);
    const IndexEntries flags{{"T", 5}, {"F", 9}, {"T", 2}, {"F", 3}};
    ASSERT_TRUE(idx.tag().build(sourceOf(flags), flags.size()));
    EXPECT_EQ(forwardEntries(idx.tag()), (IndexEntries{{"F", 3}, {"T", 2}}));
    EXPECT_EQ(static_cast<unsigned char>(readAll(dir.file("FLAGS.idx"))[14]), 0x21);
}

TEST(IdxFile, CompoundAndSingleIndexesAreNotTakenForEachOther) {
    TempDir dir;
    CdxFile::create(dir.file("A.cdx"));
    IdxFile::create(dir.file("B.idx"), tagDefinition("", KeyType::Character, 10));
    expectErrorNaming(dir.file("A.cdx"), [&] { IdxFile::open(dir.file("A.cdx"), false); });
    expectErrorNaming(dir.file("B.idx"), [&] { CdxFile::open(dir.file("B.idx"), false); });
    expectErrorNaming(dir.file("C.idx"), [&] {
        IdxFile::create(dir.file("C.idx"), tagDefinition("", KeyType::Character, 0));
    });
}

// The reference CDX written by another engine: its directory, every tag's order, seeks, and
// changes made by us to its trees.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "CdxTestSupport.h"
#include "support/SharedFolder.h"
#include "support/TempDir.h"
#include "xbase/Ascii.h"
#include "xbase/internal/CdxFile.h"

using namespace xbase;

namespace {

nlohmann::json manifest() {
    std::ifstream in(referenceFile("ADDRESS.json"));
    return nlohmann::json::parse(in);
}

// The reference index with the key types its expressions give.
CdxFile openAddressIndex(const TempDir& dir, bool writable) {
    CdxFile cdx = CdxFile::open(copyReference(dir.path(), "ADDRESS.cdx"), writable);
    cdx.findTag("JUSTSEQNO")->setKeyType(KeyType::Numeric);
    cdx.findTag("DELETED")->setKeyType(KeyType::Logical);
    return cdx;
}

}  // namespace

TEST(CdxFixture, TagsComeInCreationOrderWithTheirExpressions) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    CdxFile cdx = openAddressIndex(dir, false);
    const nlohmann::json tags = manifest()["tags_in_creation_order"];
    ASSERT_EQ(cdx.tagCount(), tags.size());
    for (std::size_t i = 0; i < tags.size(); ++i) {
        EXPECT_EQ(cdx.tag(i).name(), tags[i][0].get<std::string>());
        EXPECT_EQ(cdx.tag(i).keyExpression(), tags[i][1].get<std::string>());
        EXPECT_EQ(cdx.tag(i).forExpression(), "");
        EXPECT_FALSE(cdx.tag(i).unique());
        EXPECT_FALSE(cdx.tag(i).descending());
    }
    EXPECT_EQ(cdx.findTag("lname"), cdx.findTag("LNAME"));
    EXPECT_EQ(cdx.findTag("LNAME")->keyLength(), 60u);
    EXPECT_EQ(cdx.findTag("DELETED")->keyLength(), 1u);
    EXPECT_EQ(cdx.findTag("JUSTSEQNO")->keyLength(), 8u);
    EXPECT_EQ(cdx.findTag("NOSUCHTAG"), nullptr);
}

TEST(CdxFixture, EveryTagListsTheRecordsInTheReferenceOrder) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    CdxFile cdx = openAddressIndex(dir, false);
    const nlohmann::json orders = manifest()["tag_order_recnos_deleted_shown"];
    for (std::size_t i = 0; i < cdx.tagCount(); ++i) {
        const IndexTag& tag = cdx.tag(i);
        SCOPED_TRACE(tag.name());
        const auto expected = orders[tag.name()]["recnos"].get<std::vector<std::uint32_t>>();
        const IndexEntries forward = forwardEntries(tag);
        EXPECT_EQ(recnosOf(forward), expected);
        EXPECT_EQ(backwardEntries(tag), forward);
        EXPECT_EQ(tag.keyCount(), expected.size());
        EXPECT_NO_THROW(tag.verify());
    }
}

TEST(CdxFixture, NumericKeysDecodeToTheFieldValues) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    CdxFile cdx = openAddressIndex(dir, false);
    for (const auto& [key, recno] : forwardEntries(*cdx.findTag("JUSTSEQNO"))) {
        const double seqno = (recno * 7919) % 1000;
        ASSERT_EQ(decodeNumericKey(key), seqno) << "record " << recno;
    }
}

TEST(CdxFixture, PrefixSeeksOnLastNamesMatchTheReference) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    CdxFile cdx = openAddressIndex(dir, false);
    IndexCursor cursor(*cdx.findTag("LNAME"));
    const nlohmann::json seeks = manifest()["seeks_on_LNAME_exact_off"];
    for (const auto& [text, result] : seeks.items()) {
        SCOPED_TRACE(text);
        const bool found = cursor.seek(text);
        EXPECT_EQ(found, result["found"].get<bool>());
        const auto soft = result["softseek_recno"].get<std::uint32_t>();
        if (soft == 0) {
            EXPECT_TRUE(cursor.atEnd());
        } else {
            ASSERT_TRUE(cursor.valid());
            EXPECT_EQ(cursor.recno(), soft);
            EXPECT_EQ(cursor.key().substr(0, text.size()) == text, found);
        }
    }
}

TEST(CdxFixture, SeekLastFindsTheEndOfARunOfKeys) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    CdxFile cdx = openAddressIndex(dir, false);
    const IndexTag& tag = *cdx.findTag("LNAME");
    const IndexEntries all = forwardEntries(tag);
    auto lastStartingWith = [&](const std::string& prefix) {
        std::size_t last = 0;
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i].first.rfind(prefix, 0) == 0) last = i;
        return last;
    };
    const std::size_t lastLee = lastStartingWith("LEE ");
    ASSERT_GT(lastLee, 0u);
    IndexCursor cursor(tag);
    ASSERT_TRUE(cursor.seekLast("LEE "));
    EXPECT_EQ(cursor.recno(), all[lastLee].second);
    ASSERT_TRUE(cursor.next());
    EXPECT_EQ(cursor.recno(), all[lastLee + 1].second);
    EXPECT_FALSE(cursor.seekLast("LEB"));
    EXPECT_LT(std::string(cursor.key()), std::string("LEB"));
    EXPECT_TRUE(cursor.seekLast(std::string(30, ' ')));  // the records with no last name
    EXPECT_EQ(cursor.recno(), all[lastStartingWith(std::string(30, ' '))].second);
    EXPECT_FALSE(cursor.seekLast("\x01"));  // nothing sorts that low
    EXPECT_FALSE(cursor.valid());
    ASSERT_TRUE(cursor.next());
    EXPECT_EQ(cursor.recno(), all[0].second);
}

TEST(CdxFixture, OurInsertsAndRemovalsInItsTreesStayReadableByOthers) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    std::string path;
    {
        CdxFile cdx = openAddressIndex(dir, true);
        path = cdx.path();
        IndexTag& tag = *cdx.findTag("LNAME");
        for (std::uint32_t r = 301; r <= 700; ++r)
            ASSERT_TRUE(tag.insert(encodeCharacterKey("NEW" + std::to_string(r % 37), 60), r));
        for (const auto& [key, recno] : forwardEntries(tag)) {
            if (recno % 3 == 0) {
                ASSERT_TRUE(tag.remove(key, recno));
            }
        }
        tag.verify();
    }
    CdxFile cdx = CdxFile::open(path, false);
    const IndexEntries ours = forwardEntries(*cdx.findTag("LNAME"));
    EXPECT_EQ(ours.size(), 700u - 700u / 3);
    std::vector<std::string> expected;
    for (const auto& [key, recno] : ours)
        expected.push_back(std::string(trimRight(key)) + "\t" + std::to_string(recno));
    EXPECT_EQ(perlListing(path, "LNAME", "C"), expected);
    EXPECT_EQ(recnosOf(forwardEntries(*cdx.findTag("NAME"))),
              manifest()["tag_order_recnos_deleted_shown"]["NAME"]["recnos"]
                  .get<std::vector<std::uint32_t>>());
}

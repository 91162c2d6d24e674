// Tags we write, read back by an independent reader (Perl's XBase::Index): bulk-built trees of
// several levels, and trees after many random inserts and removals checked against a model.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>

#include "CdxTestSupport.h"
#include "support/SharedFolder.h"
#include "support/TempDir.h"
#include "xbase/Ascii.h"
#include "xbase/internal/CdxFile.h"

using namespace xbase;

namespace {

using Model = std::multiset<std::pair<std::string, std::uint32_t>>;

std::string perlNumber(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", v);
    return text;
}

// The Perl reader's lines for entries: character keys without trailing blanks, numeric keys as
// Perl prints numbers.
template <class Entries>
std::vector<std::string> perlLines(const Entries& entries, KeyType type) {
    std::vector<std::string> lines;
    for (const auto& [key, recno] : entries) {
        const std::string shown = type == KeyType::Numeric ? perlNumber(decodeNumericKey(key))
                                                           : std::string(trimRight(key));
        lines.push_back(shown + "\t" + std::to_string(recno));
    }
    return lines;
}

// Last names with shared beginnings, some blank, some repeated.
std::string nameKey(std::mt19937& rng, std::size_t keyLength) {
    static const char* const stems[] = {"SMITH",        "SMYTHE",    "O'NEIL",   "LEE", "LEEDS",
                                        "VAN DER BERG", "MACDONALD", "MCDONALD", "",    "Z"};
    std::string text = stems[rng() % 10];
    if (!text.empty() && rng() % 2 == 0) text += " " + std::to_string(rng() % 500);
    return encodeCharacterKey(text, keyLength);
}

bool isLeafRoot(const IndexTag& tag) {
    return tag.readNode(tag.root()).leaf;
}

}  // namespace

TEST(CdxPerl, BulkBuiltTagsOfSeveralLevelsReadTheSame) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    const std::string path = dir.file("BULK.cdx");
    std::mt19937 rng(7);
    Model names, numbers;
    for (std::uint32_t r = 1; r <= 4000; ++r) {
        names.emplace(nameKey(rng, 40), r);
        numbers.emplace(encodeNumericKey((static_cast<int>(rng() % 20001) - 10000) / 4.0), r);
    }
    {
        CdxFile cdx = CdxFile::create(path);
        IndexTag* nameTag =
            cdx.addTag(tagDefinition("LAST", KeyType::Character, 40), sourceOf(names), 4000);
        IndexTag* numberTag =
            cdx.addTag(tagDefinition("AMOUNT", KeyType::Numeric, 8), sourceOf(numbers), 4000);
        ASSERT_NE(nameTag, nullptr);
        ASSERT_NE(numberTag, nullptr);
        EXPECT_FALSE(isLeafRoot(*nameTag));
        EXPECT_FALSE(isLeafRoot(*numberTag));
        nameTag->verify();
        numberTag->verify();
    }
    EXPECT_EQ(perlListing(path, "", ""), (std::vector<std::string>{"AMOUNT", "LAST"}));
    EXPECT_EQ(perlListing(path, "LAST", "C"), perlLines(names, KeyType::Character));
    EXPECT_EQ(perlListing(path, "AMOUNT", "N"), perlLines(numbers, KeyType::Numeric));
}

TEST(CdxPerl, RandomInsertsAndRemovalsMatchAModelAndTheOtherReader) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    const std::string path = dir.file("CHURN.cdx");
    std::mt19937 rng(11);
    Model names, numbers;
    {
        CdxFile cdx = CdxFile::create(path);
        IndexTag& nameTag =
            *cdx.addTag(tagDefinition("LAST", KeyType::Character, 30), sourceOf(names), 0);
        IndexTag& numberTag =
            *cdx.addTag(tagDefinition("AMOUNT", KeyType::Numeric, 8), sourceOf(numbers), 0);
        auto randomRecno = [&] { return rng() % 4 == 0 ? 1 + rng() % 100000 : 1 + rng() % 2000; };
        auto churn = [&](IndexTag& tag, Model& model, auto makeKey) {
            if (model.empty() || rng() % 10 < 6) {
                const std::string key = makeKey();
                const std::uint32_t recno = randomRecno();
                const bool fresh = model.count({key, recno}) == 0;
                ASSERT_EQ(tag.insert(key, recno), fresh);
                if (fresh) model.emplace(key, recno);
            } else {
                auto it =
                    std::next(model.begin(), static_cast<std::ptrdiff_t>(rng() % model.size()));
                ASSERT_TRUE(tag.remove(it->first, it->second));
                ASSERT_FALSE(tag.remove(it->first, it->second + 200000));
                model.erase(it);
            }
        };
        for (int op = 1; op <= 6000; ++op) {
            churn(nameTag, names, [&] { return nameKey(rng, 30); });
            churn(numberTag, numbers,
                  [&] { return encodeNumericKey((static_cast<int>(rng() % 8001) - 4000) / 8.0); });
            if (op % 300 == 0) {
                SCOPED_TRACE("after operation " + std::to_string(op));
                for (auto [tag, model] :
                     {std::pair{&nameTag, &names}, std::pair{&numberTag, &numbers}}) {
                    ASSERT_EQ(forwardEntries(*tag), IndexEntries(model->begin(), model->end()));
                    ASSERT_NO_THROW(tag->verify());
                }
            }
        }
        EXPECT_EQ(backwardEntries(nameTag), IndexEntries(names.begin(), names.end()));
        EXPECT_EQ(nameTag.keyCount(), names.size());
        EXPECT_FALSE(isLeafRoot(nameTag));
    }
    EXPECT_EQ(perlListing(path, "LAST", "C"), perlLines(names, KeyType::Character));
    EXPECT_EQ(perlListing(path, "AMOUNT", "N"), perlLines(numbers, KeyType::Numeric));
}

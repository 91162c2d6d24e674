// The duplicate check on real address files: letter case, the initial against the whole first
// name, street prefixes, empty keys, marked records, runs of three, stopping halfway, and a
// generated file compared with a plain count by grouping.
#include <QFile>
#include <algorithm>
#include <map>
#include <set>

#include "app/AddressFileFixture.h"
#include "data/AddressLayout.h"
#include "utilities/DuplicateCheck.h"

namespace rp {
namespace {

class DuplicateCheckTest : public AddressFileFixture {
  protected:
    std::uint32_t check(DuplicateKind kind, int n = kMaxStreetCharacters,
                        std::function<bool()> keepGoing = {}) {
        table->setFilter(kStandingCondition.toStdString());
        return checkDuplicates(
            table.table(), kind, n, indexPath,
            {[this](int p) { percents.push_back(p); },
             [this](std::uint32_t f) { counts.push_back(f); }, std::move(keepGoing)});
    }
    std::set<std::uint32_t> listedSet() {
        const std::vector<std::uint32_t> records = walk();
        return {records.begin(), records.end()};
    }

    std::string indexPath = dir.file("_chkdup.idx");
    std::vector<int> percents;
    std::vector<std::uint32_t> counts;
};

TEST_F(DuplicateCheckTest, NamesMatchWhateverTheirLetterCase) {
    const auto a = add({{"LNAME", "JONES"}, {"FNAME", "MARY"}});
    add({{"LNAME", "Smith"}, {"FNAME", "Mary"}});
    const auto b = add({{"LNAME", "Jones"}, {"FNAME", "mary"}});
    EXPECT_EQ(check(DuplicateKind::Name), 1u);
    EXPECT_EQ(table->orderIndexFile(), indexPath);
    EXPECT_EQ(listedSet(), (std::set<std::uint32_t>{a, b}));
}

TEST_F(DuplicateCheckTest, TheInitialMatchesWhereTheWholeFirstNameDoesNot) {
    add({{"LNAME", "Jones"}, {"FNAME", "Mary"}});
    add({{"LNAME", "Jones"}, {"FNAME", "Martha"}});
    EXPECT_EQ(check(DuplicateKind::Name), 0u);
    EXPECT_TRUE(walk().empty());
    EXPECT_EQ(check(DuplicateKind::Initial), 1u);
    EXPECT_EQ(walk().size(), 2u);
}

TEST_F(DuplicateCheckTest, StreetsMatchOnTheirFirstCharacters) {
    add({{"LNAME", "Adams"}, {"STREET", "123 Main Street"}});
    add({{"LNAME", "Baker"}, {"STREET", "123 Main St"}});
    EXPECT_EQ(check(DuplicateKind::Street, 10), 1u);
    EXPECT_EQ(walk().size(), 2u);
    EXPECT_EQ(check(DuplicateKind::Street, 30), 0u);
    EXPECT_TRUE(walk().empty());
}

TEST_F(DuplicateCheckTest, EmptyLastNamesAndStreetsAreNeverReported) {
    add({{"FNAME", "Mary"}});
    add({{"FNAME", "Mary"}});
    add({{"LNAME", "Hill"}, {"STREET", "   "}});
    add({{"LNAME", "Hall"}});
    EXPECT_EQ(check(DuplicateKind::Name), 0u);
    EXPECT_EQ(check(DuplicateKind::Initial), 0u);
    EXPECT_EQ(check(DuplicateKind::Street), 0u);
    EXPECT_TRUE(walk().empty());
}

TEST_F(DuplicateCheckTest, OneRecordFindsNothingAndTheIndexIsCreatedAfresh) {
    QFile stale(QString::fromStdString(indexPath));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("left over");
    stale.close();
    add({{"LNAME", "Jones"}, {"FNAME", "Mary"}});
    EXPECT_EQ(check(DuplicateKind::Name), 0u);
    EXPECT_TRUE(walk().empty());
    EXPECT_TRUE(percents.empty());
    EXPECT_EQ(counts, (std::vector<std::uint32_t>{0}));
}

TEST_F(DuplicateCheckTest, ARunOfThreeCountsTwoPairsAndListsEachRecordOnce) {
    add({{"LNAME", "Lee"}, {"FNAME", "Ann"}});
    add({{"LNAME", "LEE"}, {"FNAME", "ANN"}});
    add({{"LNAME", "lee"}, {"FNAME", "ann"}});
    add({{"LNAME", "Moe"}, {"FNAME", "Al"}});
    EXPECT_EQ(check(DuplicateKind::Name), 2u);
    const std::vector<std::uint32_t> listed = walk();
    EXPECT_EQ(listed.size(), 3u);
    EXPECT_EQ(listedSet().size(), 3u);
    EXPECT_EQ(counts.back(), 2u);
}

TEST_F(DuplicateCheckTest, MarkedRecordsArePassedOverAndKeepThePreviousKey) {
    const auto a = add({{"LNAME", "Lee"}, {"FNAME", "Ann"}});
    add({{"LNAME", "Lee"}, {"FNAME", "Ann"}});
    table->deleteRecord();
    add({{"LNAME", "Lee"}, {"FNAME", "Ann"}, {"PREFIX", "Deleted"}});
    const auto b = add({{"LNAME", "Lee"}, {"FNAME", "Ann"}});
    EXPECT_EQ(check(DuplicateKind::Name), 1u);
    EXPECT_EQ(listedSet(), (std::set<std::uint32_t>{a, b}));
}

TEST_F(DuplicateCheckTest, ProgressStaysStrictlyBetweenZeroAndOneHundred) {
    for (int i = 0; i < 40; ++i) add({{"LNAME", i % 2 ? "Odd" : "Even"}});
    EXPECT_EQ(check(DuplicateKind::Name), 38u);
    ASSERT_FALSE(percents.empty());
    EXPECT_TRUE(
        std::all_of(percents.begin(), percents.end(), [](int p) { return p > 0 && p < 100; }));
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(counts.size(), 40u);
}

TEST_F(DuplicateCheckTest, StoppingHalfwayKeepsWhatWasFound) {
    for (int i = 0; i < 10; ++i) add({{"LNAME", "Same"}});
    int asked = 0;
    EXPECT_EQ(check(DuplicateKind::Name, 30, [&] { return ++asked < 5; }), 4u);
    EXPECT_EQ(walk().size(), 5u);
    EXPECT_EQ(table->orderIndexFile(), indexPath);
}

// A generated file with planted duplicates of every kind, checked against a plain grouping of
// the records by their folded key.
TEST_F(DuplicateCheckTest, AGeneratedFileMatchesAPlainGrouping) {
    static const char* const lasts[] = {"Adams", "ADAMS", "Baker", "", "Clark", "clark", "Dunn"};
    static const char* const firsts[] = {"Ann", "ann", "Al", "Bo", "", "Abe"};
    static const char* const streets[] = {"1 Elm St", "1 ELM STREET", "2 Oak Ave",
                                          "",         "9 Pine Rd",    "1 elm st"};
    struct Row {
        std::uint32_t recno;
        std::string last, first, street;
        bool eligible;
    };
    std::vector<Row> rows;
    table->deleteIndexes();
    for (int i = 0; i < 300; ++i) {
        Row row{0, lasts[(i * 5) % 7], firsts[(i * 7) % 6], streets[(i * 11) % 6], true};
        const bool withdrawn = i % 17 == 0;
        row.recno = add({{"LNAME", row.last},
                         {"FNAME", row.first},
                         {"STREET", row.street},
                         {"PREFIX", withdrawn ? "DELETED" : ""}});
        if (i % 13 == 0) table->deleteRecord();
        row.eligible = !withdrawn && i % 13 != 0;
        rows.push_back(row);
    }
    ASSERT_TRUE(createAddressTags(table));
    const auto fold = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    };
    for (const DuplicateKind kind :
         {DuplicateKind::Name, DuplicateKind::Initial, DuplicateKind::Street}) {
        const int n = 4;
        std::map<std::string, std::vector<std::uint32_t>> groups;
        for (const Row& row : rows) {
            if (!row.eligible) continue;
            std::string key;
            if (kind == DuplicateKind::Street) {
                key = row.street.substr(0, n);
                while (!key.empty() && key.back() == ' ') key.pop_back();
                if (key.empty()) continue;
            } else {
                if (row.last.empty()) continue;
                key = row.last + '|' +
                      (kind == DuplicateKind::Initial ? row.first.substr(0, 1) : row.first);
            }
            groups[fold(key)].push_back(row.recno);
        }
        std::uint32_t pairs = 0;
        std::set<std::uint32_t> expected;
        for (const auto& [key, members] : groups) {
            if (members.size() < 2) continue;
            pairs += static_cast<std::uint32_t>(members.size() - 1);
            expected.insert(members.begin(), members.end());
        }
        ASSERT_GT(pairs, 0u);
        EXPECT_EQ(check(kind, n), pairs);
        const std::vector<std::uint32_t> listed = walk();
        EXPECT_EQ(listed.size(), expected.size());
        EXPECT_EQ(listedSet(), expected);
    }
}

}  // namespace
}  // namespace rp

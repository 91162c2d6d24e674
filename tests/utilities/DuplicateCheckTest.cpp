// The duplicate check on real address files: letter case, the initial against the whole first
// name, names compared joined as the NAME order sorts them, street prefixes, empty keys, marked
// records, a lone record, runs of three, stopping halfway, a work index that cannot be made or
// written, and a generated file compared with a plain count by grouping.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <fstream>
#include <map>
#include <set>

#include "data/AddressLayout.h"
#include "support/AddressFileFixture.h"
#include "utilities/DuplicateCheck.h"
#include "xbase/Table.h"

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

// Names are compared as the NAME order joins them: the trimmed last name immediately followed by
// the first name (or its first character), letter case folded.
struct JoinedNameCase {
    const char* what;
    DuplicateKind kind;
    struct Name {
        const char* last;
        const char* first;
        bool marked = false;
    };
    std::vector<Name> names;
    std::uint32_t pairs;
    std::set<std::size_t> listed;  // positions in names
};

void PrintTo(const JoinedNameCase& c, std::ostream* out) {
    *out << c.what;
}

class DuplicateJoinedNameTest : public DuplicateCheckTest,
                                public ::testing::WithParamInterface<JoinedNameCase> {};

TEST_P(DuplicateJoinedNameTest, FindsThePairsOfEqualJoinedKeys) {
    const JoinedNameCase& c = GetParam();
    std::vector<std::uint32_t> records;
    for (const auto& name : c.names) {
        records.push_back(add({{"LNAME", name.last}, {"FNAME", name.first}}));
        if (name.marked) table->deleteRecord();
    }
    EXPECT_EQ(check(c.kind), c.pairs);
    std::set<std::uint32_t> expected;
    for (const std::size_t at : c.listed) expected.insert(records[at]);
    EXPECT_EQ(listedSet(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DuplicateJoinedNameTest,
    ::testing::Values(
        JoinedNameCase{"SplitAnywhere",
                       DuplicateKind::Name,
                       {{"Smith", "John"}, {"SmithJ", "ohn"}, {"Smith", "John"}},
                       2,
                       {0, 1, 2}},
        // The middle record's initial key is SMITHJO, but its whole name joins as the others'
        // do: under the initial, as under the whole name, all three are alike.
        JoinedNameCase{"SplitAnywhereByInitial",
                       DuplicateKind::Initial,
                       {{"Smith", "John"}, {"SmithJ", "ohn"}, {"Smith", "John"}},
                       2,
                       {0, 1, 2}},
        JoinedNameCase{"SplitAnywhereOtherwiseByInitial",
                       DuplicateKind::Initial,
                       {{"Smith", "Jane"}, {"SmithJ", "ohn"}},
                       0,
                       {}},
        JoinedNameCase{"SplitAfterTheInitial",
                       DuplicateKind::Initial,
                       {{"Smith", "John"}, {"SmithJ", ""}},
                       1,
                       {0, 1}},
        JoinedNameCase{"SplitElsewhere",
                       DuplicateKind::Name,
                       {{"Van", "Dyke Ann"}, {"Van Dyke", "Ann"}, {"VanD", "yke Ann"}},
                       1,
                       {0, 2}},
        JoinedNameCase{
            "LetterCase", DuplicateKind::Name, {{"SMITH", "john"}, {"smithj", "OHN"}}, 1, {0, 1}},
        JoinedNameCase{"LetterCaseByInitial",
                       DuplicateKind::Initial,
                       {{"smith", "jane"}, {"SMITH", "John"}},
                       1,
                       {0, 1}},
        JoinedNameCase{"TrailingBlanks",
                       DuplicateKind::Name,
                       {{"Smith   ", "John  "}, {"Smith", "John"}},
                       1,
                       {0, 1}},
        JoinedNameCase{"TrailingBlanksByInitial",
                       DuplicateKind::Initial,
                       {{"Smith ", "J "}, {"Smith", "John"}},
                       1,
                       {0, 1}},
        JoinedNameCase{"ABlankInsideCounts",
                       DuplicateKind::Name,
                       {{"Smith", " John"}, {"Smith", "John"}},
                       0,
                       {}},
        JoinedNameCase{"AMarkedRecordBetween",
                       DuplicateKind::Name,
                       {{"Smith", "John"}, {"SmithJ", "ohn", true}, {"Smith", "John"}},
                       1,
                       {0, 2}},
        JoinedNameCase{"AMarkedRecordBetweenByInitial",
                       DuplicateKind::Initial,
                       {{"Smith", "John"}, {"SmithJ", "ohn", true}, {"Smith", "John"}},
                       1,
                       {0, 2}}),
    [](const auto& info) { return std::string(info.param.what); });

// A record has no neighbour before it, whatever its key: not even "-".
class DuplicateLoneRecordTest : public DuplicateCheckTest,
                                public ::testing::WithParamInterface<DuplicateKind> {};

TEST_P(DuplicateLoneRecordTest, ADashIsNoDuplicateOfItselfButOfAnotherDash) {
    const auto a = add({{"LNAME", "-"}, {"FNAME", "-"}, {"STREET", "-"}});
    EXPECT_EQ(check(GetParam()), 0u);
    EXPECT_TRUE(walk().empty());
    const auto b = add({{"LNAME", "-"}, {"FNAME", "-"}, {"STREET", "-"}});
    EXPECT_EQ(check(GetParam()), 1u);
    EXPECT_EQ(listedSet(), (std::set<std::uint32_t>{a, b}));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DuplicateLoneRecordTest,
                         ::testing::Values(DuplicateKind::Name, DuplicateKind::Initial,
                                           DuplicateKind::Street));

TEST(DuplicatesFoundText, TellsTheNumberOfPairs) {
    EXPECT_EQ(duplicatesFoundText(0), "Found 0 possible duplicates");
    EXPECT_EQ(duplicatesFoundText(1), "Found 1 possible duplicates");
    EXPECT_EQ(duplicatesFoundText(38), "Found 38 possible duplicates");
}

// Where the table stands, to see that a failed check puts it back.
struct TableState {
    std::string filter;
    std::string order;
    std::uint32_t recno;
    bool operator==(const TableState&) const = default;
};

TableState stateOf(const xbase::Table& table) {
    return {table.filter(), table.orderTagName(), table.recNo()};
}

TEST_F(DuplicateCheckTest, AWorkIndexThatCannotBeMadeLeavesTheTableAsItWas) {
    add({{"LNAME", "Lee"}, {"FNAME", "Ann"}});
    const auto second = add({{"LNAME", "Lee"}, {"FNAME", "Ann"}});
    std::ofstream(dir.file("plain.txt")) << "a file, not a folder";
    indexPath = dir.file("plain.txt") + "/_chkdup.idx";
    table->setFilter(kStandingCondition.toStdString());
    table->setOrder("CITY");
    table->go(second);
    const TableState before = stateOf(table.table());
    try {
        check(DuplicateKind::Name);
        ADD_FAILURE() << "the check went through";
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create " + indexPath + ": Not a directory");
    }
    EXPECT_EQ(stateOf(table.table()), before);
    EXPECT_EQ(table->orderIndexFile(), dir.file("BROWSE.CDX"));
}

// A full disk met while the work index is written, after the walk: a child process may write
// no file beyond the size of an empty index (its header and root page, 1536 bytes), and gets an
// error instead of the signal. It reports back through a
// pipe: the error's text, then whether the table stood as before.
TEST_F(DuplicateCheckTest, AWorkIndexThatCannotBeWrittenLeavesTheTableAsItWas) {
    for (int i = 0; i < 300; ++i) add({{"LNAME", "Lee"}, {"FNAME", "Ann"}});
    table->setFilter(kStandingCondition.toStdString());
    table->setOrder("ZIP");
    table->go(7);
    const TableState before = stateOf(table.table());
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(report[0]);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit emptyIndex{1536, 1536};
        setrlimit(RLIMIT_FSIZE, &emptyIndex);
        std::string said = "the check went through";
        try {
            checkDuplicates(table.table(), DuplicateKind::Name, kMaxStreetCharacters, indexPath);
        } catch (const std::exception& e) {
            said = e.what();
        }
        said += stateOf(table.table()) == before ? "\nas before" : "\nmoved";
        const bool written =
            write(report[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
        _exit(written ? 0 : 1);
    }
    close(report[1]);
    std::string heard;
    char buffer[256];
    for (ssize_t n; (n = read(report[0], buffer, sizeof buffer)) > 0;)
        heard.append(buffer, static_cast<std::size_t>(n));
    close(report[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(heard, "Cannot write " + indexPath + ": File too large\nas before");
    EXPECT_EQ(stateOf(table.table()), before);
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
                key = row.last +
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

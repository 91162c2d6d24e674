// Filters answered with the help of the tags give the same records as a plain scan: random
// filters of comparisons with constants (prefix edge cases among them), with exact matching
// and hidden deleted records on and off, in natural order and in tag orders (often the order
// of a compared operand, whose key range navigation keeps within, and with scopes), while
// records change underneath, in shared opens through another open too. The plain answer is
// the compiled filter evaluated record by record, and in shared opens also a second open of
// the table without its indexes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DateUtil.h"
#include "xbase/Error.h"

using namespace xbase;

namespace {

using Recnos = std::vector<std::uint32_t>;

// Names and cities chosen for prefix edge cases: shorter and longer than the constants, as
// long as the field or cut by it, with leading and inner blanks, empty, differing only in case,
// with bytes from 0x80 up.
const char* const kNames[] = {
    "AB", "ab", "Ab",  "aB",   "ABC",   "abc",       "ABCDEFGH",    "abcdefgh", "A",
    "a",  "",   " AB", "AB X", "AB  X", "\xC9T\xC9", "\xE9t\xE9",   "\xFF",     "ZZ",
    "M",  "MA", "m",   "Mz",   "C",     "BZ",        "ABCDEFGHIJK", "ab  "};
const char* const kCities[] = {"London", "LONDON", "Lon",       "",    "Paris",
                               "PAR",    " Rome",  "\xD6rebro", "Oslo"};

// Constants for each kind of operand.
const char* const kNameConstants[] = {"AB",   "ab",  "AB ", "A",        "ABCDEFGH",   "ABCDEFGHIJ",
                                      "",     "M",   "C",   "\xC9",     "\xC9T\xC9",  "Z",
                                      "AB X", " AB", "abc", "AB      ", "AB        ", "\xE9"};
const char* const kCityConstants[] = {"LON", "LONDON", "LONDONX", "",     "P",
                                      "PAR", "PAR ",   " R",      "\xD6", "LON "};
const char* const kPairConstants[] = {"LONDONAB", "LONAB", "LON",      "LONDON",           "PARIS",
                                      "PAR   AB", "",      "LON   AB", "LONDONABCDEFGHXX", "OSLOAB",
                                      " ROMEA"};
const char* const kDateConstants[] = {"1990",   "1985", "19",      "",
                                      "199001", "2000", "1990010", "        "};
const char* const kTextOps[] = {"=", "==", ">=", ">", "<=", "<"};
const char* const kNumbers[] = {"0", "33", "40", "50", "51", "99", "-1", "33.5"};

struct Variant {
    std::uint32_t randomStart;
    OpenMode mode;
    int filters;
    // Constants holding a byte below the blank (see ShortValuesBeforeAControlByteAreFound).
    bool controlBytes = false;
    const char* label = "";
};

void PrintTo(const Variant& v, std::ostream* os) {
    *os << v.label;
}

class QueryRun {
  public:
    explicit QueryRun(const Variant& v) : variant_(v), rng_(v.randomStart) {}

    void run() {
        engine_.create(
            path_,
            {{"NAME", 'C', 8, 0}, {"CITY", 'C', 6, 0}, {"AGE", 'N', 4, 0}, {"BORN", 'D', 0, 0}});
        t_ = engine_.open(path_, OpenMode::Exclusive);
        for (int i = 0; i < 500; ++i) {
            t_->appendBlank();
            fill(*t_);
            t_->post();
            if (chance(15)) t_->deleteRecord();
        }
        createTags();
        t_->close();
        t_ = engine_.open(path_, variant_.mode);
        if (variant_.mode == OpenMode::Shared) {
            plain_ = engine_.open(path_, OpenMode::Shared, false);
            other_ = engine_.open(path_, OpenMode::Shared);
        }
        for (round_ = 0; round_ < variant_.filters; ++round_) {
            ASSERT_NO_FATAL_FAILURE(oneFilter());
        }
    }

  private:
    std::uint32_t pick(std::uint32_t n) { return static_cast<std::uint32_t>(rng_() % n); }
    bool chance(int percent) { return static_cast<int>(pick(100)) < percent; }
    template <std::size_t N>
    const char* any(const char* const (&list)[N]) {
        return list[pick(N)];
    }

    void fill(Table& t) {
        if (chance(80)) t.setText("NAME", any(kNames));
        if (chance(80)) t.setText("CITY", any(kCities));
        if (chance(85))
            t.setNumber("AGE", static_cast<double>(pick(100)));
        else
            t.setEmpty(t.fieldNumber("AGE"));
        if (chance(85))
            t.setDate("BORN", julianDay(1980, 1, 1) + static_cast<JulianDay>(pick(7300)));
        else
            t.setEmpty(t.fieldNumber("BORN"));
    }

    void createTags() {
        // First the tags that no query may take its candidates from, so that a planner that
        // wrongly takes them meets them before the good ones: tags that leave records out,
        // and a key whose "-" moves the city's trailing blanks, so the city is not its prefix.
        t_->createTag("OLD", "UPPER(NAME)", "AGE > 50");
        t_->createTag("ONCE", "UPPER(NAME)", "", true);
        t_->createTag("ONCEAGE", "AGE", "", true);
        t_->createTag("CITYJOIN", "UPPER(CITY)-UPPER(NAME)");
        t_->createTag("JOINED", "UPPER(CITY-NAME)");
        t_->createTag("NAME", "UPPER(NAME)");
        t_->createTag("PLAIN", "NAME");
        t_->createTag("CITYNAME", "UPPER(CITY)+UPPER(NAME)");
        t_->createTag("AGE", "AGE");
        t_->createTag("BORNTEXT", "DTOS(BORN)");
        t_->createTag("BORN", "BORN");
        t_->createTag("DEL", "DELETED()");
        // Keys whose length comes from the record the table stands on: 8 and 14 here.
        t_->appendBlank();
        t_->setText("NAME", "LONGNAME");
        t_->setText("CITY", "LONDON");
        t_->post();
        t_->createTag("TNAME", "TRIM(NAME)");
        t_->createTag("TCITYNAME", "TRIM(CITY)+UPPER(NAME)");
    }

    // ---- Filters ----------------------------------------------------------------------------

    static std::string quoted(const std::string& text) { return "\"" + text + "\""; }

    std::string textConstant(const char* const* list, std::size_t n) {
        std::string c = list[pick(static_cast<std::uint32_t>(n))];
        if (variant_.controlBytes && chance(50)) c += "\t";
        return quoted(c);
    }

    std::string comparison() {
        const std::string op = any(kTextOps);
        std::string operand, constant;
        switch (variant_.controlBytes && chance(40) ? 2 : pick(9)) {
            case 0:
                operand = chance(50) ? "UPPER(NAME)" : "upper(name)";
                break;
            case 1:
                operand = chance(50) ? "NAME" : "UPPE(NAME)";
                break;
            case 2:
                operand = "TRIM(NAME)";
                break;
            case 3:
                operand = "UPPER(CITY)";
                break;
            case 4:
                operand = chance(50) ? "UPPER(CITY)+UPPER(NAME)" : "UPPER(CITY-NAME)";
                break;
            case 5:
                operand = chance(50) ? "UPPER(CITY)-UPPER(NAME)" : "TRIM(CITY)+UPPER(NAME)";
                break;
            case 6:
                operand = "DTOS(BORN)";
                break;
            default: {
                compared("AGE");
                const std::string n = any(kNumbers);
                return chance(25) ? n + " " + op.substr(0, op == "==" ? 1 : op.size()) + " AGE"
                                  : "AGE " + (op == "==" ? std::string("=") : op) + " " + n;
            }
        }
        compared(operand);
        if (operand == "UPPER(CITY)")
            constant = textConstant(kCityConstants, std::size(kCityConstants));
        else if (operand.find("CITY") != std::string::npos)
            constant = textConstant(kPairConstants, std::size(kPairConstants));
        else if (operand == "DTOS(BORN)")
            constant = textConstant(kDateConstants, std::size(kDateConstants));
        else
            constant = textConstant(kNameConstants, std::size(kNameConstants));
        if (chance(15)) return constant + " " + op + " " + operand;  // constant first
        return operand + " " + op + " " + constant;
    }

    std::string conjunct() {
        std::string c;
        switch (pick(12)) {
            case 0:
                c = textConstant(kNameConstants, std::size(kNameConstants)) + " $ UPPER(NAME)";
                break;
            case 1:
                c = chance(50) ? "DELETED() = .F." : ".T. = DELETED()";
                compared("DELETED()");
                break;
            case 2:
                c = "BORN >= CTOD(\"01/01/90\")";
                break;
            default:
                c = comparison();
        }
        if (chance(10)) return ".NOT. " + c;
        if (chance(12)) return "(" + c + " .OR. " + comparison() + ")";
        return c;
    }

    // Notes an operand that the filter compares with a constant (in canonical spelling).
    void compared(const std::string& operand) {
        if (!operand.empty()) operands_.push_back(t_->compile(operand).canonical());
    }

    std::string randomFilter() {
        operands_.clear();
        std::string f = conjunct();
        for (int n = static_cast<int>(pick(3)); n > 0; --n)
            f += (chance(80) ? " .AND. " : " .and. ") + conjunct();
        if (chance(10)) f = "(" + f + ") .AND. " + conjunct();
        return f;
    }

    // ---- Answers ----------------------------------------------------------------------------

    // The records that pass, by evaluating the filter on each record.
    Recnos plainAnswer(const Expression& e) {
        Recnos out;
        for (std::uint32_t r = 1; r <= t_->recordCount(); ++r) {
            t_->go(r);
            if (engine_.settings.hideDeleted && t_->deleted()) continue;
            if (e.evalLogical(*t_, engine_.settings)) out.push_back(r);
        }
        return out;
    }

    std::string where() const {
        return "filter " + filter_ + " exact " + (engine_.settings.exact ? "on" : "off") +
               " hideDeleted " + (engine_.settings.hideDeleted ? "on" : "off") + " random start " +
               std::to_string(variant_.randomStart) + " round " + std::to_string(round_);
    }

    void oneFilter() {
        engine_.settings.exact = chance(50);
        engine_.settings.hideDeleted = chance(50);
        filter_ = randomFilter();
        t_->setOrder(0);
        t_->setFilter(filter_);
        const Expression e = t_->compile(filter_);
        for (int pass = 0; pass < 2; ++pass) {
            const Recnos want = plainAnswer(e);
            ASSERT_NO_FATAL_FAILURE(compareNatural(want));
            ASSERT_NO_FATAL_FAILURE(compareOrdered(want));
            if (plain_) {
                ASSERT_NO_FATAL_FAILURE(comparePlainOpen(want));
            }
            // Change records and settings under the filter: the next pass must see the new answer.
            if (pass == 0) {
                for (int i = 0; i < 8; ++i) changeSomething();
                if (chance(30)) engine_.settings.exact = !engine_.settings.exact;
                if (chance(30)) engine_.settings.hideDeleted = !engine_.settings.hideDeleted;
            }
        }
    }

    void compareNatural(const Recnos& want) {
        t_->setOrder(0);
        EXPECT_EQ(walk(*t_), want) << "natural order forward; " << where();
        EXPECT_EQ(walkBack(*t_), want) << "natural order backward; " << where();
        EXPECT_EQ(t_->visibleCount(), want.size()) << "natural order count; " << where();
        Recnos every(t_->recordCount());
        for (std::uint32_t r = 1; r <= t_->recordCount(); ++r) every[r - 1] = r;
        compareSkips(every, want, "natural order");
    }

    // A skip from any record of a sequence, passing or not, goes to the nearest of the records
    // expected, found in that sequence; back from before the first, to the first with bof set.
    void compareSkips(const Recnos& sequence, const Recnos& expect, const std::string& what) {
        const std::set<std::uint32_t> expected(expect.begin(), expect.end());
        for (int i = 0; i < 4 && !sequence.empty(); ++i) {
            const std::size_t at = pick(static_cast<std::uint32_t>(sequence.size()));
            const bool forward = chance(50);
            t_->go(sequence[at]);
            t_->skip(forward ? 1 : -1);
            std::optional<std::uint32_t> reached;
            if (forward) {
                for (std::size_t k = at + 1; k < sequence.size() && !reached; ++k)
                    if (expected.count(sequence[k])) reached = sequence[k];
            } else {
                for (std::size_t k = at; k-- > 0 && !reached;)
                    if (expected.count(sequence[k])) reached = sequence[k];
                if (!reached && !expect.empty()) reached = expect.front();
            }
            EXPECT_EQ(t_->recNo(), reached ? *reached : t_->recordCount() + 1)
                << what << ": skip(" << (forward ? 1 : -1) << ") from record " << sequence[at]
                << "; " << where();
        }
    }

    // In a tag order the filter keeps the order's records that pass, in the order's sequence;
    // under a scope, those of them the scope holds.
    void compareOrdered(const Recnos& want) {
        t_->setOrder(pickOrder());
        t_->setFilter("");
        const Recnos all = walk(*t_);
        t_->setFilter(filter_);
        const std::set<std::uint32_t> passing(want.begin(), want.end());
        const std::string tag = "order " + t_->orderTagName();
        ASSERT_NO_FATAL_FAILURE(compareInOrder(all, passing, tag));
        if (!all.empty() && chance(50)) {
            // Between the keys of two records of the order, or open at either end.
            std::uint32_t i = pick(static_cast<std::uint32_t>(all.size()));
            std::uint32_t j = pick(static_cast<std::uint32_t>(all.size()));
            if (i > j) std::swap(i, j);
            const std::string low = chance(20) ? std::string() : scopeEnd(all[i]);
            const std::string high = chance(20) ? std::string() : scopeEnd(all[j]);
            t_->setScope(low, high);
            ASSERT_NO_FATAL_FAILURE(
                compareInOrder(all, passing, tag + " scope \"" + low + "\"..\"" + high + "\""));
        }
        t_->setOrder(0);
    }

    // Navigation in the current order and scope against the same without the filter; skips
    // start from any record of the order's whole sequence.
    void compareInOrder(const Recnos& all, const std::set<std::uint32_t>& passing,
                        const std::string& what) {
        t_->setFilter("");
        const Recnos held = walk(*t_);
        t_->setFilter(filter_);
        Recnos expect;
        for (std::uint32_t r : held)
            if (passing.count(r)) expect.push_back(r);
        EXPECT_EQ(walk(*t_), expect) << what << "; " << where();
        EXPECT_EQ(walkBack(*t_), expect) << what << " backward; " << where();
        EXPECT_EQ(t_->visibleCount(), expect.size()) << what << " count; " << where();
        compareSkips(all, expect, what);
    }

    // Often an order whose key begins with an operand the filter compares, so that navigation
    // keeps within the key range of that comparison (or rightly does not), otherwise any.
    int pickOrder() {
        std::vector<int> keyed;
        for (int n = 1; n <= t_->orderCount(); ++n) {
            t_->setOrder(n);
            const std::string key = t_->compile(t_->orderKeyExpression()).canonical();
            if (std::any_of(operands_.begin(), operands_.end(),
                            [&](const std::string& operand) { return key.rfind(operand, 0) == 0; }))
                keyed.push_back(n);
        }
        if (!keyed.empty() && chance(70))
            return keyed[pick(static_cast<std::uint32_t>(keyed.size()))];
        return static_cast<int>(pick(static_cast<std::uint32_t>(t_->orderCount()))) + 1;
    }

    // A record's key in the current order as a scope end: character keys cut to a random
    // length (none: that end open), an empty date leaving that end open.
    std::string scopeEnd(std::uint32_t recno) {
        t_->go(recno);
        const Expression key = t_->compile(t_->orderKeyExpression());
        const std::string text = key.evalAsText(*t_, engine_.settings);
        if (key.type() == ValueType::Character)
            return text.substr(0, pick(static_cast<std::uint32_t>(text.size()) + 1));
        return text.find_first_not_of(' ') == std::string::npos ? std::string() : text;
    }

    // A second open without indexes scans every record.
    void comparePlainOpen(const Recnos& want) {
        ASSERT_EQ(plain_->orderCount(), 0);
        plain_->setFilter(filter_);
        EXPECT_EQ(walk(*plain_), want) << "open without indexes; " << where();
        EXPECT_EQ(plain_->visibleCount(), want.size())
            << "open without indexes, count; " << where();
    }

    // Through the table under test, or in shared opens at times through another open, whose
    // changes the table under test has to catch up with.
    void changeSomething() {
        Table& t = other_ && chance(50) ? *other_ : *t_;
        switch (pick(4)) {
            case 0:
                t.appendBlank();
                fill(t);
                t.post();
                return;
            case 1:
                t.go(pick(t.recordCount()) + 1);
                if (t.deleted())
                    t.recall();
                else
                    t.deleteRecord();
                return;
            default:
                t.go(pick(t.recordCount()) + 1);
                fill(t);
                t.post();
        }
    }

    Variant variant_;
    std::mt19937 rng_;
    TempDir dir_;
    std::string path_ = dir_.file("PEOPLE.DBF");
    Engine engine_;
    std::unique_ptr<Table> t_;
    std::unique_ptr<Table> plain_;
    std::unique_ptr<Table> other_;
    std::string filter_;
    std::vector<std::string> operands_;
    int round_ = 0;
};

}  // namespace

static std::string variantName(const ::testing::TestParamInfo<Variant>& info) {
    return info.param.label;
}

class QueryRuns : public ::testing::TestWithParam<Variant> {};

TEST_P(QueryRuns, IndexedFiltersGiveWhatAPlainScanGives) {
    QueryRun run(GetParam());
    ASSERT_NO_FATAL_FAILURE(run.run());
}

INSTANTIATE_TEST_SUITE_P(
    QueryEquivalence, QueryRuns,
    ::testing::Values(Variant{1, OpenMode::Exclusive, 150, false, "Exclusive1"},
                      Variant{2, OpenMode::Exclusive, 150, false, "Exclusive2"},
                      Variant{3, OpenMode::Shared, 150, false, "Shared3"},
                      Variant{4, OpenMode::Exclusive, 150, true, "ControlBytes"}),
    variantName);

// Without exact matching, "AB" < "AB<tab>" holds: the shorter text compares less when it is
// the beginning of the longer one. A key of TRIM(NAME) pads "AB" with blanks, and a blank
// sorts after a tab, so the key range has to reach past "AB<tab>" to hold the record.
TEST(QueryKeyRanges, ShortValuesBeforeAControlByteAreFound) {
    TempDir dir;
    Engine engine;
    const std::string path = dir.file("P.DBF");
    engine.create(path, {{"NAME", 'C', 8, 0}, {"AGE", 'N', 3, 0}});
    auto t = engine.open(path, OpenMode::Exclusive);
    appendNames(*t, {"ABCDEFGH", "AB", "A"});
    const std::string filter = "TRIM(NAME) < \"AB\t\"";
    t->setFilter(filter);
    ASSERT_EQ(walk(*t), (Recnos{2, 3}));
    t->go(1);
    t->createTag("TNAME", "TRIM(NAME)");  // 8 bytes long, from record 1
    t->setFilter(filter);
    EXPECT_EQ(walk(*t), (Recnos{2, 3}));
    EXPECT_EQ(t->visibleCount(), 2u);
    // In the tag's order too, which navigation keeps within that range.
    t->setOrder("TNAME");
    EXPECT_EQ(walk(*t), (Recnos{3, 2}));
    EXPECT_EQ(walkBack(*t), (Recnos{3, 2}));
    // The byte below the blank inside the constant, after a blank: "A" is below "A \x01Z".
    t->setFilter("TRIM(NAME) <= \"A \x01Z\"");
    EXPECT_EQ(walk(*t), (Recnos{3}));
}

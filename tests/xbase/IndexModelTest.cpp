// The structural tags of a table against a model kept in memory: thousands of random appends,
// changes, deletions, recalls, cancels, packs and zaps, in exclusive and shared opens, with
// reopening in between; every so often each order's walks both ways, its count, random seeks,
// random scopes and random skips are compared with what the model says they must give.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DateUtil.h"
#include "xbase/Error.h"
#include "xbase/internal/IndexKey.h"

using namespace xbase;

namespace {

constexpr std::size_t kNameWidth = 12;
constexpr std::size_t kCityWidth = 10;

// One record as the model keeps it: character fields as stored (padded to their width).
struct Person {
    std::string name = std::string(kNameWidth, ' ');
    std::string city = std::string(kCityWidth, ' ');
    std::optional<int> ageTenths;  // empty: the field is blank
    JulianDay born = 0;
    bool deleted = false;
};

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

double age(const Person& p) {
    return p.ageTenths ? *p.ageTenths / 10.0 : 0.0;
}

// "-" between texts: the left one's trailing blanks go to the end of the result.
std::string trimmingJoin(const std::string& left, const std::string& right) {
    std::size_t kept = left.find_last_not_of(' ') + 1;  // npos + 1 == 0
    return left.substr(0, kept) + right + std::string(left.size() - kept, ' ');
}

// A tag of the test table and how the model computes its keys.
struct TagModel {
    const char* name;
    const char* key;
    const char* condition;  // "" when the tag lists every record
    KeyType type;
    std::size_t keyLength;
    std::string (*keyText)(const Person&);  // character: unpadded text; others: the encoded key
    bool (*includes)(const Person&);        // null when the tag lists every record

    std::string keyOf(const Person& p) const {
        return type == KeyType::Character ? encodeCharacterKey(keyText(p), keyLength) : keyText(p);
    }
};

const std::vector<TagModel>& tagModels() {
    static const std::vector<TagModel> tags = {
        {"NAME", "UPPER(NAME)", "", KeyType::Character, kNameWidth,
         [](const Person& p) { return upper(p.name); }, nullptr},
        {"CITYNAME", "UPPER(CITY)+UPPER(NAME)", "", KeyType::Character, kCityWidth + kNameWidth,
         [](const Person& p) { return upper(p.city) + upper(p.name); }, nullptr},
        {"JOINED", "UPPER(CITY-NAME)", "", KeyType::Character, kCityWidth + kNameWidth,
         [](const Person& p) { return upper(trimmingJoin(p.city, p.name)); }, nullptr},
        {"AGE", "AGE", "", KeyType::Numeric, kNumericKeyLength,
         [](const Person& p) { return encodeNumericKey(age(p)); }, nullptr},
        {"BORNTEXT", "DTOS(BORN)", "", KeyType::Character, 8,
         [](const Person& p) { return toDtos(p.born); }, nullptr},
        {"BORN", "BORN", "", KeyType::Date, kNumericKeyLength,
         [](const Person& p) { return encodeDateKey(p.born); }, nullptr},
        {"DEL", "DELETED()", "", KeyType::Logical, kLogicalKeyLength,
         [](const Person& p) { return encodeLogicalKey(p.deleted); }, nullptr},
        {"SENIOR", "UPPER(NAME)", "AGE > 50", KeyType::Character, kNameWidth,
         [](const Person& p) { return upper(p.name); },
         [](const Person& p) { return age(p) > 50; }},
        {"LIVEAGE", "AGE", ".NOT. DELETED()", KeyType::Numeric, kNumericKeyLength,
         [](const Person& p) { return encodeNumericKey(age(p)); },
         [](const Person& p) { return !p.deleted; }},
    };
    return tags;
}

struct Entry {
    std::string key;
    std::uint32_t recno;
};

bool entryLess(const Entry& a, const Entry& b) {
    return compareIndexEntries(a.key, a.recno, b.key, b.recno) < 0;
}

// Encoded scope ends; empty = open.
struct Scope {
    std::string low, high;
    bool holds(const std::string& key) const {
        if (!low.empty() && key.substr(0, low.size()) < low) return false;
        if (!high.empty() && key.substr(0, high.size()) > high) return false;
        return true;
    }
};

// Where the table must stand: on an entry of the visited sequence, or at its end.
struct Position {
    std::size_t index = 0;  // == sequence size: at the end
    bool bof = false;
};

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string describe(const std::vector<std::uint32_t>& want,
                     const std::vector<std::uint32_t>& got) {
    std::size_t i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
    if (i == want.size() && i == got.size()) return "";
    auto at = [](const std::vector<std::uint32_t>& v, std::size_t n) {
        return n < v.size() ? std::to_string(v[n]) : std::string("(end)");
    };
    return "lengths " + std::to_string(want.size()) + " and " + std::to_string(got.size()) +
           "; first difference at " + std::to_string(i) + ": want record " + at(want, i) +
           ", got " + at(got, i);
}

std::string showKey(const std::string& key) {
    std::string out;
    for (unsigned char c : key) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return "\"" + out + "\"";
}

// What a run does besides appends, changes, deletions and recalls.
struct Variant {
    std::uint32_t randomStart;
    OpenMode mode;  // the mode the run starts in; reopening may switch it
    int operations;
    bool packAndZap = true;  // pack and zap reopen a shared table exclusively
    // visibleCount() in an order whose tag has a condition, without a scope, must count the
    // records the order visits (see CountInAnOrderOfSomeRecordsCountsThoseRecords).
    bool countConditionalOrders = true;
    // A second shared open of the file stays open through the run and must see every change
    // (see ASecondSharedOpenSeesNewKeys). The run then stays shared: no pack or zap.
    bool longLivedReader = false;
    // A skip back that reaches a record clears bof, also when the table stood at bof before
    // (see ASkipBackThatMovesClearsBof).
    bool bofClearedByMovingBack = true;
    const char* label = "";
};

void PrintTo(const Variant& v, std::ostream* os) {
    *os << v.label;
}

class IndexModelRun {
  public:
    explicit IndexModelRun(const Variant& v) : variant_(v), rng_(v.randomStart), mode_(v.mode) {}

    void run() {
        engine_.create(path_, {{"NAME", 'C', static_cast<int>(kNameWidth), 0},
                               {"CITY", 'C', static_cast<int>(kCityWidth), 0},
                               {"AGE", 'N', 6, 1},
                               {"BORN", 'D', 0, 0},
                               {"NOTE", 'C', 8, 0},
                               {"OK", 'L', 0, 0}});
        // Some records before the tags, so that building them is tested too.
        t_ = engine_.open(path_, OpenMode::Exclusive);
        for (int i = 0; i < 150; ++i) append(Finish::Post);
        for (const TagModel& tag : tagModels()) {
            t_->createTag(tag.name, tag.key, tag.condition);
            orderTags_.push_back(&tag);
        }
        ASSERT_NO_FATAL_FAILURE(expectTagNames());
        ASSERT_NO_FATAL_FAILURE(reopen(mode_));
        if (variant_.longLivedReader) reader_ = engine_.open(path_, OpenMode::Shared);
        ASSERT_NO_FATAL_FAILURE(checkAll());
        for (step_ = 0; step_ < variant_.operations; ++step_) {
            ASSERT_NO_FATAL_FAILURE(randomOperation()) << context();
            if (step_ % 250 == 249) {
                ASSERT_NO_FATAL_FAILURE(checkAll()) << context();
            }
        }
        ASSERT_NO_FATAL_FAILURE(checkAll()) << context();
        // Everything must have reached the files.
        ASSERT_NO_FATAL_FAILURE(reopen(OpenMode::Shared));
        ASSERT_NO_FATAL_FAILURE(checkAll()) << context();
        t_->close();
    }

  private:
    // How an edit ends: post(), cancel(), commit(), or a move (which posts): skip(0) staying
    // on the record, or skip(1) / skip(-1) leaving it for its neighbour in the current order.
    enum class Finish { Post, Cancel, Commit, Stay, SkipAway };

    // ---- Random values ----------------------------------------------------------------------

    std::uint32_t pick(std::uint32_t n) { return static_cast<std::uint32_t>(rng_() % n); }
    bool chance(int percent) { return static_cast<int>(pick(100)) < percent; }

    std::string randomName() {
        static const char* const stems[] = {"smith",
                                            "SMITH",
                                            "Smythe",
                                            "lee",
                                            "Lee",
                                            "LEEDS",
                                            "o'neil",
                                            "van der berg",
                                            "\xE9lise",
                                            "\xC9LISE",
                                            "zz",
                                            "a",
                                            "ab",
                                            "AB",
                                            "abc",
                                            "",
                                            " lead blank",
                                            "Abcdefghijkl",
                                            "abcdefghijklmnop",
                                            "\xFFz",
                                            "Z~"};
        std::string s = stems[pick(std::size(stems))];
        if (chance(30)) s += " " + std::to_string(pick(40));
        return s;
    }

    std::string randomCity() {
        static const char* const cities[] = {"London",   "LONDON", "london",  "Paris",
                                             "Par",      "",       "Rome",    "\xD6rebro",
                                             "New York", "Zagreb", "St Ives", " Oslo"};
        return cities[pick(std::size(cities))];
    }

    std::optional<int> randomAgeTenths() {
        switch (pick(6)) {
            case 0:
                return std::nullopt;
            case 1:
                return 500 + static_cast<int>(pick(3)) - 1;  // around the condition's bound
            case 2:
                return static_cast<int>(pick(100)) * 10;
            default:
                return static_cast<int>(pick(20000)) - 9999;  // -999.9 .. 999.9 in tenths
        }
    }

    JulianDay randomDate() {
        switch (pick(5)) {
            case 0:
                return 0;
            case 1:
                return julianDay(1990, 1, 1) + static_cast<JulianDay>(pick(40));
            default:
                return julianDay(1900, 1, 1) + static_cast<JulianDay>(pick(50000));
        }
    }

    // Sets a random selection of key fields in the table's buffer and in p.
    void setKeyFields(Person& p, bool all) {
        if (all || chance(50)) {
            std::string v = randomName();
            t_->setText("NAME", v);
            p.name = encodeCharacterKey(v, kNameWidth);
        }
        if (all || chance(40)) {
            std::string v = randomCity();
            t_->setText("CITY", v);
            p.city = encodeCharacterKey(v, kCityWidth);
        }
        if (all || chance(40)) {
            p.ageTenths = randomAgeTenths();
            if (p.ageTenths)
                t_->setNumber("AGE", *p.ageTenths / 10.0);
            else
                t_->setEmpty(t_->fieldNumber("AGE"));
        }
        if (all || chance(40)) {
            p.born = randomDate();
            if (p.born != 0 || chance(50))
                t_->setDate("BORN", p.born);
            else
                t_->setEmpty(t_->fieldNumber("BORN"));
        }
    }

    Finish randomFinish() {
        switch (pick(10)) {
            case 0:
            case 1:
                return Finish::Cancel;
            case 2:
                return Finish::Commit;
            case 3:
                return Finish::Stay;
            case 4:
                return Finish::SkipAway;
            default:
                return Finish::Post;
        }
    }

    // Ends an edit but a SkipAway (see afterEdit); false when it was dropped.
    bool finish(Finish how) {
        switch (how) {
            case Finish::Cancel:
                t_->cancel();
                return false;
            case Finish::Commit:
                t_->commit();
                return true;
            case Finish::Stay:
                t_->skip(0);
                return true;
            case Finish::SkipAway:
                return true;
            default:
                t_->post();
                return true;
        }
    }

    // The model has the edit of record r: the table must stand on it, or the skip that posts
    // the edit must reach the record's neighbour by its new key.
    void afterEdit(Finish how, std::uint32_t r) {
        if (how == Finish::SkipAway) return skipFromHere(r);
        ASSERT_EQ(t_->recNo(), r) << context();
        if (chance(30)) {
            ASSERT_NO_FATAL_FAILURE(skipFromHere(r));
        }
    }

    // ---- Operations -------------------------------------------------------------------------

    void note(const std::string& what) {
        recent_.push_back(std::to_string(step_) + ": " + what);
        if (recent_.size() > 25) recent_.pop_front();
    }

    std::string context() const {
        std::string out = "random start " + std::to_string(variant_.randomStart) + ", " +
                          (mode_ == OpenMode::Exclusive ? "exclusive" : "shared") +
                          ", hideDeleted " + (engine_.settings.hideDeleted ? "on" : "off") +
                          ", step " + std::to_string(step_) + ", records " +
                          std::to_string(rows_.size()) + "; last operations:";
        for (const std::string& r : recent_) out += "\n  " + r;
        return out;
    }

    void randomOperation() {
        const std::uint32_t dice = pick(1000);
        if (rows_.empty() || dice < 350) return append(randomFinish());
        if (dice < 530) return changeKeys();
        if (dice < 590) return changeOtherFields();
        if (dice < 690) return markDeleted(true);
        if (dice < 760) return markDeleted(false);
        if (dice < 770) {
            engine_.settings.hideDeleted = !engine_.settings.hideDeleted;
            note(std::string("hideDeleted ") + (engine_.settings.hideDeleted ? "on" : "off"));
            return;
        }
        if (dice < 777) {
            OpenMode m = chance(50) && !reader_ ? OpenMode::Exclusive : OpenMode::Shared;
            note(std::string("reopen ") + (m == OpenMode::Exclusive ? "exclusive" : "shared"));
            return reopen(m);
        }
        const bool packAndZap = variant_.packAndZap && !reader_;
        if (packAndZap && dice < 779) return packOrZap(true);
        if (packAndZap && dice < 780 && rows_.size() > 400) return packOrZap(false);
        if (dice < 786) return indexFile();
        if (dice < 790) return rebuildTags();
        return wander();
    }

    void append(Finish how) {
        Person p;
        t_->appendBlank();
        setKeyFields(p, chance(70));
        if (chance(20)) t_->setText("NOTE", "new");
        note("append " + showKey(p.name) + (how == Finish::Cancel ? " (cancelled)" : ""));
        const std::uint32_t before = t_->recordCount();
        if (!finish(how)) {
            ASSERT_EQ(t_->recordCount(), before);
            return;
        }
        rows_.push_back(p);
        ++version_;
        ASSERT_NO_FATAL_FAILURE(afterEdit(how, static_cast<std::uint32_t>(rows_.size())));
        ASSERT_EQ(t_->recordCount(), rows_.size());
    }

    // The record to change: one gone to by number, or one reached by navigating the current
    // order (the table then stands on its entry, which the change moves).
    std::uint32_t standOnSomeRecord() {
        if (chance(40)) {
            if (chance(50)) {
                t_->goTop();
                t_->skip(static_cast<long>(pick(20)));
            } else {
                t_->goBottom();
                t_->skip(-static_cast<long>(pick(20)));
            }
            if (!t_->eof()) return t_->recNo();
        }
        const std::uint32_t r = pick(static_cast<std::uint32_t>(rows_.size())) + 1;
        t_->go(r);
        return r;
    }

    void changeKeys() {
        const std::uint32_t r = standOnSomeRecord();
        Person p = rows_[r - 1];
        setKeyFields(p, false);
        const bool alsoDelete = chance(10);
        Finish how = alsoDelete ? Finish::Post : randomFinish();
        note("change " + std::to_string(r) + " to " + showKey(p.name) + " " + showKey(p.city) +
             (alsoDelete              ? " and delete"
              : how == Finish::Cancel ? " (cancelled)"
                                      : ""));
        if (alsoDelete) {
            t_->deleteRecord();  // posts the edit with the mark
            p.deleted = true;
        } else if (!finish(how)) {
            ASSERT_EQ(t_->text("NAME"),
                      rows_[r - 1].name.substr(0, rows_[r - 1].name.find_last_not_of(' ') + 1))
                << "cancel kept the change";
            return;
        }
        rows_[r - 1] = p;
        ++version_;
        ASSERT_NO_FATAL_FAILURE(afterEdit(how, r));
    }

    // No key depends on NOTE or OK: such a change must leave the index file as it was.
    void changeOtherFields() {
        const std::uint32_t r = pick(static_cast<std::uint32_t>(rows_.size())) + 1;
        note("change the other fields of " + std::to_string(r));
        t_->go(r);
        const bool compare = chance(10);
        const std::string before = compare ? fileBytes(t_->structuralIndexPath()) : std::string();
        t_->setText("NOTE", "n" + std::to_string(pick(1000)));
        t_->setLogical("OK", chance(50));
        if (!finish(chance(80) ? Finish::Post : Finish::Stay)) return;
        if (compare) {
            ASSERT_TRUE(fileBytes(t_->structuralIndexPath()) == before)
                << "changing NOTE and OK wrote to the index";
        }
    }

    void markDeleted(bool mark) {
        const std::uint32_t r = standOnSomeRecord();
        note((mark ? "delete " : "recall ") + std::to_string(r));
        if (mark)
            t_->deleteRecord();
        else
            t_->recall();
        rows_[r - 1].deleted = mark;
        ++version_;
        ASSERT_NO_FATAL_FAILURE(afterEdit(Finish::Post, r));
    }

    void packOrZap(bool pack) {
        note(pack ? "pack" : "zap");
        const OpenMode was = mode_;
        if (mode_ != OpenMode::Exclusive) {
            ASSERT_NO_FATAL_FAILURE(reopen(OpenMode::Exclusive));
        }
        if (pack) {
            t_->pack();
            std::erase_if(rows_, [](const Person& p) { return p.deleted; });
        } else {
            t_->zap();
            rows_.clear();
        }
        ++version_;
        ASSERT_EQ(t_->recordCount(), rows_.size());
        ASSERT_NO_FATAL_FAILURE(checkAll());
        if (was != OpenMode::Exclusive) {
            ASSERT_NO_FATAL_FAILURE(reopen(was));
        }
    }

    // Dropping a tag and creating it again (it becomes the last order, its pages coming from
    // the free list), or rebuilding every tag, changes no order's records. Shared opens may do
    // neither.
    void rebuildTags() {
        if (mode_ != OpenMode::Exclusive) {
            note("reindex refused");
            EXPECT_THROW(t_->reindex(), Error);
            return;
        }
        if (chance(50)) {
            note("reindex");
            t_->reindex();
        } else {
            const std::size_t i = pick(static_cast<std::uint32_t>(orderTags_.size()));
            const TagModel* tm = orderTags_[i];
            note(std::string("drop and create tag ") + tm->name);
            t_->dropTag(tm->name);
            orderTags_.erase(orderTags_.begin() + static_cast<std::ptrdiff_t>(i));
            ASSERT_NO_FATAL_FAILURE(expectTagNames());
            t_->createTag(tm->name, tm->key, tm->condition);
            orderTags_.push_back(tm);
        }
        ASSERT_NO_FATAL_FAILURE(expectTagNames());
        setOrder(randomOrder());
    }

    void expectTagNames() {
        ASSERT_EQ(t_->orderCount(), static_cast<int>(orderTags_.size()));
        for (int n = 1; n <= t_->orderCount(); ++n)
            ASSERT_EQ(t_->tagName(n), orderTags_[static_cast<std::size_t>(n - 1)]->name)
                << "order " << n;
    }

    // A single-order index file built from the table lists what the model says; opened again
    // later it lists the same.
    void indexFile() {
        const bool byName = chance(50);
        const TagModel& like = tagModels()[byName ? 0 : 3];
        note(std::string("index file on ") + like.key);
        const std::string idx = dir_.file("people.idx");
        const int n = t_->createIndexFile(idx, like.key, false);
        ASSERT_EQ(n, t_->orderCount());
        ASSERT_EQ(t_->order(), n);
        const std::vector<std::uint32_t> want = recnos(sequence(&like, Scope{}, true));
        ASSERT_EQ(describe(want, walkForward(*t_)), "") << "index file on " << like.key;
        ASSERT_NO_FATAL_FAILURE(reopen(mode_));
        const int again = t_->openIndexFile(idx);
        ASSERT_EQ(again, t_->orderCount());
        ASSERT_EQ(describe(want, walkForward(*t_)), "")
            << "index file on " << like.key << ", opened again";
        ASSERT_NO_FATAL_FAILURE(reopen(mode_));
    }

    // Random navigation in a random order: skips, seeks and scopes, each position compared.
    void wander() {
        const int order = randomOrder();
        note("wander in order " + std::to_string(order));
        setOrder(order);
        if (order > 0 && chance(30)) {
            ASSERT_NO_FATAL_FAILURE(randomScope());
        }
        const std::vector<Entry> seq = sequence(tag(), scope_, true);
        Position pos;
        if (chance(50)) {
            t_->goTop();
        } else {
            t_->goBottom();
            pos.index = seq.empty() ? 0 : seq.size() - 1;
        }
        pos.bof = seq.empty();
        ASSERT_NO_FATAL_FAILURE(expectAt(seq, pos, "after goTop/goBottom"));
        for (int i = 0; i < 12; ++i) {
            if (order > 0 && chance(20)) {
                ASSERT_NO_FATAL_FAILURE(randomSeek(&pos));
                continue;
            }
            const long n = static_cast<long>(pick(7)) - 3;
            t_->skip(n);
            pos = afterSkip(seq, pos, n);
            ASSERT_NO_FATAL_FAILURE(expectAt(seq, pos, "after skip(" + std::to_string(n) + ")"));
        }
    }

    // A skip from a changed record (which may still be in the buffer) goes to its neighbour by
    // its new key.
    void skipFromHere(std::uint32_t here) {
        const TagModel* tm = tag();
        const Entry self{tm ? tm->keyOf(rows_[here - 1]) : std::string(), here};
        const bool forward = chance(50);
        // The nearest visited entry after (before) the record's own place, and the first of all.
        std::optional<Entry> neighbour, first;
        for (std::uint32_t r = 1; r <= rows_.size(); ++r) {
            const Person& p = rows_[r - 1];
            if (!visible(p) || (tm && tm->includes && !tm->includes(p))) continue;
            Entry e{tm ? tm->keyOf(p) : std::string(), r};
            if (!scope_.holds(e.key)) continue;
            if (!first || entryLess(e, *first)) first = e;
            if (forward ? entryLess(self, e) && (!neighbour || entryLess(e, *neighbour))
                        : entryLess(e, self) && (!neighbour || entryLess(*neighbour, e)))
                neighbour = e;
        }
        t_->skip(forward ? 1 : -1);
        // Forward past the last: the end. Back past the first: on the first, with bof set.
        const std::optional<Entry>& on = neighbour || forward ? neighbour : first;
        const std::string what = std::string("skipping ") + (forward ? "forward" : "back") +
                                 " from changed record " + std::to_string(here) + " in order " +
                                 std::to_string(order_) + " ";
        ASSERT_EQ(t_->recNo(), on ? on->recno : t_->recordCount() + 1) << what << context();
        ASSERT_EQ(t_->eof(), !on) << what << context();
        if (forward || !neighbour || variant_.bofClearedByMovingBack) {
            ASSERT_EQ(t_->bof(), !forward && !neighbour) << what << context();
        }
    }

    // ---- The model's answers ----------------------------------------------------------------

    const TagModel* tag() const {
        return order_ == 0 ? nullptr : orderTags_[static_cast<std::size_t>(order_ - 1)];
    }
    int randomOrder() {
        return static_cast<int>(pick(static_cast<std::uint32_t>(orderTags_.size()) + 1));
    }

    bool visible(const Person& p) const { return !(engine_.settings.hideDeleted && p.deleted); }

    // The entries the order visits, in order (natural order: empty keys by record number).
    // Kept until the model or the deletion setting changes.
    const std::vector<Entry>& sequence(const TagModel* tag, const Scope& scope, bool onlyVisible) {
        const auto id = std::make_tuple(version_, tag, scope.low, scope.high,
                                        onlyVisible && engine_.settings.hideDeleted);
        if (cachedId_ != id) {
            cached_ = computeSequence(tag, scope, onlyVisible);
            cachedId_ = id;
        }
        return cached_;
    }

    std::vector<Entry> computeSequence(const TagModel* tag, const Scope& scope,
                                       bool onlyVisible) const {
        std::vector<Entry> out;
        for (std::uint32_t r = 1; r <= rows_.size(); ++r) {
            const Person& p = rows_[r - 1];
            if (onlyVisible && !visible(p)) continue;
            if (tag && tag->includes && !tag->includes(p)) continue;
            Entry e{tag ? tag->keyOf(p) : std::string(), r};
            if (scope.holds(e.key)) out.push_back(std::move(e));
        }
        std::sort(out.begin(), out.end(), entryLess);
        return out;
    }

    static std::vector<std::uint32_t> recnos(const std::vector<Entry>& seq) {
        std::vector<std::uint32_t> out;
        for (const Entry& e : seq) out.push_back(e.recno);
        return out;
    }

    static Position afterSkip(const std::vector<Entry>& seq, Position pos, long n) {
        for (; n > 0; --n) {
            if (pos.index == seq.size()) return pos;
            pos.bof = false;
            ++pos.index;
        }
        for (; n < 0; ++n) {
            if (pos.index == seq.size() && !seq.empty()) {
                pos.index = seq.size() - 1;
            } else if (pos.index == 0 || seq.empty()) {
                return Position{0, true};  // on the first visible record, or at the end of nothing
            } else {
                --pos.index;
            }
        }
        return pos;
    }

    void expectAt(const std::vector<Entry>& seq, const Position& pos, const std::string& what) {
        const bool end = pos.index >= seq.size();
        const std::uint32_t want = end ? t_->recordCount() + 1 : seq[pos.index].recno;
        ASSERT_EQ(t_->recNo(), want) << what << " in order " << order_ << " " << context();
        ASSERT_EQ(t_->eof(), end) << what << " in order " << order_ << " " << context();
        ASSERT_EQ(t_->bof(), pos.bof) << what << " in order " << order_ << " " << context();
    }

    // ---- Seeks and scopes -------------------------------------------------------------------

    // A seek value for the current order: present keys and prefixes of them, absent ones,
    // texts longer than the key, in the forms the order takes.
    struct SeekValue {
        std::string text;  // what seek() is given (empty for the typed forms)
        std::string key;   // the encoded key the model looks for
        int typed = 0;     // 0 text; 1 seekNumber, 2 seekDate, 3 seekLogical
        double number = 0;
        JulianDay date = 0;
        bool logical = false;
    };

    SeekValue randomSeekValue(bool textOnly) {
        const TagModel& tm = *tag();
        const Person& model =
            rows_.empty() ? Person{} : rows_[pick(static_cast<std::uint32_t>(rows_.size()))];
        SeekValue v;
        switch (tm.type) {
            case KeyType::Character: {
                std::string full = tm.keyText(model);
                full.resize(tm.keyLength, ' ');
                std::size_t len = 0;
                switch (pick(5)) {
                    case 0:
                        len = 1;
                        break;
                    case 1:
                        len = full.size();
                        break;
                    case 2:
                        len = std::string_view(full).find_last_not_of(' ') + 1;
                        break;
                    default:
                        len = pick(static_cast<std::uint32_t>(full.size()) + 1);
                }
                v.text = full.substr(0, len);
                switch (pick(6)) {
                    case 0:
                        v.text += "QQQ";
                        break;  // absent, or longer than the key
                    case 1:
                        if (!v.text.empty()) v.text.back() = static_cast<char>(v.text.back() + 1);
                        break;
                    case 2:
                        for (char& c : v.text)
                            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
                        break;
                    default:
                        break;
                }
                v.key = engine_.settings.exact
                            ? encodeCharacterKey(v.text, tm.keyLength)
                            : v.text.substr(0, std::min(v.text.size(), tm.keyLength));
                return v;
            }
            case KeyType::Numeric: {
                int tenths = chance(60) ? (model.ageTenths ? *model.ageTenths : 0)
                                        : static_cast<int>(pick(2001)) - 1000;
                if (chance(20)) tenths += 1;
                v.number = tenths / 10.0;
                v.key = encodeNumericKey(v.number);
                if (textOnly || chance(50)) {
                    char buf[32];
                    std::snprintf(buf, sizeof buf, "%.1f", v.number);
                    v.text = buf;
                } else {
                    v.typed = 1;
                }
                return v;
            }
            case KeyType::Date: {
                v.date = chance(60) ? model.born : randomDate();
                v.key = encodeDateKey(v.date);
                if (v.date != 0 && (textOnly || chance(50)))
                    v.text = toDtos(v.date);
                else
                    v.typed = 2;
                if (textOnly && v.date == 0) {  // the empty date has no text form
                    v.date = julianDay(1990, 1, 5);
                    v.key = encodeDateKey(v.date);
                    v.text = toDtos(v.date);
                    v.typed = 0;
                }
                return v;
            }
            case KeyType::Logical:
                v.logical = chance(50);
                v.key = encodeLogicalKey(v.logical);
                if (textOnly || chance(50))
                    v.text = v.logical ? (chance(50) ? "T" : "t") : (chance(50) ? "F" : "f");
                else
                    v.typed = 3;
                return v;
        }
        return v;
    }

    void randomSeek(Position* pos) {
        engine_.settings.exact = chance(50);
        engine_.settings.softSeek = chance(50);
        const SeekValue v = randomSeekValue(false);
        bool found = false;
        switch (v.typed) {
            case 1:
                found = t_->seekNumber(v.number);
                break;
            case 2:
                found = t_->seekDate(v.date);
                break;
            case 3:
                found = t_->seekLogical(v.logical);
                break;
            default:
                found = t_->seek(v.text);
                break;
        }
        const std::vector<Entry>& seq = sequence(tag(), scope_, true);
        auto it = std::find_if(seq.begin(), seq.end(), [&](const Entry& e) {
            return e.key.compare(0, v.key.size(), v.key) >= 0;
        });
        const bool wantFound = it != seq.end() && it->key.compare(0, v.key.size(), v.key) == 0;
        Position want{static_cast<std::size_t>(it - seq.begin()), false};
        if (!wantFound && !engine_.settings.softSeek) want.index = seq.size();
        const std::string what = "seek " + (v.typed ? "typed " + showKey(v.key) : showKey(v.text)) +
                                 " exact " + (engine_.settings.exact ? "on" : "off") + " soft " +
                                 (engine_.settings.softSeek ? "on" : "off") + " scope " +
                                 showKey(scope_.low) + ".." + showKey(scope_.high);
        ASSERT_EQ(found, wantFound) << what << " in order " << order_ << " " << context();
        ASSERT_EQ(t_->found(), wantFound) << what;
        ASSERT_NO_FATAL_FAILURE(expectAt(seq, want, what));
        if (pos) *pos = want;
        engine_.settings.exact = false;
        engine_.settings.softSeek = false;
    }

    void randomScope() {
        engine_.settings.exact = chance(30);
        SeekValue low = randomSeekValue(true), high = randomSeekValue(true);
        if (chance(25))
            low = SeekValue{};
        else if (chance(25))
            high = SeekValue{};
        if (low.text.empty() && high.text.empty()) high = randomSeekValue(true);
        // Ends given as empty texts leave that side open, whatever exact says.
        scope_.low = low.text.empty() ? std::string() : low.key;
        scope_.high = high.text.empty() ? std::string() : high.key;
        t_->setScope(low.text, high.text);
        engine_.settings.exact = false;
        note("scope " + showKey(low.text) + ".." + showKey(high.text));
    }

    // ---- Whole checks -----------------------------------------------------------------------

    void setOrder(int n) {
        t_->setOrder(n);
        order_ = n;
        scope_ = Scope{};
    }

    // The records from goTop to the end (a few past the model's count at most, should the table
    // loop).
    std::vector<std::uint32_t> walkForward(Table& table) const {
        std::vector<std::uint32_t> seen;
        for (table.goTop(); !table.eof() && seen.size() <= rows_.size(); table.skip())
            seen.push_back(table.recNo());
        return seen;
    }

    void checkOrder(Table& table, const std::string& who) {
        const std::vector<std::uint32_t> want = recnos(sequence(tag(), scope_, true));
        const std::string where = who + " order " + std::to_string(order_) +
                                  (tag() ? std::string(" ") + tag()->name : "") + " scope " +
                                  showKey(scope_.low) + ".." + showKey(scope_.high) + ": ";
        ASSERT_EQ(describe(want, walkForward(table)), "") << where << "walk forward; " << context();
        std::vector<std::uint32_t> backward;
        for (table.goBottom(); !table.eof() && !table.bof() && backward.size() <= rows_.size();
             table.skip(-1))
            backward.push_back(table.recNo());
        std::reverse(backward.begin(), backward.end());
        ASSERT_EQ(describe(want, backward), "") << where << "walk backward; " << context();
        const bool conditional =
            tag() && tag()->includes && scope_.low.empty() && scope_.high.empty();
        if (!conditional || variant_.countConditionalOrders) {
            ASSERT_EQ(table.visibleCount(), want.size()) << where << "visibleCount; " << context();
        }
    }

    void checkAll() {
        note("check");
        for (int n = 0; n <= static_cast<int>(orderTags_.size()); ++n) {
            setOrder(n);
            ASSERT_NO_FATAL_FAILURE(checkOrder(*t_, "table"));
            if (n == 0) continue;
            for (int i = 0; i < 8; ++i) ASSERT_NO_FATAL_FAILURE(randomSeek(nullptr));
            ASSERT_NO_FATAL_FAILURE(randomScope());
            ASSERT_NO_FATAL_FAILURE(checkOrder(*t_, "table"));
            for (int i = 0; i < 4; ++i) ASSERT_NO_FATAL_FAILURE(randomSeek(nullptr));
        }
        if (mode_ == OpenMode::Shared) {
            // What a shared open wrote is on disk: another open of the file reads the same.
            std::unique_ptr<Table> fresh =
                reader_ ? nullptr : engine_.open(path_, OpenMode::Shared);
            Table& reader = reader_ ? *reader_ : *fresh;
            for (int n = 0; n <= static_cast<int>(orderTags_.size()); ++n) {
                reader.setOrder(n);
                order_ = n;
                scope_ = Scope{};
                ASSERT_NO_FATAL_FAILURE(checkOrder(reader, "second open"));
            }
        }
        setOrder(randomOrder());
    }

    void reopen(OpenMode m) {
        t_->close();
        t_ = engine_.open(path_, m);
        mode_ = m;
        ASSERT_EQ(t_->recordCount(), rows_.size());
        ASSERT_NO_FATAL_FAILURE(expectTagNames());
        setOrder(randomOrder());
    }

    Variant variant_;
    std::mt19937 rng_;
    OpenMode mode_;
    TempDir dir_;
    std::string path_ = dir_.file("PEOPLE.DBF");
    Engine engine_;
    std::unique_ptr<Table> t_;
    std::unique_ptr<Table> reader_;
    std::vector<Person> rows_;  // record n is rows_[n - 1]; changes of it bump version_
    std::uint64_t version_ = 0;
    std::tuple<std::uint64_t, const TagModel*, std::string, std::string, bool> cachedId_{
        ~0ull, nullptr, "", "", false};
    std::vector<Entry> cached_;
    std::vector<const TagModel*> orderTags_;  // the tag of order n is orderTags_[n - 1]
    int order_ = 0;
    Scope scope_;
    int step_ = -1;  // -1 while the table is set up
    std::deque<std::string> recent_;
};

}  // namespace

static std::string variantName(const ::testing::TestParamInfo<Variant>& info) {
    return info.param.label;
}

class ModelRuns : public ::testing::TestWithParam<Variant> {};

TEST_P(ModelRuns, WalksCountsSeeksScopesAndSkipsMatchTheModel) {
    IndexModelRun run(GetParam());
    ASSERT_NO_FATAL_FAILURE(run.run());
}

INSTANTIATE_TEST_SUITE_P(
    IndexModel, ModelRuns,
    ::testing::Values(
        Variant{1, OpenMode::Exclusive, 2500, true, false, false, false, "Exclusive1"},
        Variant{2, OpenMode::Exclusive, 2500, true, false, false, false, "Exclusive2"},
        Variant{3, OpenMode::Exclusive, 2500, true, false, false, false, "Exclusive3"},
        Variant{11, OpenMode::Shared, 2000, true, false, false, false, "Shared11"},
        Variant{12, OpenMode::Shared, 2000, true, false, false, false, "Shared12"},
        Variant{4, OpenMode::Exclusive, 2500, true, true, false, true, "AllChecks"},
        Variant{13, OpenMode::Shared, 2000, false, false, true, false, "LongLivedReader"}),
    variantName);

// visibleCount() says how many records navigation visits; in an order whose tag has a FOR
// condition, or is unique, navigation visits only the records the tag lists.
TEST(IndexOrders, CountInAnOrderOfSomeRecordsCountsThoseRecords) {
    TempDir dir;
    Engine engine;
    const std::string path = dir.file("P.DBF");
    engine.create(path, {{"NAME", 'C', 10, 0}, {"AGE", 'N', 3, 0}});
    auto t = engine.open(path, OpenMode::Exclusive);
    appendNames(*t, {"A", "A", "B"});  // ages 1, 2, 3
    t->createTag("OLD", "NAME", "AGE > 1");
    t->createTag("ONCE", "NAME", "", true);
    t->setOrder("OLD");
    ASSERT_EQ(walk(*t), (std::vector<std::uint32_t>{2, 3}));
    EXPECT_EQ(t->visibleCount(), 2u);
    t->setOrder("ONCE");
    ASSERT_EQ(walk(*t), (std::vector<std::uint32_t>{1, 3}));
    EXPECT_EQ(t->visibleCount(), 2u);
    t->setFilter("NAME = \"A\"");
    ASSERT_EQ(walk(*t), (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(t->visibleCount(), 1u);
}

// Two shared opens of one table: keys that one adds must reach the other's orders, also after
// the other has read (and keeps) the pages that the additions change, and seeks must find the
// records they list and stand after the last record when they find none.
TEST(IndexOrders, ASecondSharedOpenSeesNewKeys) {
    TempDir dir;
    Engine engine;
    const std::string path = dir.file("P.DBF");
    engine.create(path, {{"NAME", 'C', 20, 0}});
    engine.open(path, OpenMode::Exclusive)->createTag("NAME", "NAME");
    auto writer = engine.open(path, OpenMode::Shared);
    auto reader = engine.open(path, OpenMode::Shared);
    reader->setOrder("NAME");
    // Each name sorts before the ones appended earlier: the order runs from the last record
    // to the first. Enough of them that the tag's tree grows a level.
    std::vector<std::uint32_t> want;
    for (std::uint32_t r = 1; r <= 300; ++r) {
        writer->appendBlank();
        writer->setText("NAME", 'N' + std::to_string(2000 - r));
        writer->post();
        want.insert(want.begin(), r);
        if (r % 100 == 50) {
            EXPECT_FALSE(reader->seek("O"));
            EXPECT_EQ(reader->recNo(), r + 1);
        }
        if (r % 100 == 0) {
            EXPECT_TRUE(reader->seek("N" + std::to_string(2000 - r)));
            EXPECT_EQ(reader->recNo(), r);
            std::vector<std::uint32_t> seen;
            ASSERT_NO_THROW(seen = walk(*reader));
            EXPECT_EQ(seen, want);
        }
    }
}

// BOF() is true only while a move back has found no record before the current one. Standing at
// bof on the first record, after the records before it change, a skip back that reaches one
// must clear it: here a hidden deleted record comes back into view.
TEST(IndexOrders, ASkipBackThatMovesClearsBof) {
    TempDir dir;
    Engine engine;
    const std::string path = dir.file("P.DBF");
    engine.create(path, {{"NAME", 'C', 10, 0}, {"AGE", 'N', 3, 0}});
    auto t = engine.open(path, OpenMode::Exclusive);
    appendNames(*t, {"B", "C"});
    t->createTag("NAME", "NAME");
    for (int order : {0, 1}) {
        t->setOrder(order);
        t->go(1);
        t->deleteRecord();
        engine.settings.hideDeleted = true;
        t->goTop();
        t->skip(-1);
        ASSERT_TRUE(t->bof());
        ASSERT_EQ(t->recNo(), 2u);
        engine.settings.hideDeleted = false;
        t->skip(-1);
        EXPECT_EQ(t->recNo(), 1u) << "order " << order;
        EXPECT_FALSE(t->bof()) << "order " << order;
        t->recall();
    }
}

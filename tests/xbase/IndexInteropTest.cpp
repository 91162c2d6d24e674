// The structural index of tables we build, read back by an independent reader (Perl's
// XBase::Index through the shared cdx-keys.pl): every tag's record numbers in the order a model
// gives, and the keys of character and numeric tags. Tags built from filled tables, tags kept
// up to date through thousands of appends, changes, deletions, recalls and a pack, and record
// numbers past 65,535.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "support/SharedFolder.h"
#include "support/TempDir.h"
#include "xbase/DateUtil.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/IndexKey.h"

using namespace xbase;

namespace {

const char* const kPerl = "/usr/bin/perl";

std::string cdxKeysScript() {
    return rp::test::sharedFolder() + "/tools/cdx-keys.pl";
}

struct Person {
    std::string name, city;  // as stored, padded to the field widths
    int ageTenths = 0;
    JulianDay born = 0;
    bool deleted = false;
};

constexpr std::size_t kNameWidth = 20;
constexpr std::size_t kCityWidth = 12;

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string trimmed(const std::string& s) {
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

std::string perlNumber(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", v);
    return text;
}

// A tag, its key as the model computes it, and how the other reader shows that key (nullopt:
// it cannot decode keys of this type, so only record numbers are compared).
struct TagModel {
    const char* name;
    const char* key;
    const char* condition;
    char perlType;  // 'C' or 'N'
    std::string (*keyOf)(const Person&);
    std::optional<std::string> (*shown)(const Person&);
    bool (*includes)(const Person&);
};

const std::vector<TagModel>& tagModels() {
    static const std::vector<TagModel> tags = {
        {"NAME", "UPPER(NAME)", "", 'C', [](const Person& p) { return upper(p.name); },
         [](const Person& p) -> std::optional<std::string> { return trimmed(upper(p.name)); },
         nullptr},
        {"CITYNAME", "UPPER(CITY)+UPPER(NAME)", "", 'C',
         [](const Person& p) { return upper(p.city + p.name); },
         [](const Person& p) -> std::optional<std::string> {
             return trimmed(upper(p.city + p.name));
         },
         nullptr},
        {"AGE", "AGE", "", 'N',
         [](const Person& p) { return encodeNumericKey(p.ageTenths / 10.0); },
         [](const Person& p) -> std::optional<std::string> {
             return perlNumber(p.ageTenths / 10.0);
         },
         nullptr},
        {"BORNTEXT", "DTOS(BORN)", "", 'C', [](const Person& p) { return toDtos(p.born); },
         [](const Person& p) -> std::optional<std::string> { return trimmed(toDtos(p.born)); },
         nullptr},
        {"BORN", "BORN", "", 'N', [](const Person& p) { return encodeDateKey(p.born); },
         [](const Person&) -> std::optional<std::string> { return std::nullopt; }, nullptr},
        {"DEL", "DELETED()", "", 'C', [](const Person& p) { return encodeLogicalKey(p.deleted); },
         [](const Person&) -> std::optional<std::string> { return std::nullopt; }, nullptr},
        {"SENIOR", "UPPER(NAME)", "AGE > 50", 'C', [](const Person& p) { return upper(p.name); },
         [](const Person& p) -> std::optional<std::string> { return trimmed(upper(p.name)); },
         [](const Person& p) { return p.ageTenths > 500; }},
    };
    return tags;
}

class IndexInterop : public ::testing::Test {
  protected:
    void SetUp() override {
        SKIP_WITHOUT_SHARED_FOLDER();
        if (::access(kPerl, X_OK) != 0 ||
            runProcess(kPerl, {"-MXBase::Index", "-e", "1"}, dir.path()).status != 0)
            GTEST_SKIP() << "Perl's XBase module is missing";
    }

    // What the other reader prints for a tag: one "key<TAB>record" line per entry; with an
    // empty tag name, the tag names.
    std::vector<std::string> perlLines(const std::string& cdx, const std::string& tag, char type) {
        std::vector<std::string> args{cdxKeysScript(), cdx};
        if (!tag.empty()) args.insert(args.end(), {tag, std::string(1, type)});
        ProcessResult r = runProcess(kPerl, args, dir.path());
        EXPECT_EQ(r.status, 0) << r.err;
        std::vector<std::string> lines;
        std::istringstream in(r.out);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    static std::string firstDifference(const std::vector<std::string>& want,
                                       const std::vector<std::string>& got) {
        std::size_t i = 0;
        while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
        if (i == want.size() && i == got.size()) return "";
        return "lengths " + std::to_string(want.size()) + " and " + std::to_string(got.size()) +
               "; at " + std::to_string(i) + " want \"" + (i < want.size() ? want[i] : "(end)") +
               "\", got \"" + (i < got.size() ? got[i] : "(end)") + "\"";
    }

    // Every tag as the other reader sees it against the model.
    void expectReaderAgrees(const std::vector<Person>& rows, const std::string& cdx,
                            const std::string& when) {
        std::vector<std::string> names;
        for (const TagModel& tag : tagModels()) names.push_back(tag.name);
        std::vector<std::string> listed = perlLines(cdx, "", 'C');
        std::sort(listed.begin(), listed.end());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(listed, names) << when;
        for (const TagModel& tag : tagModels()) {
            std::vector<std::pair<std::string, std::uint32_t>> entries;
            for (std::uint32_t r = 1; r <= rows.size(); ++r)
                if (!tag.includes || tag.includes(rows[r - 1]))
                    entries.emplace_back(tag.keyOf(rows[r - 1]), r);
            std::sort(entries.begin(), entries.end());
            std::vector<std::string> want;
            const bool keysShown = tag.shown(Person{}).has_value();
            for (const auto& [key, r] : entries)
                want.push_back((keysShown ? *tag.shown(rows[r - 1]) : std::string()) + "\t" +
                               std::to_string(r));
            std::vector<std::string> got = perlLines(cdx, tag.name, tag.perlType);
            if (!keysShown) {
                // Keys it cannot decode: the record numbers only.
                for (std::string& line : got) line = line.substr(line.rfind('\t'));
            }
            EXPECT_EQ(firstDifference(want, got), "") << "tag " << tag.name << " " << when;
        }
    }

    static void expectSeveralLevels(const std::string& cdxPath) {
        CdxFile cdx = CdxFile::open(cdxPath, false);
        for (std::size_t i = 0; i < cdx.tagCount(); ++i) {
            const IndexTag& tag = cdx.tag(i);
            if (tag.name() == "DEL") continue;  // one byte keys: thousands fit few leaves
            EXPECT_FALSE(tag.readNode(tag.root()).leaf)
                << "tag " << tag.name() << " has a single level";
        }
    }

    // ---- The table --------------------------------------------------------------------------

    void create() {
        engine.create(path, {{"NAME", 'C', static_cast<int>(kNameWidth), 0},
                             {"CITY", 'C', static_cast<int>(kCityWidth), 0},
                             {"AGE", 'N', 6, 1},
                             {"BORN", 'D', 0, 0}});
        t = engine.open(path, OpenMode::Exclusive);
    }

    void createTags() {
        for (const TagModel& tag : tagModels()) t->createTag(tag.name, tag.key, tag.condition);
    }

    Person randomPerson() {
        static const char* const stems[] = {
            "Smith",  "smith",     "SMYTHE",   "Lee", "Leeds", "van der Berg",
            "O'Neil", "M\xFCller", "\xC9lise", "",    "Zz",    "a"};
        static const char* const cities[] = {"London",   "Paris",     "",
                                             "New York", "\xD6rebro", "Oslo"};
        Person p;
        std::string name = stems[rng() % std::size(stems)];
        if (rng() % 3 != 0) name += ' ' + std::to_string(rng() % 2000);
        p.name = encodeCharacterKey(name, kNameWidth);
        p.city = encodeCharacterKey(cities[rng() % std::size(cities)], kCityWidth);
        p.ageTenths = static_cast<int>(rng() % 20000) - 9999;
        p.born = rng() % 5 == 0 ? 0 : julianDay(1920, 1, 1) + static_cast<JulianDay>(rng() % 30000);
        return p;
    }

    void write(const Person& p) {
        t->setText("NAME", p.name);
        t->setText("CITY", p.city);
        t->setNumber("AGE", p.ageTenths / 10.0);
        t->setDate("BORN", p.born);
    }

    void append(int n) {
        for (int i = 0; i < n; ++i) {
            rows.push_back(randomPerson());
            t->appendBlank();
            write(rows.back());
            t->post();
        }
    }

    TempDir dir;
    std::string path = dir.file("PEOPLE.DBF");
    Engine engine;
    std::unique_ptr<Table> t;
    std::vector<Person> rows;
    std::mt19937 rng{20240};
};

}  // namespace

TEST_F(IndexInterop, TagsBuiltFromAFilledTableReadTheSame) {
    create();
    append(5000);
    for (std::uint32_t r = 7; r <= rows.size(); r += 7) {
        t->go(r);
        t->deleteRecord();
        rows[r - 1].deleted = true;
    }
    createTags();
    const std::string cdx = t->structuralIndexPath();
    t->close();
    expectSeveralLevels(cdx);
    expectReaderAgrees(rows, cdx, "after building the tags");
}

TEST_F(IndexInterop, TagsKeptUpToDateReadTheSame) {
    create();
    createTags();
    append(2000);  // every key inserted one by one
    // Changes of keys, deletions and recalls through the table.
    for (int i = 0; i < 1500; ++i) {
        const std::uint32_t r = static_cast<std::uint32_t>(rng() % rows.size()) + 1;
        t->go(r);
        switch (rng() % 4) {
            case 0:
                t->deleteRecord();
                rows[r - 1].deleted = true;
                break;
            case 1:
                t->recall();
                rows[r - 1].deleted = false;
                break;
            default: {
                Person p = randomPerson();
                p.deleted = rows[r - 1].deleted;
                write(p);
                t->post();
                rows[r - 1] = p;
            }
        }
    }
    append(300);
    const std::string cdx = t->structuralIndexPath();
    t->commit();
    expectSeveralLevels(cdx);
    expectReaderAgrees(rows, cdx, "after changes");
    t->pack();
    std::erase_if(rows, [](const Person& p) { return p.deleted; });
    t->close();
    expectReaderAgrees(rows, cdx, "after the pack");
}

// Leaves store record numbers in as few bits as the largest one needs: more than 16 here.
TEST_F(IndexInterop, RecordNumbersPast65535) {
    engine.create(path, {{"CODE", 'C', 6, 0}, {"N", 'N', 7, 0}});
    t = engine.open(path, OpenMode::Exclusive);
    auto code = [](std::uint32_t v) {
        char text[8];
        std::snprintf(text, sizeof text, "%06u", v * 7919u % 1000000u);
        return std::string(text);
    };
    auto number = [](std::uint32_t v) {
        return static_cast<double>(v * 104729u % 100000u) - 50000;
    };
    std::vector<std::uint32_t> ids;  // record r holds code(ids[r-1]) and number(ids[r-1])
    auto add = [&](std::uint32_t count) {
        for (std::uint32_t i = 0; i < count; ++i) {
            const auto v = static_cast<std::uint32_t>(ids.size()) + 1;
            ids.push_back(v);
            t->appendBlank();
            t->setText("CODE", code(v));
            t->setNumber("N", number(v));
            t->post();
        }
    };
    add(69000);
    t->createTag("CODE", "CODE");
    t->createTag("N", "N");
    add(1500);                                            // inserted one by one, past 65,535
    for (std::uint32_t r = 66000; r <= 70500; r += 97) {  // changed in place
        t->go(r);
        ids[r - 1] += 3000000;
        t->setText("CODE", code(ids[r - 1]));
        t->setNumber("N", number(ids[r - 1]));
        t->post();
    }
    const std::string cdx = t->structuralIndexPath();
    t->close();

    std::vector<std::pair<std::string, std::uint32_t>> codes;
    std::vector<std::pair<double, std::uint32_t>> numbers;
    for (std::uint32_t r = 1; r <= ids.size(); ++r) {
        codes.emplace_back(code(ids[r - 1]), r);
        numbers.emplace_back(number(ids[r - 1]), r);
    }
    std::sort(codes.begin(), codes.end());
    std::sort(numbers.begin(), numbers.end());
    std::vector<std::string> wantCodes, wantNumbers;
    for (const auto& [k, r] : codes) wantCodes.push_back(k + "\t" + std::to_string(r));
    for (const auto& [k, r] : numbers)
        wantNumbers.push_back(perlNumber(k) + "\t" + std::to_string(r));
    EXPECT_EQ(firstDifference(wantCodes, perlLines(cdx, "CODE", 'C')), "");
    EXPECT_EQ(firstDifference(wantNumbers, perlLines(cdx, "N", 'N')), "");
}

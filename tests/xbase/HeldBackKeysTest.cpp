// Keys of records appended during an exclusive run are held back and put into the trees
// together: every read in between sees them, a commit writes them, and the trees come out
// whole and in order however the new keys fall among the old ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <tuple>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/internal/CdxFile.h"

using namespace xbase;

namespace {

// Names spread over the whole key range, repeating now and then.
std::string randomName(std::mt19937& random) {
    std::string name;
    for (int i = 0; i < 6; ++i) name += static_cast<char>('A' + random() % 6);
    return name;
}

struct Expected {
    std::string name;
    int age;
    std::uint32_t recno;
};

void append(Table& t, std::vector<Expected>& expected, const std::string& name, int age) {
    t.appendBlank();
    t.setText("NAME", name);
    t.setNumber("AGE", age);
    t.post();
    expected.push_back({name, age, t.recNo()});
}

// The record numbers the order should walk: by key, then record number.
template <class Key>
std::vector<std::uint32_t> orderedBy(std::vector<Expected> rows, Key key, bool (*keep)(int)) {
    std::erase_if(rows, [&](const Expected& r) { return !keep(r.age); });
    std::sort(rows.begin(), rows.end(), [&](const Expected& a, const Expected& b) {
        return std::tie(key(a), a.recno) < std::tie(key(b), b.recno);
    });
    std::vector<std::uint32_t> recnos;
    for (const Expected& r : rows) recnos.push_back(r.recno);
    return recnos;
}

bool any(int) {
    return true;
}
bool over250(int age) {
    return age > 250;
}

TEST(HeldBackKeys, ManyAppendsAmongOldKeysLeaveWholeOrderedTreesThatSeeksFindOnTheWay) {
    TempDir dir;
    TempDir copyDir;
    const std::string path = dir.file("P.DBF");
    Engine engine;
    engine.create(path, peopleFields());
    std::mt19937 random(7);
    std::vector<Expected> expected;
    auto t = engine.open(path, OpenMode::Exclusive);
    t->createTag("NAME", "NAME");
    t->createTag("AGE", "AGE");
    t->createTag("OLD", "NAME", "AGE > 250");
    t->createTag("ONEAGE", "AGE", {}, true);
    for (int i = 0; i < 3000; ++i) append(*t, expected, randomName(random), i % 500);
    t->commit();

    // More appends than are held back at once, with seeks for the newest name on the way.
    t->setOrder("NAME");
    for (int i = 0; i < 40000; ++i) {
        append(*t, expected, randomName(random), static_cast<int>(random() % 600));
        if (i % 997 == 0) {
            const Expected& newest = expected.back();
            ASSERT_TRUE(t->seek(newest.name)) << newest.name;
            while (t->recNo() != newest.recno && t->text("NAME") == newest.name) t->skip();
            ASSERT_EQ(t->recNo(), newest.recno) << newest.name;
        }
    }
    t->commit();
    namespace fs = std::filesystem;
    for (const char* name : {"P.DBF", "P.FPT", "P.CDX"})
        fs::copy_file(dir.file(name), copyDir.file(name));
    t->close();

    const std::string copy = copyDir.file("P.DBF");
    {
        CdxFile cdx = CdxFile::open(copyDir.file("P.CDX"), false);
        for (std::size_t i = 0; i < cdx.tagCount(); ++i) {
            IndexTag& tag = cdx.tag(i);
            if (tag.keyExpression() == "AGE") tag.setKeyType(KeyType::Numeric);
            EXPECT_NO_THROW(tag.verify()) << tag.name();
        }
    }
    auto c = engine.open(copy, OpenMode::ReadOnly);
    EXPECT_FALSE(c->indexRebuiltAtOpen());
    auto byName = [](const Expected& r) -> const std::string& { return r.name; };
    auto byAge = [](const Expected& r) -> const int& { return r.age; };
    c->setOrder("NAME");
    EXPECT_EQ(walk(*c), orderedBy(expected, byName, any));
    c->setOrder("AGE");
    EXPECT_EQ(walk(*c), orderedBy(expected, byAge, any));
    c->setOrder("OLD");
    EXPECT_EQ(walk(*c), orderedBy(expected, byName, over250));
    // The unique tag keeps the first record of each age: 600 ages, 0 to 599.
    c->setOrder("ONEAGE");
    const std::vector<std::uint32_t> firsts = walk(*c);
    ASSERT_EQ(firsts.size(), 600u);
    c->go(firsts.back());
    EXPECT_EQ(c->number("AGE"), 599);
}

TEST(HeldBackKeys, AnAppendedRecordEditedInTheSameRunIsListedOnceUnderItsNewKey) {
    TempDir dir;
    const std::string path = dir.file("P.DBF");
    Engine engine;
    engine.create(path, peopleFields());
    auto t = engine.open(path, OpenMode::Exclusive);
    t->createTag("NAME", "NAME");
    std::vector<Expected> expected;
    append(*t, expected, "MIDDLE", 1);
    append(*t, expected, "LAST", 2);
    t->go(1);
    t->setText("NAME", "FIRST");
    t->post();
    t->commit();
    t->setOrder("NAME");
    std::vector<std::string> names;
    for (t->goTop(); !t->eof(); t->skip()) names.push_back(t->text("NAME"));
    EXPECT_EQ(names, (std::vector<std::string>{"FIRST", "LAST"}));
}

}  // namespace

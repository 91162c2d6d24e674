// Tag builds on large tables, where a second thread forms the keys of the later records: the
// tags list the same entries, in the same order, as tags whose keys one thread formed (a key
// that reads a memo field is formed by the table's own thread from where the memo is needed).
#include <gtest/gtest.h>

#include <filesystem>

#include "TableTestSupport.h"
#include "support/TempDir.h"

using namespace xbase;

namespace {

constexpr int kRecords = 60000;

class TagBuildThreads : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.create(path, peopleFields());
        table = engine.open(path, OpenMode::Exclusive);
        for (int i = 1; i <= kRecords; ++i) {
            table->appendBlank();
            // Many repeats, in no order: ties are put in record order.
            table->setText("NAME", (i % 3 ? "name" : "NAME") + std::to_string(i * 7919 % 1000));
            table->setNumber("AGE", i % 977);
            if (i % 5000 == 0) table->deleteRecord();
            table->post();
        }
        table->commit();
    }

    // The records in the order of a tag, top to bottom.
    std::vector<std::uint32_t> inOrder(const std::string& tag) {
        table->setOrder(tag);
        return walk(*table);
    }

    TempDir dir;
    std::string path = dir.file("P.DBF");
    Engine engine;
    std::unique_ptr<Table> table;
};

TEST_F(TagBuildThreads, KeysFormedByTwoThreadsMatchThoseOfOne) {
    table->createTag("TWO", "UPPER(NAME)");
    // Reading the memo on every record leaves all the keys to the table's thread.
    table->createTag("ONE", "IIF(EMPTY(NOTE), UPPER(NAME), UPPER(NAME))");
    const std::vector<std::uint32_t> two = inOrder("TWO");
    ASSERT_EQ(two.size(), static_cast<std::size_t>(kRecords));
    EXPECT_EQ(two, inOrder("ONE"));
}

TEST_F(TagBuildThreads, ConditionsNumbersAndAThreadStoppedHalfWay) {
    table->createTag("AGE", "AGE", "AGE > 300");
    table->createTag("AGEONE", "IIF(EMPTY(NOTE), AGE, AGE)", "AGE > 300");
    // From record 45,001 on the key needs the memo: the second thread, which starts half way,
    // stops there and the table's thread forms the rest.
    table->createTag("LATE", "IIF(RECNO() > 45000 .AND. EMPTY(NOTE), DELETED(), DELETED())");
    table->createTag("DEL", "DELETED()");
    const std::vector<std::uint32_t> age = inOrder("AGE");
    EXPECT_EQ(age, inOrder("AGEONE"));
    std::size_t over = 0;
    for (int i = 1; i <= kRecords; ++i) over += i % 977 > 300 ? 1 : 0;
    EXPECT_EQ(age.size(), over);
    const std::vector<std::uint32_t> late = inOrder("LATE");
    EXPECT_EQ(late, inOrder("DEL"));
    ASSERT_EQ(late.size(), static_cast<std::size_t>(kRecords));
    EXPECT_EQ(late.back(), 60000u);  // the deleted ones last, by record number
    EXPECT_EQ(late[late.size() - 12], 5000u);
}

TEST_F(TagBuildThreads, TheSameRecordsGiveTheSameIndexFile) {
    table->createTag("NAME", "UPPER(NAME)");
    table->createTag("AGE", "AGE", "AGE > 10");
    table->close();
    const std::string first = readBytes(dir.file("P.CDX"));
    ASSERT_GT(first.size(), 100000u);
    TempDir other;
    const std::string copy = other.file("P.DBF");
    std::filesystem::copy_file(path, copy);
    std::filesystem::copy_file(dir.file("P.FPT"), other.file("P.FPT"));
    {
        // The same records and tags built afresh in another folder.
        auto t = engine.open(copy, OpenMode::Exclusive);
        ASSERT_EQ(t->orderCount(), 0);
        t->createTag("NAME", "UPPER(NAME)");
        t->createTag("AGE", "AGE", "AGE > 10");
    }
    EXPECT_EQ(readBytes(other.file("P.CDX")), first);
}

}  // namespace

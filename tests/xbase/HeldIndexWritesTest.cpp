// An exclusive open's index pages written once per run of changes: what is committed is in the
// index file before the table closes, what is not yet committed leaves the mark that has the
// next open rebuild, and reads during the run see the pages not yet written. Shared and
// read-only opens read headers and records through a mapping of the table and still see what
// other opens write.
#include <gtest/gtest.h>

#include <filesystem>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"

using namespace xbase;

namespace {

std::string nameOf(int i) {
    return "N" + std::to_string(100000 + i * 7919 % 90000);
}

class HeldIndexWrites : public ::testing::Test {
  protected:
    void SetUp() override { engine.create(path, peopleFields()); }

    // Appends names first .. first + n - 1 (nameOf), AGE the number modulo 500, with a post
    // each.
    static void appendRange(Table& t, int first, int n) {
        for (int i = first; i < first + n; ++i) {
            t.appendBlank();
            t.setText("NAME", nameOf(i));
            t.setNumber("AGE", i % 500);
            t.post();
        }
    }

    // The table's files copied as they are on disk now, as a killed program would leave them.
    std::string copyFiles() {
        namespace fs = std::filesystem;
        fs::create_directory(copyDir.path() + "/copy");
        for (const char* name : {"P.DBF", "P.FPT", "P.CDX"})
            fs::copy_file(dir.file(name), copyDir.path() + "/copy/" + name,
                          fs::copy_options::overwrite_existing);
        return copyDir.path() + "/copy/P.DBF";
    }

    // Whether every name 1 .. n seeks to its own record in the NAME order.
    static ::testing::AssertionResult everyNameFound(Table& t, int n) {
        t.setOrder("NAME");
        for (int i = 1; i <= n; ++i) {
            if (!t.seek(nameOf(i)))
                return ::testing::AssertionFailure() << nameOf(i) << " not found";
            if (t.recNo() != static_cast<std::uint32_t>(i))
                return ::testing::AssertionFailure()
                       << nameOf(i) << " found on record " << t.recNo();
        }
        return ::testing::AssertionSuccess();
    }

    TempDir dir;
    TempDir copyDir;
    std::string path = dir.file("P.DBF");
    Engine engine;
};

TEST_F(HeldIndexWrites, CommittedKeysAreInTheIndexFileWhileTheTableIsOpen) {
    auto t = engine.open(path, OpenMode::Exclusive);
    t->createTag("NAME", "NAME");
    t->createTag("AGE", "AGE");
    appendRange(*t, 1, 3000);
    t->commit();
    const std::string copy = copyFiles();
    EXPECT_EQ(readBytes(copy)[dbf::kIncompleteOffset], 0);  // the run ended with the pages written

    auto c = engine.open(copy, OpenMode::Exclusive);
    EXPECT_FALSE(c->indexRebuiltAtOpen());
    EXPECT_EQ(c->recordCount(), 3000u);
    EXPECT_TRUE(everyNameFound(*c, 3000));
    c->setOrder("AGE");
    ASSERT_TRUE(c->seekNumber(499));
    EXPECT_EQ(c->recNo(), 499u);
}

TEST_F(HeldIndexWrites, AnUncommittedRunLeavesTheMarkAndTheCopyIsRebuilt) {
    auto t = engine.open(path, OpenMode::Exclusive);
    t->createTag("NAME", "NAME");
    appendRange(*t, 1, 2000);
    t->commit();
    t->go(5);
    t->setText("NAME", "CHANGED");
    t->post();
    appendRange(*t, 2001, 500);
    const std::string copy = copyFiles();
    EXPECT_NE(readBytes(copy)[dbf::kIncompleteOffset], 0);

    auto c = engine.open(copy, OpenMode::Exclusive);
    EXPECT_TRUE(c->indexRebuiltAtOpen());
    EXPECT_EQ(readBytes(copy)[dbf::kIncompleteOffset], 0);
    // Whatever reached the table's file is listed under its key as the file has it.
    c->setOrder("NAME");
    for (std::uint32_t r = 1; r <= c->recordCount(); ++r) {
        c->go(r);
        const std::string name = c->text("NAME");
        ASSERT_TRUE(c->seek(name)) << name;
    }
    EXPECT_GE(c->recordCount(), 2000u);
}

TEST_F(HeldIndexWrites, ReadsDuringTheRunSeeThePagesNotYetWritten) {
    auto t = engine.open(path, OpenMode::Exclusive);
    t->createTag("NAME", "NAME");
    appendRange(*t, 1, 2500);
    EXPECT_TRUE(everyNameFound(*t, 2500));
    t->go(10);
    t->setText("NAME", "A0000");
    t->post();
    t->setOrder("NAME");
    EXPECT_FALSE(t->seek(nameOf(10)));
    ASSERT_TRUE(t->seek("A0000"));
    EXPECT_EQ(t->recNo(), 10u);
    t->goTop();
    EXPECT_EQ(t->recNo(), 10u);
    t->close();

    auto again = engine.open(path, OpenMode::Exclusive);
    EXPECT_FALSE(again->indexRebuiltAtOpen());
    again->setOrder("NAME");
    ASSERT_TRUE(again->seek("A0000"));
    EXPECT_EQ(again->recNo(), 10u);
    EXPECT_EQ(walk(*again).size(), 2500u);
}

TEST_F(HeldIndexWrites, AReadOnlyOpenSeesWhatASharedOpenWrites) {
    {
        auto t = engine.open(path, OpenMode::Exclusive);
        t->createTag("NAME", "NAME");
        appendRange(*t, 1, 50);
        t->close();
    }
    auto reader = engine.open(path, OpenMode::ReadOnly);
    reader->setOrder("NAME");
    ASSERT_TRUE(reader->seek(nameOf(7)));
    EXPECT_EQ(reader->recNo(), 7u);

    auto writer = engine.open(path, OpenMode::Shared);
    writer->go(7);
    writer->setText("NAME", "B7");
    appendRange(*writer, 51, 20);
    writer->commit();

    EXPECT_FALSE(reader->seek(nameOf(7)));
    ASSERT_TRUE(reader->seek("B7"));
    EXPECT_EQ(reader->recNo(), 7u);
    EXPECT_EQ(reader->text("NAME"), "B7");
    ASSERT_TRUE(reader->seek(nameOf(70)));
    EXPECT_EQ(reader->recNo(), 70u);
    EXPECT_EQ(reader->recordCount(), 70u);
}

}  // namespace

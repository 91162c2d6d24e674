// Pack, zap and copies of whole tables.
#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"
#include "xbase/Error.h"
#include "xbase/FilePaths.h"

using namespace xbase;

namespace {

class FileOps : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.create(path, peopleFields());
        t = engine.open(path, OpenMode::Exclusive);
        for (int i = 1; i <= 6; ++i) {
            t->appendBlank();
            t->setText("NAME", 'n' + std::to_string(i));
            t->setNumber("AGE", i);
            t->setMemo("NOTE",
                       std::string(static_cast<std::size_t>(200 * i), static_cast<char>('a' + i)));
            t->post();
        }
        for (std::uint32_t r : {2u, 3u, 5u}) {
            t->go(r);
            t->deleteRecord();
        }
        t->commit();
    }
    std::vector<std::string> names(Table& table) {
        std::vector<std::string> out;
        for (table.goTop(); !table.eof(); table.skip()) out.push_back(table.text("NAME"));
        return out;
    }
    TempDir dir;
    std::string path = dir.file("F.DBF");
    Engine engine;
    std::unique_ptr<Table> t;
};

}  // namespace

TEST_F(FileOps, PackRemovesMarkedRecordsAndCompactsTheMemoFile) {
    std::size_t memoBefore = readBytes(dir.file("F.FPT")).size();
    std::vector<int> seen;
    t->pack([&](int percent) {
        seen.push_back(percent);
        return true;
    });
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(t->recordCount(), 3u);
    EXPECT_EQ(names(*t), (std::vector<std::string>{"n1", "n4", "n6"}));
    t->go(2);
    EXPECT_EQ(t->memo("NOTE"), std::string(800, 'e'));
    t->go(3);
    EXPECT_EQ(t->memo("NOTE"), std::string(1200, 'g'));
    std::string dbf = readBytes(path);
    EXPECT_EQ(dbf.size(), 193u + 3 * 35 + 1);
    EXPECT_EQ(dbf[dbf::kRecordCountOffset], 3);
    EXPECT_EQ(dbf.back(), '\x1A');
    // Live memos only: 512 header + blocks of 64 for 8 + 200, 8 + 800 and 8 + 1200 bytes.
    std::size_t memoAfter = readBytes(dir.file("F.FPT")).size();
    EXPECT_LT(memoAfter, memoBefore);
    EXPECT_EQ(memoAfter, 512u + 64 * (4 + 13 + 19));
    EXPECT_FALSE(fileExists(path + ".pak"));
}

TEST_F(FileOps, StoppedPackLeavesTheTableAsItWas) {
    std::string before = readBytes(path);
    std::string memoBefore = readBytes(dir.file("F.FPT"));
    try {
        t->pack([](int percent) { return percent < 50; });
        FAIL() << "pack was not stopped";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Packing " + path + " was stopped");
    }
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(readBytes(dir.file("F.FPT")), memoBefore);
    EXPECT_FALSE(fileExists(path + ".pak"));
    EXPECT_EQ(t->recordCount(), 6u);
    t->go(6);
    EXPECT_EQ(t->memo("NOTE"), std::string(1200, 'g'));
}

TEST_F(FileOps, PackAndZapNeedAnExclusiveOpen) {
    t->close();
    auto shared = engine.open(path, OpenMode::Shared);
    EXPECT_THROW(shared->pack(), Error);
    EXPECT_THROW(shared->zap(), Error);
    EXPECT_EQ(shared->recordCount(), 6u);
}

TEST_F(FileOps, ZapEmptiesTableAndMemoFile) {
    t->zap();
    EXPECT_EQ(t->recordCount(), 0u);
    EXPECT_TRUE(t->eof());
    EXPECT_EQ(readBytes(path).size(), 193u + 1);
    EXPECT_EQ(readBytes(dir.file("F.FPT")).size(), 512u);
    t->appendBlank();
    t->setMemo("NOTE", "after zap");
    t->post();
    t->close();
    auto again = engine.open(path);
    EXPECT_EQ(again->recordCount(), 1u);
    EXPECT_EQ(again->memo("NOTE"), "after zap");
}

TEST_F(FileOps, CopyStructureMakesAnEmptyTwin) {
    t->copyStructure(dir.file("EMPTY.DBF"));
    auto copy = engine.open(dir.file("EMPTY.DBF"));
    EXPECT_EQ(copy->recordCount(), 0u);
    EXPECT_EQ(copy->fields().size(), t->fields().size());
    EXPECT_EQ(copy->field(2).decimals, 1);
    EXPECT_EQ(readBytes(dir.file("EMPTY.FPT")).substr(0, 8),
              std::string("\0\0\0\x08\0\0\0\x40", 8));
    copy->appendBlank();
    copy->setMemo("NOTE", "fresh");
    copy->post();
    EXPECT_EQ(copy->memo("NOTE"), "fresh");
}

TEST_F(FileOps, CopyFileCopiesRecordsMarksAndMemos) {
    t->go(1);
    t->setText("NAME", "edited");  // pending: the copy must include it
    t->copyFile(dir.file("COPY.DBF"));
    auto copy = engine.open(dir.file("COPY.DBF"));
    EXPECT_EQ(copy->recordCount(), 6u);
    copy->go(1);
    EXPECT_EQ(copy->text("NAME"), "edited");
    copy->go(3);
    EXPECT_TRUE(copy->deleted());
    copy->go(6);
    EXPECT_EQ(copy->memo("NOTE"), std::string(1200, 'g'));
}

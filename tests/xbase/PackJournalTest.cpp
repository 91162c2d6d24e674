// A pack stopped by a kill: the next open finishes it from its journal, or removes what it
// left when it had not got that far.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/FilePaths.h"
#include "xbase/internal/PackJournal.h"

using namespace xbase;

namespace {

class PackJournal : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.create(path, peopleFields());
        auto t = engine.open(path, OpenMode::Exclusive);
        for (int i = 1; i <= 6; ++i) {
            t->appendBlank();
            t->setText("NAME", 'n' + std::to_string(7 - i));
            t->setNumber("AGE", i);
            t->setMemo("NOTE",
                       std::string(static_cast<std::size_t>(100 * i), static_cast<char>('a' + i)));
            t->post();
        }
        t->createTag("NAME", "NAME");
        for (std::uint32_t r : {2u, 5u}) {
            t->go(r);
            t->deleteRecord();
        }
        t->close();
        for (const char* name : kFiles) old_.push_back(readBytes(dir.file(name)));
        // The packed files, as a pack writes them, from a copy packed in another folder.
        const std::string other = dir.file("other");
        ::mkdir(other.c_str(), 0700);
        for (std::size_t i = 0; i < 3; ++i) writeBytes(other + "/" + kFiles[i], old_[i]);
        engine.open(other + "/T.DBF", OpenMode::Exclusive)->pack();
        for (const char* name : kFiles) packed_.push_back(readBytes(other + "/" + name));
    }

    // Leaves the scratch files of a pack beside the table.
    void writeScratchFiles() {
        for (std::size_t i = 0; i < 3; ++i) writeBytes(dir.file(kScratch[i]), packed_[i]);
    }
    std::vector<std::string> files() const {
        std::vector<std::string> bytes;
        for (const char* name : kFiles) bytes.push_back(readBytes(dir.file(name)));
        return bytes;
    }
    void expectNoLeftovers() const {
        for (const char* name : kScratch) EXPECT_FALSE(fileExists(dir.file(name))) << name;
        EXPECT_FALSE(fileExists(dir.file("T.JNL")));
    }
    std::string check() { return runProcess(XBASE_TOOL_PATH, {"check", path}, dir.path()).out; }

    static constexpr const char* kFiles[] = {"T.FPT", "T.CDX", "T.DBF"};
    static constexpr const char* kScratch[] = {"T~.FPT", "T~.CDX", "T~.DBF"};
    TempDir dir;
    std::string path = dir.file("T.DBF");
    Engine engine;
    std::vector<std::string> old_;
    std::vector<std::string> packed_;
};

class PackJournalRenames : public PackJournal, public ::testing::WithParamInterface<std::size_t> {};

}  // namespace

// Killed after the journal and this many of its renames.
TEST_P(PackJournalRenames, TheNextOpenFinishesThePack) {
    writeScratchFiles();
    std::vector<Rename> renames;
    for (std::size_t i = 0; i < 3; ++i)
        renames.emplace_back(dir.file(kScratch[i]), dir.file(kFiles[i]));
    writePackJournal(path, renames);
    for (std::size_t i = 0; i < GetParam(); ++i) renameFile(renames[i].first, renames[i].second);

    auto t = engine.open(path, OpenMode::ReadOnly);
    EXPECT_EQ(t->recordCount(), 4u);
    t->go(4);
    EXPECT_EQ(t->text("NAME"), "n1");
    EXPECT_EQ(t->memo("NOTE"), std::string(600, 'g'));
    t->close();
    EXPECT_EQ(files(), packed_);
    expectNoLeftovers();
    EXPECT_EQ(check(), "ok: 1 tag, 4 records\n");
}

INSTANTIATE_TEST_SUITE_P(Renamed, PackJournalRenames, ::testing::Values(0, 1, 2, 3));

TEST_F(PackJournal, WithoutACompleteJournalTheScratchFilesGo) {
    const std::string cutShort[] = {"", "Ravenpost pack journal\nT~.FPT\tT.FPT\n"};
    for (const std::string& journal : cutShort) {
        writeScratchFiles();
        if (!journal.empty()) writeBytes(dir.file("T.JNL"), journal);
        auto t = engine.open(path, OpenMode::Shared);
        EXPECT_EQ(t->recordCount(), 6u);
        t->close();
        EXPECT_EQ(files(), old_);
        expectNoLeftovers();
    }
}

TEST_F(PackJournal, APackLeavesNeitherJournalNorScratchFiles) {
    auto t = engine.open(path, OpenMode::Exclusive);
    t->setOrder("NAME");
    t->pack();
    EXPECT_EQ(t->orderTagName(), "NAME");
    t->goTop();
    EXPECT_EQ(t->text("NAME"), "n1");
    EXPECT_EQ(t->memo("NOTE"), std::string(600, 'g'));
    t->close();
    EXPECT_EQ(files(), packed_);
    expectNoLeftovers();
}

// Several processes writing memos into one shared table at once: each takes blocks of its own,
// so every memo reads back as it was written.
#include <gtest/gtest.h>

#include <map>

#include "TableTestSupport.h"
#include "WriterProcesses.h"
#include "support/TempDir.h"
#include "xbase/internal/FptFile.h"

using namespace xbase;

namespace {

constexpr int kMemoWriters = 4;
constexpr int kMemosEach = 80;

std::string memoName(int writer, int i) {
    return "m" + std::to_string(writer) + "-" + std::to_string(i);
}

// A memo of its own length and letters for each writer, record and round: a later round is
// longer, so that it needs new blocks rather than the old ones.
std::string memoText(int writer, int i, int round) {
    const std::size_t length = 20 + static_cast<std::size_t>((i * 37 + writer * 11) % 150) +
                               static_cast<std::size_t>(round) * 200;
    std::string text = memoName(writer, i) + "/" + std::to_string(round) + ":";
    for (std::size_t k = text.size(); k < length; ++k)
        text += static_cast<char>('a' + (writer * 7 + i + static_cast<int>(k)) % 26);
    return text;
}

// Appends its records with their memos, and gives every other one a longer memo afterwards.
void writeMemos(const std::string& path, int writer) {
    Engine engine;
    auto t = engine.open(path, OpenMode::Shared);
    std::vector<std::uint32_t> mine;
    for (int i = 0; i < kMemosEach; ++i) {
        t->appendBlank();
        t->setText("NAME", memoName(writer, i));
        t->setMemo("NOTE", memoText(writer, i, 0));
        t->commit();
        mine.push_back(t->recNo());
        if (i % 2 == 1) {
            t->go(mine[static_cast<std::size_t>(i - 1)]);
            t->setMemo("NOTE", memoText(writer, i - 1, 1));
            t->commit();
        }
    }
}

}  // namespace

TEST(MemoWriters, TheFamilysMemoLockIsTheFirstByteOfTheMemoFile) {
    EXPECT_EQ(FptFile::blockLock(), (ByteRange{0, 1}));
}

TEST(MemoWriters, ProcessesWritingMemosAtOnceNeverShareABlock) {
    TempDir dir;
    const std::string path = dir.file("MEMOS.DBF");
    Engine engine;
    engine.create(path, peopleFields());
    runWritersTogether(kMemoWriters, 60, "memo writer", [&](int w) { writeMemos(path, w); });
    ASSERT_FALSE(HasFatalFailure());
    auto t = engine.open(path, OpenMode::ReadOnly);
    std::map<std::string, std::string> memos;
    for (t->goTop(); !t->eof(); t->skip()) memos[t->text("NAME")] = t->memo("NOTE");
    ASSERT_EQ(memos.size(), static_cast<std::size_t>(kMemoWriters * kMemosEach));
    for (int w = 0; w < kMemoWriters; ++w)
        for (int i = 0; i < kMemosEach; ++i) {
            const int round = i % 2 == 0 && i + 1 < kMemosEach ? 1 : 0;
            EXPECT_EQ(memos[memoName(w, i)], memoText(w, i, round)) << memoName(w, i);
        }
}

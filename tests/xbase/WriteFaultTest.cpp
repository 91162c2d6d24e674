// Single write failures made to order: what the engine reports, and what a later commit of the
// same open writes once the disk has room again.
#include <gtest/gtest.h>

#include <cerrno>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"
#include "xbase/Error.h"
#include "xbase/WriteFaults.h"
#include "xbase/internal/File.h"

using namespace xbase;

namespace {

class WriteFaultTest : public ::testing::Test {
  protected:
    void TearDown() override { WriteFaults::off(); }
    TempDir dir_;
};

TEST_F(WriteFaultTest, CountsTheWritesOfACommitAndFailsTheOnePlanned) {
    const std::string path = dir_.file("P.DBF");
    Engine engine;
    engine.create(path, {{"NAME", 'C', 10, 0}});
    auto t = engine.open(path, OpenMode::Exclusive);
    t->appendBlank();
    t->setText("NAME", "one");
    WriteFaults::count();
    t->commit();  // the records, the count in the header, the flush
    EXPECT_EQ(WriteFaults::calls(), 3u);

    t->appendBlank();
    t->setText("NAME", "two");
    WriteFaults::failAfter(2, ENOSPC);
    try {
        t->commit();
        FAIL() << "the header's write did not fail";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), ("Cannot write " + path + ": No space left on device").c_str());
    }
    EXPECT_EQ(WriteFaults::calls(), 2u);
}

// A commit whose records could not be written writes them again at the next commit, followed
// by one end-of-file mark, as an append that went through at once does.
TEST_F(WriteFaultTest, AppendsWrittenAgainAfterAFailureEndTheFileOnce) {
    const std::string path = dir_.file("P.DBF");
    Engine engine;
    engine.create(path, {{"NAME", 'C', 10, 0}});
    const std::size_t headerLength = readBytes(path).size() - 1;
    auto t = engine.open(path, OpenMode::Exclusive);
    for (const char* name : {"one", "two", "three"}) {
        t->appendBlank();
        t->setText("NAME", name);
        t->post();
    }
    WriteFaults::failAfter(1, ENOSPC);
    EXPECT_THROW(t->commit(), Error);
    WriteFaults::off();
    t->close();
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.size(), headerLength + 3 * 11 + 1);
    const auto record = [](std::string name) { return " " + name.append(10 - name.size(), ' '); };
    EXPECT_EQ(bytes.substr(headerLength), record("one") + record("two") + record("three") + "\x1A");
    EXPECT_EQ(bytes[dbf::kRecordCountOffset], 3);
}

// The records an exclusive open gathers are written in batches as they are posted; a batch
// that could not be written is written with the next, and the record whose post failed is not
// appended again.
TEST_F(WriteFaultTest, ARecordWhoseBatchCouldNotBeWrittenIsAppendedOnce) {
    const std::string path = dir_.file("B.DBF");
    Engine engine;
    engine.create(path, {{"NAME", 'C', 250, 0}, {"MORE", 'C', 250, 0}, {"MOST", 'C', 250, 0}});
    constexpr int kRecords = 1500;  // past the first batch of a megabyte
    int failures = 0;
    {
        auto t = engine.open(path, OpenMode::Exclusive);
        WriteFaults::failAfter(1, ENOSPC);
        for (int i = 1; i <= kRecords; ++i) {
            t->appendBlank();
            t->setText("NAME", std::to_string(i));
            try {
                t->post();
            } catch (const Error&) {
                ++failures;
            }
        }
        WriteFaults::off();
        t->close();
    }
    EXPECT_EQ(failures, 1);
    auto t = engine.open(path, OpenMode::ReadOnly);
    ASSERT_EQ(t->recordCount(), static_cast<std::uint32_t>(kRecords));
    for (int i = 1; i <= kRecords; ++i) {
        t->go(static_cast<std::uint32_t>(i));
        ASSERT_EQ(t->text("NAME"), std::to_string(i));
    }
}

// A change posted again after the mark could not be written puts the mark on the disk first.
TEST_F(WriteFaultTest, NoChangeIsWrittenBeforeTheMark) {
    const std::string path = dir_.file("P.DBF");
    Engine engine;
    engine.create(path, {{"NAME", 'C', 10, 0}});
    {
        auto t = engine.open(path, OpenMode::Exclusive);
        t->appendBlank();
        t->setText("NAME", "one");
        t->createTag("NAME", "NAME");
    }
    auto t = engine.open(path, OpenMode::Exclusive);
    t->go(1);
    t->setText("NAME", "two");
    WriteFaults::failAfter(1, ENOSPC);
    EXPECT_THROW(t->post(), Error);
    WriteFaults::off();
    EXPECT_EQ(readBytes(path)[dbf::kIncompleteOffset], 0);
    t->post();
    EXPECT_EQ(readBytes(path)[dbf::kIncompleteOffset], 1);
    t->commit();
    EXPECT_EQ(readBytes(path)[dbf::kIncompleteOffset], 0);
}

TEST_F(WriteFaultTest, AHalfWriteOnlyLengthensTheFileByHalfOfWhatItAdds) {
    const std::string path = dir_.file("H.BIN");
    File f = File::create(path);
    f.writeAt(0, "abcd");
    WriteFaults::failAfter(1, ENOSPC, WriteFaults::kHalfWrite);
    EXPECT_THROW(f.writeAt(2, "WXYZ"), Error);
    EXPECT_EQ(readBytes(path), "abWXY");
}

TEST_F(WriteFaultTest, ALastingFailureFailsEveryLaterCall) {
    const std::string path = dir_.file("L.BIN");
    File f = File::create(path);
    WriteFaults::failAfter(2, ENOSPC, WriteFaults::kLasting);
    f.writeAt(0, "a");
    EXPECT_THROW(f.sync(), Error);
    EXPECT_THROW(f.truncate(0), Error);
    EXPECT_THROW(renameFile(path, dir_.file("M.BIN")), Error);
    EXPECT_EQ(WriteFaults::calls(), 4u);
    WriteFaults::off();
    f.sync();
    EXPECT_EQ(readBytes(path), "a");
}

}  // namespace

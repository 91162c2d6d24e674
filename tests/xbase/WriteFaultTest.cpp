// Single write failures made to order: what the engine reports, and what a later commit of the
// same open writes once the disk has room again.
#include <gtest/gtest.h>

#include <cerrno>

#include "TableTestSupport.h"
#include "TempDir.h"
#include "xbase/Error.h"
#include "xbase/WriteFaults.h"

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
    EXPECT_EQ(bytes[4], 3);  // the record count
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
    EXPECT_EQ(readBytes(path)[14], 0);
    t->post();
    EXPECT_EQ(readBytes(path)[14], 1);
    t->commit();
    EXPECT_EQ(readBytes(path)[14], 0);
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

// The incomplete mark among shared writers: a writer killed in the middle of its run leaves the
// mark however the others finish, later opens read in record order until the table can be had
// alone, and the open that has it alone repairs it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include "NamesTableFixture.h"
#include "OtherProcess.h"

using namespace xbase;

namespace {

class SharedCrashMark : public NamesTableFixture {
  protected:
    void SetUp() override {
        auto t = makeNames({"smith", "Brown", "adams", "Cole", "brown"});
        headerLength = t->headerLength();
        recordLength = t->recordLength();
    }

    // A writer in another process that has begun a run of changes (record 1 posted) and then
    // writes record 2's name straight into the file, as a writer does before it changes the keys:
    // killed now, it leaves a tag that disagrees with the record.
    std::function<void(const std::function<void()>&)> writerCaughtMidRun() {
        return [this](const std::function<void()>& holdOn) {
            Engine e;
            auto t = e.open(path, OpenMode::Shared);
            t->go(1);
            t->setText("NAME", "Kim");
            t->post();
            const int fd = ::open(path.c_str(), O_RDWR);
            const std::string name = "Zola      ";
            if (::pwrite(fd, name.data(), name.size(), headerLength + recordLength + 1) !=
                static_cast<ssize_t>(name.size()))
                return;
            ::close(fd);
            holdOn();
            t->commit();
        };
    }

    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
};

}  // namespace

TEST_F(SharedCrashMark, AWriterKilledMidRunLeavesTheMarkUntilAnOpenHasTheTableAlone) {
    auto live = engine.open(path, OpenMode::Shared);
    {
        OtherProcess killed(writerCaughtMidRun());
        ASSERT_TRUE(killed.opened());
        live->go(3);
        live->setText("NAME", "Avery");
        live->post();
        ::kill(killed.pid(), SIGKILL);
    }
    live->commit();  // the last writer at work finishes
    EXPECT_EQ(mark(), 1);

    // Beside the live writer, an open that finds the mark reads in record order and says so.
    auto later = engine.open(path, OpenMode::Shared);
    EXPECT_TRUE(later->indexMayBeStale());
    EXPECT_EQ(later->orderCount(), 0);
    EXPECT_EQ(walk(*later), (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
    later->go(2);
    EXPECT_EQ(later->text("NAME"), "Zola");
    // Its changes keep the mark too: the index is not open to follow them.
    later->setText("NAME", "Zoe");
    later->commit();
    EXPECT_EQ(mark(), 1);
    later->close();
    live->go(4);
    live->setText("NAME", "Cody");
    live->commit();
    EXPECT_EQ(mark(), 1);

    // The checker reports the mark before any tag.
    const std::string report = check();
    EXPECT_EQ(report.substr(0, report.find('\n') + 1),
              "incomplete transaction flag set: the table was not closed properly, and its "
              "indexes may not match its records\n");
    live->close();

    auto alone = engine.open(path, OpenMode::Exclusive);
    EXPECT_TRUE(alone->indexRebuiltAtOpen());
    EXPECT_FALSE(alone->markedIncomplete());
    alone->setOrder("NAME");
    EXPECT_EQ(walk(*alone), (std::vector<std::uint32_t>{3, 5, 4, 1, 2}));
    alone->close();
    EXPECT_EQ(mark(), 0);
    EXPECT_EQ(check(), "ok: 1 tag, 5 records\n");
    // The repair leaves no writer's bit behind.
    EXPECT_EQ(readBytes(path).substr(dbf::kWritersOffset, dbf::kWritersSize),
              std::string(dbf::kWritersSize, '\0'));
}

TEST_F(SharedCrashMark, BesideAWriterAtWorkTheIndexIsUsedAndItsEndClearsTheMark) {
    {
        OtherProcess working([this](const std::function<void()>& holdOn) {
            Engine e;
            auto t = e.open(path, OpenMode::Shared);
            t->go(1);
            t->setText("NAME", "Kim");
            t->post();
            holdOn();
            t->commit();
        });
        ASSERT_TRUE(working.opened());
        EXPECT_EQ(mark(), 1);
        auto t = engine.open(path, OpenMode::Shared);
        EXPECT_FALSE(t->indexMayBeStale());
        EXPECT_EQ(t->orderCount(), 1);
        t->go(2);
        t->setText("NAME", "Bea");
        t->commit();
        EXPECT_EQ(mark(), 1);  // the other writer is still at work
    }
    EXPECT_EQ(mark(), 0);
    EXPECT_EQ(check(), "ok: 1 tag, 5 records\n");
}

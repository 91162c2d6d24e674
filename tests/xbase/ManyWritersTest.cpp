// Several processes appending, changing, deleting and recalling records of one shared table at
// once: the tags agree with the records afterwards and no committed change is missing.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"

using namespace xbase;

namespace {

constexpr int kWriters = 4;
constexpr int kRecordsEach = 60;

std::string nameOf(int writer, int i) {
    return "w" + std::to_string(writer) + "-" + std::to_string(i);
}

// One writer's work: appends its records one commit at a time, changing and deleting earlier
// ones of its own between (and recalling some), so that the others' changes fall in between.
void write(const std::string& path, int writer) {
    Engine engine;
    auto t = engine.open(path, OpenMode::Shared);
    std::vector<std::uint32_t> mine;
    for (int i = 0; i < kRecordsEach; ++i) {
        t->appendBlank();
        t->setText("NAME", nameOf(writer, i));
        t->setNumber("AGE", i);
        t->commit();
        mine.push_back(t->recNo());
        if (i % 3 == 2) {  // the record two back gets its final age
            t->go(mine[i - 2]);
            t->setNumber("AGE", 500 + i - 2);
            t->commit();
        }
        if (i % 5 == 4) {  // every fifth is deleted, every tenth recalled again
            t->go(mine[i]);
            t->deleteRecord();
            t->commit();
            if (i % 10 == 9) {
                t->recall();
                t->commit();
            }
        }
    }
}

}  // namespace

TEST(ManyWriters, TagsAgreeWithTheRecordsAndNoCommittedChangeIsLost) {
    TempDir dir;
    const std::string path = dir.file("P.DBF");
    Engine engine;
    engine.create(path, peopleFields());
    {
        auto t = engine.open(path, OpenMode::Exclusive);
        t->createTag("NAME", "UPPER(NAME)");
        t->createTag("AGE", "AGE");
        t->createTag("BOTH", "NAME+STR(AGE,5,1)");
        t->createTag("YOUNG", "NAME", "AGE < 30");
        t->createTag("DEL", "DELETED()");
    }
    // The writers wait for one another to be ready, then start together.
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> writers;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(start[1]);
            char c;
            (void)!::read(start[0], &c, 1);
            ::alarm(120);  // a writer that waits for ever fails the test
            try {
                write(path, w);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "writer %d: %s\n", w, e.what());
                ::_exit(1);
            }
            ::_exit(0);
        }
        writers.push_back(pid);
    }
    ::close(start[0]);
    ::close(start[1]);
    for (pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
    // The last writer to finish cleared the mark, however close together they finished.
    EXPECT_EQ(readBytes(path)[dbf::kIncompleteOffset], 0);
    EXPECT_EQ(runProcess(XBASE_TOOL_PATH, {"check", path}, dir.path()).out,
              "ok: 5 tags, " + std::to_string(kWriters * kRecordsEach) + " records\n");

    auto t = engine.open(path, OpenMode::ReadOnly);
    std::map<std::string, std::pair<double, bool>> found;
    for (t->goTop(); !t->eof(); t->skip()) {
        found[t->text("NAME")] = {t->number("AGE"), t->deleted()};
    }
    ASSERT_EQ(found.size(), static_cast<std::size_t>(kWriters * kRecordsEach));
    for (int w = 0; w < kWriters; ++w)
        for (int i = 0; i < kRecordsEach; ++i) {
            const double age = i % 3 == 0 && i + 2 < kRecordsEach ? 500 + i : i;
            const bool deleted = i % 5 == 4 && i % 10 != 9;
            EXPECT_EQ(found[nameOf(w, i)], std::make_pair(age, deleted)) << nameOf(w, i);
        }
}

// Several processes appending, changing, deleting and recalling records of one shared table at
// once: the tags agree with the records afterwards and no committed change is missing.
#include <gtest/gtest.h>

#include <map>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "WriterProcesses.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"

using namespace xbase;

namespace {

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

// Two, three and eight writers at once.
class ManyWriters : public ::testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(Writers, ManyWriters, ::testing::Values(2, 3, 8));

TEST_P(ManyWriters, TagsAgreeWithTheRecordsAndNoCommittedChangeIsLost) {
    const int writers = GetParam();
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
    runWritersTogether(writers, 120, "writer", [&](int w) { write(path, w); });
    ASSERT_FALSE(HasFatalFailure());
    // The last writer to finish cleared the mark, however close together they finished.
    EXPECT_EQ(readBytes(path)[dbf::kIncompleteOffset], 0);
    EXPECT_EQ(runProcess(XBASE_TOOL_PATH, {"check", path}, dir.path()).out,
              "ok: 5 tags, " + std::to_string(writers * kRecordsEach) + " records\n");

    auto t = engine.open(path, OpenMode::ReadOnly);
    std::map<std::string, std::pair<double, bool>> found;
    for (t->goTop(); !t->eof(); t->skip()) {
        found[t->text("NAME")] = {t->number("AGE"), t->deleted()};
    }
    ASSERT_EQ(found.size(), static_cast<std::size_t>(writers * kRecordsEach));
    for (int w = 0; w < writers; ++w)
        for (int i = 0; i < kRecordsEach; ++i) {
            const double age = i % 3 == 0 && i + 2 < kRecordsEach ? 500 + i : i;
            const bool deleted = i % 5 == 4 && i % 10 != 9;
            EXPECT_EQ(found[nameOf(w, i)], std::make_pair(age, deleted)) << nameOf(w, i);
        }
}

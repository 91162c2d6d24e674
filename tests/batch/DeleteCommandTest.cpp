// "delete": records chosen by the filter (or left out by it) get DELETED and the deletion mark;
// --all empties the file; a bad filter or a missing choice changes nothing.
#include <gtest/gtest.h>

#include "batch/UtilityCommandFixture.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class DeleteCommandTest : public UtilityCommandFixture {
  protected:
    std::vector<bool> marks() {
        table.open(QString::fromStdString(dir.path()), QStringLiteral("BROWSE.DBF"));
        table->setOrder(0);
        std::vector<bool> marked;
        for (std::uint32_t r = 1; r <= table->recordCount(); ++r) {
            table->go(r);
            marked.push_back(table->deleted());
        }
        table.close();
        return marked;
    }
};

TEST_F(DeleteCommandTest, DeletesTheRecordsTheFilterChooses) {
    const BatchRun run = batch({"delete", file, "--filter", "CITY = \"Reno\""});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("Deleted 1 records\n")) << run.err.toStdString();
    EXPECT_EQ(column("PREFIX"), (std::vector<std::string>{"", "DELETED", "DELETED"}));
    EXPECT_EQ(marks(), (std::vector<bool>{false, true, false}));
}

TEST_F(DeleteCommandTest, DeletesTheRecordsTheFilterLeavesOut) {
    const BatchRun run = batch({"delete", file, "--filter", "CITY = \"Reno\"", "--not-matching"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("Deleted 2 records\n")) << run.err.toStdString();
    EXPECT_EQ(column("LNAME"), (std::vector<std::string>{"Young", "Adams", "Baker"}));
    EXPECT_EQ(marks(), (std::vector<bool>{true, false, true}));
}

TEST_F(DeleteCommandTest, AllEmptiesTheFile) {
    const BatchRun run = batch({"delete", file, "--all"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("Deleted 3 records\n")) << run.err.toStdString();
    EXPECT_TRUE(column("LNAME").empty());
}

TEST_F(DeleteCommandTest, BadInputChangesNothing) {
    const struct {
        QStringList arguments;
        QString err;
    } cases[] = {
        {{"delete", file}, "ravenpost-batch delete: give either --filter EXPR or --all\n"},
        {{"delete", file, "--all", "--filter", "CITY = \"Reno\""},
         "ravenpost-batch delete: give either --filter EXPR or --all\n"},
        {{"delete", file, "--all", "--not-matching"},
         "ravenpost-batch delete: --not-matching needs --filter EXPR\n"},
        {{"delete", file, "--filter", "NOSUCH = 1"}, "ravenpost-batch delete: --filter: "},
    };
    const QByteArray before = bytesOf(file);
    for (const auto& c : cases) {
        const BatchRun run = batch(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(c.err)) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
    EXPECT_EQ(bytesOf(file), before);
}

}  // namespace
}  // namespace rp

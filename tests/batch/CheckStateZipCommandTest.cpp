// ravenpost-batch check-state-zip: the questionable records in name order, with and without
// the blank values, and a state table that cannot be read.
#include <QFile>

#include "ZipCommandFixture.h"

namespace rp {
namespace {

using CheckStateZipCommandTest = ZipCommandFixture;

TEST_F(CheckStateZipCommandTest, ListsTheQuestionableRecordsInNameOrder) {
    const BatchRun run = batch({"check-state-zip", file, "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    // Cruz's ZIP lies outside Idaho's range, Diaz's state is unknown; the blank ones and
    // the record marked DELETED are passed over.
    EXPECT_EQ(run.out.toStdString(), "4\tID\t97201\n5\tXX\t12345\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(CheckStateZipCommandTest, BlanksAddsTheRecordsWithABlankStateOrZip) {
    const BatchRun run = batch({"check-state-zip", file, "--quiet", "--blanks"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "4\tID\t97201\n5\tXX\t12345\n6\t\t83702\n7\tIL\t\n");
}

TEST_F(CheckStateZipCommandTest, AStateTableThatCannotBeReadIsAnInputError) {
    ASSERT_EQ(batch({"count", file}).status, 0);  // makes the data folder with its side files
    QFile states(home + "/RVPSZCK.DBF");
    ASSERT_TRUE(states.open(QIODevice::WriteOnly | QIODevice::Truncate));
    states.write("not a table");
    states.close();
    const BatchRun run = batch({"check-state-zip", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("ravenpost-batch check-state-zip: Unable to open " + home))
        << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "");
}

}  // namespace
}  // namespace rp

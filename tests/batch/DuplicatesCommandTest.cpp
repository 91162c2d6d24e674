// ravenpost-batch duplicates: each key kind with its lines in the check's order and the count
// on standard error, a withdrawn record passed over, a bad --by refused, the work index
// kept out of the data folder, and a work index that cannot be written.
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <csignal>

#include "BatchFixture.h"

namespace rp {
namespace {

class DuplicatesCommandTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        add({{"LNAME", "Jones"}, {"FNAME", "Mary"}, {"STREET", "123 Main Street"}});  // 1
        add({{"LNAME", "JONES"}, {"FNAME", "MARY"}, {"STREET", "9 Elm Rd"}});         // 2
        add({{"LNAME", "Jones"}, {"FNAME", "Martha"}, {"STREET", "123 Main St"}});    // 3
        add({{"LNAME", "Smith"}, {"FNAME", "Al"}});                                   // 4
        add({{"FNAME", "Mary"}, {"STREET", "123 MAIN STREET"}});                      // 5
        add({{"LNAME", "Jones"}, {"FNAME", "Mary"}, {"PREFIX", "DELETED"}});          // 6
        handOver();
    }
};

TEST_F(DuplicatesCommandTest, ByNameIsTheDefaultAndFoldsLetterCase) {
    const BatchRun run = batch({"duplicates", file, "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "1\tJones\tMary\n2\tJONES\tMARY\n");
    EXPECT_EQ(run.err, "Found 1 possible duplicates\n");
    EXPECT_EQ(batch({"duplicates", file, "--quiet", "--by", "name"}).out, run.out);
}

TEST_F(DuplicatesCommandTest, ByInitialListsARunOfThreeOnceEach) {
    const BatchRun run = batch({"duplicates", file, "--quiet", "--by", "initial"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "3\tJones\tM\n1\tJones\tM\n2\tJONES\tM\n");
    EXPECT_EQ(run.err, "Found 2 possible duplicates\n");
}

TEST_F(DuplicatesCommandTest, ByStreetComparesTheFirstCharacters) {
    BatchRun run = batch({"duplicates", file, "--quiet", "--by", "street:10"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "3\t123 Main S\n1\t123 Main S\n5\t123 MAIN S\n");
    EXPECT_EQ(run.err, "Found 2 possible duplicates\n");
    run = batch({"duplicates", file, "--quiet", "--by", "street"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "1\t123 Main Street\n5\t123 MAIN STREET\n");
    EXPECT_EQ(run.err, "Found 1 possible duplicates\n");
}

TEST_F(DuplicatesCommandTest, TheWorkIndexStaysOutOfTheDataFolder) {
    ASSERT_EQ(batch({"duplicates", file, "--quiet"}).status, 0);
    EXPECT_FALSE(QFile::exists(home + "/_chkdup.idx"));
    EXPECT_TRUE(QDir(QString::fromStdString(dir.path())).entryList({"*.idx", "*.IDX"}).isEmpty());
}

TEST_F(DuplicatesCommandTest, AnUnknownKeyIsRefused) {
    for (const char* by : {"zip", "street:0", "street:31", "street:x"}) {
        const BatchRun run = batch({"duplicates", file, "--by", by});
        EXPECT_NE(run.status, 0) << by;
        EXPECT_TRUE(run.err.contains("--by")) << run.err.toStdString();
        EXPECT_EQ(run.out, "");
    }
}

// A full disk met while the work index is written: the process may write no file beyond the
// size of an empty index (its header and root page, 1536 bytes), and gets an error instead of
// the signal. The job ends with the error's one line.
using DuplicatesJoinedNameTest = BatchFixture;

// The NAME order joins the trimmed last name and the first name, so a name split elsewhere
// sorts with the other two and equals them.
TEST_F(DuplicatesJoinedNameTest, ANameSplitElsewhereEqualsTheWholeName) {
    add({{"LNAME", "Smith"}, {"FNAME", "John"}});
    add({{"LNAME", "SmithJ"}, {"FNAME", "ohn"}});
    add({{"LNAME", "Smith"}, {"FNAME", "John"}});
    handOver();
    const struct {
        const char* by;
        const char* out;
    } cases[] = {{"name", "1\tSmith\tJohn\n2\tSmithJ\tohn\n3\tSmith\tJohn\n"},
                 {"initial", "1\tSmith\tJ\n2\tSmithJ\to\n3\tSmith\tJ\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.by);
        const BatchRun run = batch({"duplicates", file, "--quiet", "--by", c.by});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.toStdString(), c.out);
        EXPECT_EQ(run.err, "Found 2 possible duplicates\n");
    }
}

using DuplicatesCommandFullDiskTest = BatchFixture;

TEST_F(DuplicatesCommandFullDiskTest, AWorkIndexThatCannotBeWrittenEndsTheJob) {
    for (int i = 0; i < 300; ++i) add({{"LNAME", "Lee"}, {"FNAME", "Ann"}});
    handOver();
    QProcess process;
    process.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit emptyIndex{1536, 1536};
        setrlimit(RLIMIT_FSIZE, &emptyIndex);
    });
    process.start(QStringLiteral(RAVENPOST_BATCH_PATH),
                  {"duplicates", file, "--quiet", "--home", home});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardOutput(), "");
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^ravenpost-batch duplicates: Cannot write "
                                                  "/\\S+/_chkdup\\.idx: File too large\\n$"))
                    .match(err)
                    .hasMatch())
        << err.toStdString();
}

}  // namespace
}  // namespace rp

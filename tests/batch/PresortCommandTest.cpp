// ravenpost-batch presort: the list written to --output or into the data folder, the same
// bytes the presort library writes, and a bad --output folder.
#include <QDir>
#include <QFile>

#include "ZipCommandFixture.h"

namespace rp {
namespace {

using PresortCommandTest = ZipCommandFixture;

// The list of the records not marked DELETED (a ZIP that is no five-digit key is left out).
constexpr const char* kList =
    "** ADC ALBANY NY 120\r\n12345\r\n"
    "** ADC BOISE ID 836\r\n83702\r\n"
    "** ADC LAS VEGAS  NV 890\r\n89501\r\n"
    "** ADC PORTLAND OR 970\r\n97201\r\n";

TEST_F(PresortCommandTest, WritesTheListToTheOutputFile) {
    const QString out = QString::fromStdString(dir.file("list.psl"));
    QFile earlier(out);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier\r\n");
    earlier.close();
    const BatchRun run = batch({"presort", file, "--output", out, "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "");
    EXPECT_EQ(bytesOf(out).toStdString(), std::string(kList));
    // No work folder is left beside it, and the data folder's list is not written.
    EXPECT_EQ(QDir(QString::fromStdString(dir.path()))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                  .filter(".presort"),
              QStringList());
    EXPECT_FALSE(QFile::exists(home + "/PRESORT.PSL"));
}

TEST_F(PresortCommandTest, WritesPresortPslIntoTheDataFolderWithoutOutput) {
    const BatchRun run = batch({"presort", file, "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(bytesOf(home + "/PRESORT.PSL").toStdString(), std::string(kList));
}

TEST_F(PresortCommandTest, ReadsOnlyTheChosenRecords) {
    const QString out = QString::fromStdString(dir.file("nv.psl"));
    const BatchRun run =
        batch({"presort", file, "--output", out, "--quiet", "--filter", "STATE=\"NV\""});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(bytesOf(out).toStdString(), std::string("** ADC LAS VEGAS  NV 890\r\n89501\r\n"));
}

TEST_F(PresortCommandTest, ABadOutputFolderIsAnInputError) {
    const QString out = QString::fromStdString(dir.file("none/list.psl"));
    const BatchRun run = batch({"presort", file, "--output", out});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "ravenpost-batch presort: --output: there is no folder " +
                           QString::fromStdString(dir.file("none")) + "\n");
    EXPECT_FALSE(QFile::exists(out));
}

}  // namespace
}  // namespace rp

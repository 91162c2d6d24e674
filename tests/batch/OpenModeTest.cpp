// The address file held by another process: the jobs that only read it open it shared beside a
// shared holder and refuse an exclusive one; the jobs that change it need it to themselves and
// say so with the program's message. A refused job leaves every file as it was.
#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>

#include "BatchFixture.h"
#include "support/ReadOnlyMount.h"

namespace rp {
namespace {

class OpenModeTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        add({{"LNAME", "Young"}, {"FNAME", "Ann"}, {"CITY", "Boise"}, {"ZIP", "83702"}});
        handOver();
        csv = QString::fromStdString(dir.file("new.csv"));
        QFile out(csv);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("Adams,Bob\r\n");
    }

    void hold(xbase::OpenMode mode) {
        table.open(QFileInfo(file).path(), QStringLiteral("BROWSE.DBF"), {}, mode);
    }

    QString csv;
};

TEST_F(OpenModeTest, ChangingJobsRefuseAFileHeldByAnotherProcess) {
    // The message and the engine's cause on one line, the file named once.
    const QString inUse =
        "Unable to open this file exclusively. Possibly in use by another program or user: " +
        file + ": it is in use by another program or user and cannot be opened exclusively\n";
    for (const xbase::OpenMode mode : {xbase::OpenMode::Shared, xbase::OpenMode::Exclusive}) {
        hold(mode);
        const auto before = addressFiles();
        const struct {
            QStringList arguments;
        } cases[] = {
            {{"import-csv", file, csv, "--columns", "LNAME,FNAME"}},
            {{"uppercase", file}},
            {{"delete", file, "--all"}},
            {{"search-replace", file, "LNAME", "Young", "Old", "--yes"}},
        };
        for (const auto& c : cases) {
            const BatchRun run = batch(c.arguments);
            EXPECT_EQ(run.status, 1) << c.arguments.join(' ').toStdString();
            EXPECT_EQ(run.err, "ravenpost-batch " + c.arguments[0] + ": " + inUse);
        }
        table.close();
        EXPECT_EQ(addressFiles(), before);
    }
}

TEST_F(OpenModeTest, ReadingJobsShareTheFileButNotWithAnExclusiveHolder) {
    hold(xbase::OpenMode::Shared);
    const QString pdf = QString::fromStdString(dir.file("labels.pdf"));
    BatchRun run = batch({"count", file});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "1\n");
    run = batch(
        {"labels", file, "--setup", "Address labels, 30 per sheet", "--output", pdf, "--quiet"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(pdfText(pdf).contains("Ann Young"));
    table.close();

    hold(xbase::OpenMode::Exclusive);
    QFile::remove(pdf);
    run = batch({"labels", file, "--setup", "Address labels, 30 per sheet", "--output", pdf});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "ravenpost-batch labels: Unable to open " + file +
                           ": it is open exclusively by another program or user\n");
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(OpenModeTest, OnAReadOnlyFileSystemReadingJobsPrintAndChangingJobsSaySo) {
    ASSERT_EQ(batch({"count", file}).status, 0);  // the data folder gets its side files
    const ReadOnlyMount readOnly(dir.path(), dir.file("ro"));
    SKIP_WITHOUT_READ_ONLY_MOUNT(readOnly);
    const auto before = addressFiles();
    const QString shown = QString::fromStdString(dir.file("ro/BROWSE.DBF"));
    home = QString::fromStdString(dir.file("ro/home"));  // the data folder read-only as well
    const QString pdf = QString::fromStdString(dir.file("labels.pdf"));

    BatchRun run = batch(
        {"labels", shown, "--setup", "Address labels, 30 per sheet", "--output", pdf, "--quiet"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(pdfText(pdf).contains("Ann Young"));

    run = batch({"import-csv", shown, csv, "--columns", "LNAME,FNAME"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "ravenpost-batch import-csv: " + shown +
                           " cannot be changed: the file, its memo or index file, or its folder "
                           "is read-only: Cannot open " +
                           shown + " for writing: Read-only file system\n");
    EXPECT_EQ(addressFiles(), before);
}

}  // namespace
}  // namespace rp

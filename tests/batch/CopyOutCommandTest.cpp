// "copy-out": the chosen records to a comma-delimited file with the preferences' date format,
// or to a DBF file with the memo, and nothing written for bad input.
#include <gtest/gtest.h>

#include "batch/UtilityCommandFixture.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class CopyOutCommandTest : public UtilityCommandFixture {};

TEST_F(CopyOutCommandTest, WritesTheChosenRecordsAsCommaDelimitedLines) {
    ASSERT_TRUE(QDir().mkpath(home));
    QFile ini(home + "/RAVENP.INI");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Date]\r\nShortDateFmt=dd.mm.yyyy\r\n");
    ini.close();
    const BatchRun run = batch({"copy-out", file, "--output", "out.csv", "--order", "LNAME"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(bytesOf(QString::fromStdString(dir.file("out.csv"))),
              "\"\",\"Bob\",\"\",\"Adams\",\"\",\"\",\"2 Oak Ave\",\"Reno\",\"NV\",\"89501\",\"\","
              "\"\",\"\",\"\",\"\",\"\"\r\n"
              "\"\",\"Ann\",\"\",\"Young\",\"\",\"\",\"1 Elm St\",\"Boise\",\"ID\",\"83702\",\"\","
              "\"\",\"\",\"\",\"15.03.2024\",\"vip\"\r\n");
}

TEST_F(CopyOutCommandTest, CopiesTheFilteredRecordsToADbfWithTheMemo) {
    const BatchRun run = batch(
        {"copy-out", file, "--output", "COPY.DBF", "--filter", "CITY = \"Boise\"", "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    xbase::Engine engine;
    auto copy = engine.open(dir.file("COPY.DBF"), xbase::OpenMode::ReadOnly);
    ASSERT_EQ(copy->recordCount(), 1u);
    copy->go(1);
    EXPECT_EQ(copy->text("LNAME"), "Young");
    EXPECT_EQ(copy->memo("MEMO"), "Met at the fair");
    EXPECT_EQ(copy->date("DATE"), xbase::julianDay(2024, 3, 15));
}

TEST_F(CopyOutCommandTest, RefusesBadTargetsWritingNothing) {
    const struct {
        QStringList arguments;
        QString err;
    } cases[] = {
        {{"copy-out", file},
         "ravenpost-batch copy-out: give --output FILE.csv, FILE.dbf or FILE.vcf\n"},
        {{"copy-out", file, "--output", "BROWSE.DBF"},
         "ravenpost-batch copy-out: --output: cannot copy to BROWSE.DBF\n"},
        {{"copy-out", file, "--output", "new.csv", "--filter", "CITY ="},
         "ravenpost-batch copy-out: --filter: "},
    };
    const QByteArray before = bytesOf(file);
    for (const auto& c : cases) {
        const BatchRun run = batch(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.endsWith(c.err) || run.err.startsWith(c.err)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("new.csv"))));
    EXPECT_EQ(bytesOf(file), before);
}

TEST_F(CopyOutCommandTest, OverwritesAnExistingFileOnlyWithYes) {
    const QString target = QString::fromStdString(dir.file("old.csv"));
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("keep");
    old.close();
    const BatchRun refused = batch({"copy-out", file, "--output", "old.csv", "--quiet"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(bytesOf(target), "keep");
    const BatchRun done = batch({"copy-out", file, "--output", "old.csv", "--quiet", "--yes"});
    EXPECT_EQ(done.status, 0) << done.err.toStdString();
    EXPECT_EQ(bytesOf(target).count("\r\n"), 2);
}

}  // namespace
}  // namespace rp

// The presort's file and run: the exact bytes written, the view it reads, its status lines,
// and what a cancel or a failure leaves behind.
#include <gtest/gtest.h>

#include <QDir>

#include "PresortFixture.h"
#include "support/FileSizeLimitScope.h"

namespace rp {
namespace {

using PresortRun = PresortFixture;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(PresortRun, WritesTheListWithCrLfLineEnds) {
    addZip("M5V 2T6");
    addZip("12346", 3);
    addZip("60601", 10);
    addZip("10002");
    addZip("12399-0001", 3);
    addZip("");
    addZip("33101", 2);
    addZip("12345", 4);
    addZip("00100");
    addZip("60602", 12, "DELETED");  // hidden by the standing condition
    EXPECT_EQ(presort(), PresortResult::Done);
    EXPECT_EQ(fileBytes(),
              "** 5-digit 60601\r\n60601\r\n"
              "** 3-digit 123\r\n12345\r\n12346\r\n12399\r\n"
              "** ADC MIAMI FL 331\r\n33101\r\n"
              "** ADC NEW YORK NY 100\r\n10002\r\n"
              "** Unknown\r\n00100\r\n");
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(PresortRun, AnEmptyViewGivesAnEmptyFile) {
    writeFile(listPath(), "** 5-digit 12345\r\n12345\r\n");
    addZip("12345", 3, "DELETED");
    EXPECT_EQ(presort(), PresortResult::Done);
    EXPECT_EQ(fileBytes(), "");
}

TEST_F(PresortRun, ReadsOnlyTheRecordsOfTheView) {
    addZip("12345", 9);
    addZip("12345", 1, "OUT");
    addZip("12346", 5);
    table->setFilter(kStandingCondition.toStdString() + " .AND. PREFIX<>\"OUT\"");
    EXPECT_EQ(presortLines(), (Lines{"** 3-digit 123", "12345", "12346"}));
}

TEST_F(PresortRun, ShowsItsStatusLinesAndStepsAfterEveryRecord) {
    addZip("12345", 299);  // the end, record 300, is no record read
    QStringList statuses;
    int steps = 0;
    PresortHooks hooks;
    hooks.status = [&](const QString& text) { statuses << text; };
    hooks.afterRecord = [&] { return ++steps > 0; };
    EXPECT_EQ(presort(hooks), PresortResult::Done);
    EXPECT_EQ(statuses, (QStringList{"Reading database records...", "Reading record 100",
                                     "Reading record 200", "Sorting Zip Codes..."}));
    EXPECT_EQ(steps, 299);
}

TEST_F(PresortRun, ACancelledRunLeavesTheEarlierFileAsItWas) {
    writeFile(listPath(), "earlier\r\n");
    addZip("12345", 20);
    QStringList statuses;
    int steps = 0;
    PresortHooks hooks;
    hooks.status = [&](const QString& text) { statuses << text; };
    hooks.afterRecord = [&] { return ++steps < 3; };
    EXPECT_EQ(presort(hooks), PresortResult::Cancelled);
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(fileBytes(), "earlier\r\n");
    EXPECT_FALSE(statuses.contains("Sorting Zip Codes..."));
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files).filter("PRESORT"),
              QStringList{kPresortFileName});
}

TEST_F(PresortRun, AFileThatCannotBeWrittenIsReported) {
    addZip("12345");
    EXPECT_EQ(runPresort(table.table(), folder() + "/missing", {}), PresortResult::Failed);
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, "error");
    const QString path = QDir::toNativeSeparators(folder() + "/missing/PRESORT.PSL");
    EXPECT_TRUE(shown.shown()[0].text.startsWith("Cannot write " + path))
        << shown.shown()[0].text.toStdString();
}

// A disk that fills while the list is written (here a limit on the size of files, whose writes
// fail as on a full disk) leaves the earlier list as it was.
TEST_F(PresortRun, AListCutShortLeavesTheEarlierOneAndSaysWhy) {
    for (int i = 0; i < 20; ++i) addZip(QString::number(10000 + i * 101).toStdString());
    writeFile(listPath(), "earlier\r\n");
    PresortResult result;
    {
        const FileSizeLimitScope limit(60);
        result = presort();
    }
    EXPECT_EQ(result, PresortResult::Failed);
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].text, "Cannot write " + listPath() + ": File too large");
    EXPECT_EQ(fileBytes(), "earlier\r\n");
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files).filter("PRESORT"),
              QStringList{kPresortFileName});
}

TEST_F(PresortRun, TheTableIsLeftInNaturalOrder) {
    ASSERT_TRUE(createAddressTags(table));
    table->setOrder("ZIP");
    addZip("99999");
    EXPECT_EQ(presort(), PresortResult::Done);
    EXPECT_EQ(table->order(), 0);
}

}  // namespace
}  // namespace rp

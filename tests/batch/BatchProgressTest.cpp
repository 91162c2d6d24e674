// The progress of a batch pass: the terminal bar with the rate, and the lines per tenth
// written to a file.
#include <gtest/gtest.h>
#include <cstdio>

#include "batch/BatchProgress.h"

namespace rp {
namespace {

QString written(std::FILE* file) {
    std::rewind(file);
    QByteArray bytes;
    char buffer[512];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, static_cast<qsizetype>(n));
    return QString::fromLocal8Bit(bytes);
}

TEST(BatchProgress, BarLineShowsTheShareTheCountAndTheRate) {
    const struct {
        std::uint64_t done, total;
        double seconds;
        const char* line;
    } cases[] = {
        {5000, 10000, 2.0,
         "labels [##########          ] 50 % 5000 of 10000 records, 2500 records/s"},
        {0, 10000, 0.0, "labels [                    ] 0 % 0 of 10000 records"},
        {999, 1000, 0.05, "labels [################### ] 99 % 999 of 1000 records"},
        {1000, 1000, 0.5,
         "labels [####################] 100 % 1000 of 1000 records, 2000 records/s"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BatchProgress::barLine("labels", c.done, c.total, c.seconds), c.line);
}

TEST(BatchProgress, ElsewhereOneLinePerTenth) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    BatchProgress progress(file, false);
    progress.start("presort");
    for (std::uint64_t done = 1; done <= 25; ++done) progress.report(done, 25);
    EXPECT_EQ(written(file),
              "presort: 10 % (3 of 25 records)\npresort: 20 % (5 of 25 records)\n"
              "presort: 30 % (8 of 25 records)\npresort: 40 % (10 of 25 records)\n"
              "presort: 50 % (13 of 25 records)\npresort: 60 % (15 of 25 records)\n"
              "presort: 70 % (18 of 25 records)\npresort: 80 % (20 of 25 records)\n"
              "presort: 90 % (23 of 25 records)\npresort: 100 % (25 of 25 records)\n");
    std::fclose(file);
}

TEST(BatchProgress, OnATerminalTheLineIsRedrawnAndEndsWithTheLastRecord) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    BatchProgress progress(file, true);
    progress.start("labels");
    for (std::uint64_t done = 1; done <= 4; ++done) progress.report(done, 4);
    const QString text = written(file);
    // The first record draws the line; the next ones come within the redraw interval; the last
    // one draws it again and ends it.
    EXPECT_TRUE(
        text.startsWith("\rlabels [#####               ] 25 % 1 of 4 records\x1b[K\r"
                        "labels [####################] 100 % 4 of 4 records"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("\x1b[K\n"));
    EXPECT_EQ(text.count('\r'), 2);
    std::fclose(file);
}

}  // namespace
}  // namespace rp

// xbase-tool under a file-size limit: the write past it fails with its cause and the tool ends
// with status 1, instead of being ended by SIGXFSZ without a word.
#include <gtest/gtest.h>

#include <string>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "support/TempDir.h"

namespace {

TEST(FileSizeLimit, AWritePastTheLimitIsReportedWithItsCause) {
    TempDir dir;
    const std::string table = dir.file("T.DBF");
    ASSERT_EQ(runProcess(XBASE_TOOL_PATH, {"create", table, "NAME:C:200"}, dir.path()).status, 0);
    std::string lines;
    for (int i = 0; i < 100; ++i) lines += std::string(150, 'x') + "\n";
    writeBytes(dir.file("in.csv"), lines);
    // prlimit leaves SIGXFSZ as this process has it, at its default.
    const ProcessResult run = runProcess(
        "/usr/bin/prlimit",
        {"--fsize=5000", XBASE_TOOL_PATH, "append-csv", table, dir.file("in.csv")}, dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "xbase-tool: Cannot write " + table + ": File too large\n");
}

}  // namespace

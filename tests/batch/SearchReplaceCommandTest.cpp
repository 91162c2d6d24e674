// "search-replace": occurrences within a field or whole values replaced on the chosen records,
// only with --yes; a bad FIELD leaves the file as it was.
#include <gtest/gtest.h>

#include "batch/UtilityCommandFixture.h"

namespace rp {
namespace {

class SearchReplaceCommandTest : public UtilityCommandFixture {};

TEST_F(SearchReplaceCommandTest, ReplacesTheMatchingTextOfTheChosenRecords) {
    const BatchRun run =
        batch({"search-replace", file, "Street", "e", "3", "--ignore-case", "--yes"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Replaced 2 records\nReplacement done\n"))
        << run.err.toStdString();
    // Baker is marked DELETED and not chosen.
    EXPECT_EQ(column("STREET"), (std::vector<std::string>{"1 3lm St", "2 Oak Av3", "3 Pine Rd"}));
}

TEST_F(SearchReplaceCommandTest, WholeReplacesFieldsEqualToTheText) {
    const BatchRun run = batch({"search-replace", file, "CITY", "Boise", "Meridian", "--whole",
                                "--filter", "STATE = \"ID\"", "--yes"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Replaced 1 records\n")) << run.err.toStdString();
    EXPECT_EQ(column("CITY"), (std::vector<std::string>{"Meridian", "Reno", "Boise"}));
}

TEST_F(SearchReplaceCommandTest, ChangesNothingWithoutYes) {
    const QByteArray before = bytesOf(file);
    const BatchRun run = batch({"search-replace", file, "CITY", "Reno", "Sparks"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.endsWith(" No (give --yes to answer Yes)\n")) << run.err.toStdString();
    EXPECT_EQ(bytesOf(file), before);
}

TEST_F(SearchReplaceCommandTest, ABadFieldLeavesTheFileAsItWas) {
    const QByteArray before = bytesOf(file);
    const BatchRun run = batch({"search-replace", file, "SHOESIZE", "9", "10", "--yes"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        run.err.startsWith("ravenpost-batch search-replace: FIELD: SHOESIZE cannot be "
                           "replaced; the fields are LNAME,FNAME,"))
        << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1);
    EXPECT_EQ(bytesOf(file), before);
    const BatchRun missing = batch({"search-replace", file, "CITY", "Reno"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "ravenpost-batch search-replace: give ADDRESSFILE FIELD FIND REPLACE\n");
}

}  // namespace
}  // namespace rp

// "uppercase": the fields of the chosen records in capitals (ASCII letters only), the others as
// they were, and a bad --fields leaving the file untouched.
#include <gtest/gtest.h>

#include "batch/UtilityCommandFixture.h"

namespace rp {
namespace {

class UppercaseCommandTest : public UtilityCommandFixture {};

TEST_F(UppercaseCommandTest, ConvertsTheNamedFieldsOfTheFilteredRecords) {
    const BatchRun run = batch(
        {"uppercase", file, "--fields", "city,lname", "--filter", "CITY = \"Boise\"", "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "1\n");  // Baker is marked DELETED and left out
    EXPECT_EQ(column("LNAME"), (std::vector<std::string>{"YOUNG", "Adams", "Baker"}));
    EXPECT_EQ(column("CITY"), (std::vector<std::string>{"BOISE", "Reno", "Boise"}));
    EXPECT_EQ(column("FNAME"), (std::vector<std::string>{"Ann", "Bob", "Cy"}));
}

TEST_F(UppercaseCommandTest, ConvertsEveryOfferedFieldByDefault) {
    const BatchRun run = batch({"uppercase", file});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "2\n");
    EXPECT_TRUE(run.err.contains("uppercase: 100 % (2 of 2 records)")) << run.err.toStdString();
    EXPECT_EQ(column("STREET"), (std::vector<std::string>{"1 ELM ST", "2 OAK AVE", "3 Pine Rd"}));
    EXPECT_EQ(column("FNAME"), (std::vector<std::string>{"ANN", "BOB", "Cy"}));
}

TEST_F(UppercaseCommandTest, ABadFieldLeavesTheFileAsItWas) {
    const QByteArray before = bytesOf(file);
    const BatchRun run = batch({"uppercase", file, "--fields", "CITY,SHOESIZE"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        run.err.startsWith("ravenpost-batch uppercase: --fields: SHOESIZE cannot be "
                           "converted; the fields are "))
        << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1);
    EXPECT_EQ(bytesOf(file), before);
}

}  // namespace
}  // namespace rp

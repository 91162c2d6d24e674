// Converting fields to capitals: ASCII letters only, the fields asked for only, and which
// records each scope reaches, with the table's query and record put back.
#include "data/AddressLayout.h"
#include "support/AddressFileFixture.h"
#include "utilities/UppercaseConversion.h"

namespace rp {
namespace {

TEST(UpperAsciiTest, OnlyTheLettersAToZChange) {
    // Windows-1252: é (E9), š (9A), ß (DF) and ÿ (FF) have capitals elsewhere but stay as they are.
    EXPECT_EQ(upperAscii("o'brien-smith \xE9mile \x9A\xDF\xFF az{}@`"),
              "O'BRIEN-SMITH \xE9MILE \x9A\xDF\xFF AZ{}@`");
    EXPECT_EQ(upperAscii(""), "");
}

class UppercaseConversionTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        add({{"LNAME", "adams"}, {"CITY", "boston"}, {"PREFIX", "mr."}});
        add({{"LNAME", "brown"}, {"CITY", "boston"}, {"PREFIX", "deleted"}});
        add({{"LNAME", "clark"}, {"CITY", "austin"}, {"PREFIX", "dr."}});
        add({{"LNAME", "dunn"}, {"CITY", "boston"}, {"PREFIX", "ms."}});
        table->setOrder(0);
    }
    std::vector<std::string> column(const char* field) {
        std::vector<std::string> out;
        for (std::uint32_t r = 1; r <= table->recordCount(); ++r) {
            table->go(r);
            out.push_back(table->text(field));
        }
        return out;
    }
    using Column = std::vector<std::string>;
};

TEST_F(UppercaseConversionTest, AllRecordsIgnoresTheFilterButSkipsDeletedOnesAndRestoresTheQuery) {
    const std::string userQuery = "CITY=\"boston\" .AND. " + kStandingCondition.toStdString();
    table->setFilter(userQuery);
    table->go(4);
    ASSERT_TRUE(markedOnDisk());
    std::vector<int> percents;
    const auto n = convertToUppercase(table.table(), {"LNAME", "CITY"}, ConvertScope::AllRecords,
                                      {[&](int p) { percents.push_back(p); }, [] { return true; }});
    EXPECT_EQ(n, 3u);
    EXPECT_FALSE(markedOnDisk());  // the run ends with everything written
    EXPECT_EQ(percents, (std::vector<int>{33, 66, 100}));
    EXPECT_EQ(table->recNo(), 4u);
    EXPECT_EQ(table->filter(), userQuery);
    EXPECT_EQ(column("LNAME"), (Column{"ADAMS", "brown", "CLARK", "DUNN"}));
    EXPECT_EQ(column("CITY"), (Column{"BOSTON", "boston", "AUSTIN", "BOSTON"}));
}

TEST_F(UppercaseConversionTest, CurrentRecordOnlyAndMatchingFilterReachTheirRecordsOnly) {
    table->go(3);
    EXPECT_EQ(convertToUppercase(table.table(), {"PREFIX"}, ConvertScope::CurrentRecord), 1u);
    EXPECT_EQ(column("PREFIX"), (Column{"mr.", "deleted", "DR.", "ms."}));

    table->setFilter("CITY=\"boston\"");
    table->go(3);
    EXPECT_EQ(convertToUppercase(table.table(), {"LNAME"}, ConvertScope::MatchingFilter), 3u);
    EXPECT_EQ(table->recNo(), 3u);
    EXPECT_EQ(column("LNAME"), (Column{"ADAMS", "BROWN", "clark", "DUNN"}));
}

}  // namespace
}  // namespace rp

// Rows of the Browse grid far from the ends: approximate rows that still follow each other,
// exact rows near the ends, rowOf and recordAt agreeing, and orders the sample misjudges.
#include <algorithm>

#include "app/RowWindow.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

constexpr int kReach = 50;

class BrowseRowWindowTest : public AddressFileFixture {
  protected:
    // 3000 records; every tenth deleted and hidden, Reno left out by the filter.
    void SetUp() override {
        AddressFileFixture::SetUp();
        addMany(3000);
        for (std::uint32_t r = 5; r <= table->recordCount(); r += 10) {
            table->go(r);
            table->deleteRecord();
        }
        engine.settings.hideDeleted = true;
        table->setFilter("CITY <> 'Reno'");
    }

    std::ptrdiff_t place(std::uint32_t recno) const {
        const auto at = std::find(records.begin(), records.end(), recno);
        return at == records.end() ? -1 : at - records.begin();
    }
    int rows() const { return static_cast<int>(records.size()); }

    std::vector<std::uint32_t> records;
};

TEST_F(BrowseRowWindowTest, ScrollingDownFromAnApproximateRowReachesTheExactEnd) {
    records = walk();
    ASSERT_GT(rows(), 1500);
    table->go(records[9]);
    RowWindow window(table.table(), rows(), kReach);
    const int start = rows() / 2;
    std::ptrdiff_t previous = place(window.recordAt(start));
    EXPECT_NEAR(static_cast<double>(previous), start, rows() / 10);
    int jumps = 0;
    for (int row = start + 1; row < rows(); ++row) {
        const std::ptrdiff_t now = place(window.recordAt(row));
        ASSERT_GE(now, 0) << "row " << row << " shows a record the navigation leaves out";
        if (now != previous + 1) ++jumps;
        if (row >= rows() - 1 - kReach) {
            EXPECT_EQ(now, row);
        }
        previous = now;
    }
    EXPECT_LE(jumps, 1) << "the one seam where the rows counted from the bottom take over";
    EXPECT_EQ(table->recNo(), records[9]);
}

TEST_F(BrowseRowWindowTest, RowOfAndRecordAtAgree) {
    records = walk();
    RowWindow window(table.table(), rows(), kReach);
    for (std::size_t i = 0; i < records.size(); i += 37) {
        const int row = window.rowOf(records[i]);
        EXPECT_EQ(window.recordAt(row), records[i]) << i;
        if (static_cast<int>(i) <= kReach || static_cast<int>(i) >= rows() - 1 - kReach) {
            EXPECT_EQ(row, static_cast<int>(i));
        } else {
            EXPECT_NEAR(row, static_cast<double>(i), rows() / 10);
        }
    }
    EXPECT_EQ(window.rowOf(5), -1) << "deleted";
    table->go(2);
    ASSERT_EQ(table->text("CITY"), "Reno");
    EXPECT_EQ(window.rowOf(2), -1) << "filtered out";
    EXPECT_EQ(window.rowOf(0), -1);
    EXPECT_EQ(window.recordAt(rows()), 0u);
    EXPECT_EQ(window.recordAt(-1), 0u);
}

TEST_F(BrowseRowWindowTest, AnOrderThatListsFewRecordsStillGivesTheRightRows) {
    // The sample is drawn from all records, but this order lists only the first names of
    // the alphabet: estimates land past its end, and the rows come out counted from there.
    table->createTag("EARLY", "UPPER(LNAME)", "UPPER(LNAME) < 'C'");
    table->setOrder("EARLY");
    records = walk();
    ASSERT_GT(rows(), 4 * kReach);
    RowWindow window(table.table(), rows(), kReach);
    for (int row : {rows() / 2, rows() / 3, rows() / 2 + 1})
        EXPECT_EQ(window.recordAt(row), records[static_cast<std::size_t>(row)]) << row;
}

}  // namespace
}  // namespace rp

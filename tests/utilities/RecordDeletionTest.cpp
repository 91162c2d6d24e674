// Deleting records in bulk: which records each choice deletes, both marks on each, the count
// that is reported, and the table and engine settings put back.
#include "support/AddressFileFixture.h"
#include "utilities/RecordDeletion.h"

namespace rp {
namespace {

class RecordDeletionTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        for (const char* city : {"Boston", "Austin", "Boston", "Denver", "Austin"})
            add({{"LNAME", "X"}, {"CITY", city}});
        // Record 6 was deleted before: the deletion mark and PREFIX.
        add({{"LNAME", "Gone"}, {"CITY", "Denver"}, {"PREFIX", "DELETED"}});
        table->deleteRecord();
        table->setOrder(0);
        engine.settings.hideDeleted = true;
    }
    // "d" for a record with both marks, "-" for one without either, "?" for half deleted.
    std::string marks() {
        std::string out;
        const bool hide = engine.settings.hideDeleted;
        engine.settings.hideDeleted = false;
        for (std::uint32_t r = 1; r <= table->recordCount(); ++r) {
            table->go(r);
            const bool prefix = table->text("PREFIX") == "DELETED";
            out += prefix && table->deleted() ? 'd' : !prefix && !table->deleted() ? '-' : '?';
        }
        engine.settings.hideDeleted = hide;
        return out;
    }
};

TEST_F(RecordDeletionTest, NotMatchingDeletesExactlyWhatTheNegatedFilterLetsThrough) {
    EXPECT_EQ(deletionQuery(DeleteChoice::NotMatchingFilter, "CITY=\"Boston\""),
              ".not.(CITY=\"Boston\")");
    table->setFilter("CITY=\"Boston\"");
    table->go(3);
    std::vector<int> percents;
    const auto n = deleteRecords(table.table(), DeleteChoice::NotMatchingFilter, "CITY=\"Boston\"",
                                 {[&](int p) { percents.push_back(p); }, {}});
    // Record 6 was in the negated view (shown while deleting) but is not counted again.
    EXPECT_EQ(n, 3u);
    EXPECT_EQ(percents, (std::vector<int>{25, 50, 75, 100}));
    EXPECT_EQ(table->recNo(), 3u);
    EXPECT_EQ(table->filter(), "CITY=\"Boston\"");
    EXPECT_EQ(marks(), "-d-ddd");
    EXPECT_TRUE(engine.settings.hideDeleted);
    // Deleting by the filter needs one.
    EXPECT_THROW(deleteRecords(table.table(), DeleteChoice::MatchingFilter, ""),
                 std::invalid_argument);
    EXPECT_EQ(marks(), "-d-ddd");
}

TEST_F(RecordDeletionTest, AllWithAFilterSetEmptiesTheWholeFile) {
    table->setFilter("CITY=\"Austin\"");
    std::vector<int> percents;
    EXPECT_EQ(deleteRecords(table.table(), DeleteChoice::All, "CITY=\"Austin\"",
                            {[&](int p) { percents.push_back(p); }, {}}),
              5u);
    EXPECT_EQ(percents, (std::vector<int>{100}));
    EXPECT_EQ(table->recordCount(), 0u);
    EXPECT_EQ(table->filter(), "CITY=\"Austin\"");
    EXPECT_TRUE(engine.settings.hideDeleted);
}

}  // namespace
}  // namespace rp

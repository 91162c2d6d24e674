// The table scope guard: query, order, navigation settings and record put back on every way
// out, an exception's included; an edit begun inside dropped; the record left when asked.
#include <stdexcept>

#include "data/TableRestore.h"
#include "support/AddressFileFixture.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class TableRestoreTest : public AddressFileFixture {};

TEST_F(TableRestoreTest, PutsTheViewAndRecordBackWhenTheScopeThrows) {
    add({{"LNAME", "Clark"}});
    const std::uint32_t baker = add({{"LNAME", "Baker"}});
    add({{"LNAME", "Adams"}});
    table->setFilter("CITY = \"\"");
    table->go(baker);
    engine.settings = {};

    const struct {
        TableRestore::Record record;
        std::uint32_t after;
    } cases[] = {{TableRestore::Record::Restore, baker}, {TableRestore::Record::Leave, 1}};
    for (const auto& c : cases) {
        table->go(baker);
        EXPECT_THROW(
            {
                TableRestore restore(table.table(), c.record);
                table->setOrder("ZIP");
                table->setFilter("LNAME = \"A\"");
                engine.settings.exact = true;
                engine.settings.softSeek = true;
                engine.settings.hideDeleted = true;
                table->go(1);
                table->setText("CITY", "Reno");
                throw std::runtime_error("the run failed");
            },
            std::runtime_error);
        EXPECT_EQ(table->orderTagName(), "LNAME");
        EXPECT_EQ(table->filter(), "CITY = \"\"");
        EXPECT_FALSE(engine.settings.exact);
        EXPECT_FALSE(engine.settings.softSeek);
        EXPECT_FALSE(engine.settings.hideDeleted);
        EXPECT_FALSE(table->editing());
        EXPECT_EQ(table->recNo(), c.after);
        table->go(1);
        EXPECT_EQ(table->text("CITY"), "");
    }
}

TEST_F(TableRestoreTest, StandsAtTheEndAgainWhenItStoodThere) {
    add({{"LNAME", "Adams"}});
    table->goBottom();
    table->skip();
    ASSERT_TRUE(table->eof());
    {
        TableRestore restore(table.table());
        table->goTop();
    }
    EXPECT_TRUE(table->eof());
}

}  // namespace
}  // namespace rp

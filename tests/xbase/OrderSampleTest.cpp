// A sample of the records in the table's current order: where a record falls among them and
// which record lies a fraction of the way down.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/OrderSample.h"

using namespace xbase;

namespace {

struct SampleCase {
    const char* order;   // a tag name, or "" for record order
    const char* filter;  // "" for none
    std::vector<std::uint32_t> inOrder;
};

// A people table open exclusively.
class OrderSampleTest : public testing::Test {
  protected:
    std::unique_ptr<Table> people() {
        const std::string path = dir_.file("PEOPLE.DBF");
        engine_.create(path, peopleFields());
        return engine_.open(path, OpenMode::Exclusive);
    }

  private:
    TempDir dir_;
    Engine engine_;
};

TEST_F(OrderSampleTest, ListsTheRecordsNavigationShowsAsTheOrderSortsThem) {
    auto t = people();
    appendNames(*t, {"Eve", "Bob", "Dan", "Al", "Cy"});  // AGE 1 to 5
    t->createTag("NAME", "UPPER(NAME)");
    t->createTag("OLDEST", "-AGE");
    t->createTag("BORN", "BORN");

    const SampleCase cases[] = {
        {"", "", {1, 2, 3, 4, 5}},
        {"NAME", "", {4, 2, 5, 3, 1}},
        {"OLDEST", "", {5, 4, 3, 2, 1}},
        {"BORN", "", {1, 2, 3, 4, 5}},  // equal keys keep record order
        {"NAME", "AGE > 2", {4, 5, 3}},
    };
    for (const SampleCase& c : cases) {
        SCOPED_TRACE(std::string(c.order) + " " + c.filter);
        if (*c.order)
            t->setOrder(std::string_view(c.order));
        else
            t->setOrder(0);
        t->setFilter(c.filter);
        const OrderSample sample(*t, 100);
        ASSERT_EQ(sample.size(), c.inOrder.size());
        const double last = static_cast<double>(c.inOrder.size() - 1);
        for (std::size_t i = 0; i < c.inOrder.size(); ++i) {
            EXPECT_EQ(sample.recordAt(static_cast<double>(i) / last), c.inOrder[i]) << i;
            t->go(c.inOrder[i]);
            EXPECT_DOUBLE_EQ(sample.fractionBefore(*t),
                             static_cast<double>(i) / static_cast<double>(c.inOrder.size()));
        }
    }
}

TEST_F(OrderSampleTest, TakesRecordsSpreadEvenlyOverALargerFile) {
    auto t = people();
    appendNames(*t, std::vector<std::string>(10, "Same"));
    const OrderSample sample(*t, 2);
    ASSERT_EQ(sample.size(), 2u);
    // The middles of the two halves: records 3 and 8.
    EXPECT_EQ(sample.recordAt(0), 3u);
    EXPECT_EQ(sample.recordAt(1), 8u);
    EXPECT_EQ(OrderSample(*t, 0).recordAt(0.5), 0u);  // an empty sample knows no record
}

}  // namespace

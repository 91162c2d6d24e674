// Filters set from random lines on a file of random records let through exactly the records a
// plain look at every record in turn picks (exact matching off, deleted records hidden), in
// the LNAME order that lets many of them use an index.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "app/FilterBuilder.h"
#include "data/AddressLayout.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

using FilterScanTest = AddressFileFixture;

TEST_F(FilterScanTest, RandomFiltersLetThroughWhatAPlainScanPicks) {
    std::mt19937 random(20240611);
    auto pick = [&](const std::vector<std::string>& pool) { return pool[random() % pool.size()]; };
    // The lines' pools: Last, Zip, City, State, Codes.
    const std::pair<int, std::vector<std::string>> pools[] = {
        {0, {"Brown", "brownlee", "Green", "Greene", "O'Hara", "adler", ""}},
        {5, {"59123", "60000", "60999", "61000", "6"}},
        {6, {"Springfield", "Spring Hill", "springs", "Reno"}},
        {7, {"IL", "il", "Ohio", "OR", ""}},
        {13, {"A", "B", "AB", "b c", ""}},
    };
    engine.settings.hideDeleted = true;
    table->deleteIndexes();
    for (int i = 0; i < 3000; ++i) {
        const std::string day =
            std::to_string(19950101 + random() % 5 * 10000 + random() % 12 * 100 + random() % 28);
        add({{"LNAME", pick(pools[0].second)},
             {"ZIP", pick(pools[1].second)},
             {"CITY", pick(pools[2].second)},
             {"STATE", pick(pools[3].second)},
             {"NOTES", pick(pools[4].second)},
             {"PREFIX", pick({"Mr.", "Deleted", "deleted 2", "Del", "", "", "", ""})},
             {"DATE", random() % 8 ? day : ""}});
        if (random() % 30 == 0) table->deleteRecord();
    }
    ASSERT_TRUE(createAddressTags(table));
    table->setOrder("LNAME");

    int picked = 0;
    for (int round = 0; round < 60; ++round) {
        // Pieces from the pools, cut short, with or without an operator, joined at random.
        FilterLines lines;
        for (const auto& [line, pool] : pools) {
            const int pieces = random() % 3 != 0 ? 0 : random() % 3 == 0 ? 2 + random() % 2 : 1;
            for (int i = 0; i < pieces; ++i) {
                if (!lines[line].isEmpty()) lines[line] += QString(";+^"[random() % 3]);
                lines[line] += pick({"", "", "", ">=", "<=", ">", "<", "$"}).c_str() +
                               QString::fromStdString(pick(pool).substr(0, 1 + random() % 4));
            }
        }
        if (random() % 4 == 0) {
            const std::string op = pick({"", ">=", "<"});
            lines[12] =
                QString("%1%2/15/199%3").arg(op.c_str()).arg(1 + random() % 12).arg(random() % 10);
        }

        QString user;
        const int count = applyAddressFilter(table.table(), lines, "mm/dd/yyyy", user);
        const xbase::Expression query = table->compile(table->filter());
        std::vector<std::uint32_t> expected;
        for (std::uint32_t r = 1; r <= table->recordCount(); ++r) {
            table->go(r);
            if (!table->deleted() && query.evalLogical(table.table(), engine.settings))
                expected.push_back(r);
        }
        std::vector<std::uint32_t> got = walk();
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, expected) << table->filter();
        const bool set = table->filter() != kStandingCondition.toStdString();
        EXPECT_EQ(count, set ? static_cast<int>(expected.size()) : 0) << table->filter();
        picked += set && !expected.empty() && expected.size() < 2000 ? 1 : 0;
    }
    EXPECT_GT(picked, 15);
}

}  // namespace
}  // namespace rp

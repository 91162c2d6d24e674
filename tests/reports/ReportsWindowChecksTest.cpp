// The Print Report window in each test language: usable by keys, and in English every control a
// screen reader reaches has a name.
#include <gtest/gtest.h>

#include "ReportWindows.h"
#include "support/AddressFileFixture.h"
#include "support/WindowChecks.h"

namespace rp {
namespace {

using ReportsWindowChecksTest = WindowChecksTest<AddressFileFixture>;

TEST_P(ReportsWindowChecksTest, EveryWindowPassesTheChecks) {
    ReportWindows windows(table.table(), QString::fromStdString(dir.path()));
    expectPassChecks(windows.all());
}

INSTANTIATE_TEST_SUITE_P(Languages, ReportsWindowChecksTest,
                         ::testing::ValuesIn(windowCheckLooks()));

}  // namespace
}  // namespace rp

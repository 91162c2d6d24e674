// Every utility window in each test language: usable by keys, and in English every control a
// screen reader reaches has a name.
#include <gtest/gtest.h>

#include "UtilityWindows.h"
#include "support/AddressFileFixture.h"
#include "support/WindowChecks.h"

namespace rp {
namespace {

using UtilitiesWindowChecksTest = WindowChecksTest<AddressFileFixture>;

TEST_P(UtilitiesWindowChecksTest, EveryWindowPassesTheChecks) {
    UtilityWindows windows(table.table(), QString::fromStdString(dir.path()) + "/");
    expectPassChecks(windows.all());
}

INSTANTIATE_TEST_SUITE_P(Languages, UtilitiesWindowChecksTest,
                         ::testing::ValuesIn(windowCheckLooks()));

}  // namespace
}  // namespace rp

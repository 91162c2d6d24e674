// Every presort and ZIP count window in each test language: usable by keys, and in English
// every control a screen reader reaches has a name.
#include <gtest/gtest.h>

#include "PostalWindows.h"
#include "PresortFixture.h"
#include "support/WindowChecks.h"

namespace rp {
namespace {

using PostalWindowChecksTest = WindowChecksTest<PresortFixture>;

TEST_P(PostalWindowChecksTest, EveryWindowPassesTheChecks) {
    PostalWindows windows(table.table(), folder());
    expectPassChecks(windows.all());
}

INSTANTIATE_TEST_SUITE_P(Languages, PostalWindowChecksTest,
                         ::testing::ValuesIn(windowCheckLooks()));

}  // namespace
}  // namespace rp

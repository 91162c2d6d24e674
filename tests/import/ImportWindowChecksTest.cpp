// Every import window in each test language: usable by keys, and in English every control a
// screen reader reaches has a name.
#include <gtest/gtest.h>

#include "ImportWindows.h"
#include "support/AddressFileFixture.h"
#include "support/WindowChecks.h"

namespace rp {
namespace {

using ImportWindowChecksTest = WindowChecksTest<AddressFileFixture>;

TEST_P(ImportWindowChecksTest, EveryWindowPassesTheChecks) {
    ImportWindows windows(table, QString::fromStdString(dir.path()));
    expectPassChecks(windows.all());
}

INSTANTIATE_TEST_SUITE_P(Languages, ImportWindowChecksTest,
                         ::testing::ValuesIn(windowCheckLooks()));

}  // namespace
}  // namespace rp

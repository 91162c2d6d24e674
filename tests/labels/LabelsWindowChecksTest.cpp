// Every label window in each test language: usable by keys, and in English every control a
// screen reader reaches has a name.
#include <gtest/gtest.h>

#include "LabelSideFixture.h"
#include "LabelWindows.h"
#include "support/WindowChecks.h"

namespace rp {
namespace {

using LabelsWindowChecksTest = WindowChecksTest<LabelSideTest>;

TEST_P(LabelsWindowChecksTest, EveryWindowPassesTheChecks) {
    LabelWindowsWithFiles made(engine, path("LIST.DBF"), folder(), open("RVPLSU.DBF"),
                               open("RVPLBLS.DBF"));
    expectPassChecks(made.windows.all());
}

INSTANTIATE_TEST_SUITE_P(Languages, LabelsWindowChecksTest,
                         ::testing::ValuesIn(windowCheckLooks()));

}  // namespace
}  // namespace rp

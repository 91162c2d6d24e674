// Every envelope window in each test language: usable by keys, and in English every control a
// screen reader reaches has a name.
#include <gtest/gtest.h>

#include "EnvelopeFixture.h"
#include "EnvelopeWindows.h"
#include "support/WindowChecks.h"

namespace rp {
namespace {

using EnvelopesWindowChecksTest = WindowChecksTest<EnvelopeFixture>;

TEST_P(EnvelopesWindowChecksTest, EveryWindowPassesTheChecks) {
    EnvelopeWindowsWithFiles made(engine, path("ADDRESS.DBF"), folder(), open("RVPESU.DBF"),
                                  open("RVPENVS.DBF"));
    expectPassChecks(made.windows.all());
}

INSTANTIATE_TEST_SUITE_P(Languages, EnvelopesWindowChecksTest,
                         ::testing::ValuesIn(windowCheckLooks()));

}  // namespace
}  // namespace rp

// The framework's windows in each test language: the preview, help and about windows are
// usable by keys, and in English every control of every window a screen reader reaches has a
// name.
#include <gtest/gtest.h>

#include "FrameworkWindows.h"
#include "support/ScriptedMessages.h"
#include "support/WindowChecks.h"

namespace rp {
namespace {

class MessagesRecorded : public ::testing::Test {
  protected:
    ScriptedMessages told;
    MessagesScope scope{told};
};

using FrameworkWindowChecksTest = WindowChecksTest<MessagesRecorded>;

TEST_P(FrameworkWindowChecksTest, EveryWindowPassesTheChecks) {
    FrameworkWindows windows;
    expectPassChecks(windows.used());
    if (GetParam() == "en") expectEveryControlNamed(windows.shown());
}

INSTANTIATE_TEST_SUITE_P(Languages, FrameworkWindowChecksTest,
                         ::testing::ValuesIn(windowCheckLooks()));

}  // namespace
}  // namespace rp

// The Dial Phone Number window in each test language: usable by keys, and in English every
// control a screen reader reaches has a name.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "dialer/DialPhoneDialog.h"
#include "support/WindowChecks.h"

namespace rp {
namespace {

using DialerWindowChecksTest = WindowChecksTest<::testing::Test>;

TEST_P(DialerWindowChecksTest, TheDialWindowPassesTheChecks) {
    QTemporaryDir dir;
    DialPhoneDialog dialog(dir.filePath(QStringLiteral("RAVENP.INI")), QStringLiteral("555-0100"));
    expectPassChecks({{"Dial Phone Number", &dialog}});
}

INSTANTIATE_TEST_SUITE_P(Languages, DialerWindowChecksTest,
                         ::testing::ValuesIn(windowCheckLooks()));

}  // namespace
}  // namespace rp

// What a screen reader finds in the Dial Phone Number window: every control it can reach has a
// name.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "dialer/DialPhoneDialog.h"
#include "support/AccessibleTree.h"

namespace rp {
namespace {

TEST(DialerAccessibilityTest, EveryControlOfTheDialWindowHasAName) {
    QTemporaryDir dir;
    DialPhoneDialog dialog(dir.filePath(QStringLiteral("RAVENP.INI")), QStringLiteral("555-0100"));
    EXPECT_EQ(unnamedFocusableElements(dialog), std::vector<std::string>());
}

}  // namespace
}  // namespace rp

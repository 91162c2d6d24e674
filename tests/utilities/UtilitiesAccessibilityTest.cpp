// What a screen reader finds in the utility windows: every control it can reach has a name.
#include <gtest/gtest.h>

#include "UtilityWindows.h"
#include "support/AccessibleTree.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

using UtilitiesAccessibilityTest = AddressFileFixture;

TEST_F(UtilitiesAccessibilityTest, EveryControlOfTheUtilityWindowsHasAName) {
    UtilityWindows windows(table.table(), QString::fromStdString(dir.path()) + "/");
    for (const NamedWindow& window : windows.all())
        EXPECT_EQ(unnamedFocusableElements(*window.window), std::vector<std::string>())
            << window.name;
}

}  // namespace
}  // namespace rp

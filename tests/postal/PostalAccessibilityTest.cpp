// What a screen reader finds in the presort and ZIP count windows: every control it can reach
// has a name.
#include "PostalWindows.h"
#include "PresortFixture.h"
#include "support/AccessibleTree.h"

namespace rp {
namespace {

using PostalAccessibilityTest = PresortFixture;

TEST_F(PostalAccessibilityTest, EveryControlOfThePostalWindowsHasAName) {
    PostalWindows windows(table.table(), folder());
    for (const NamedWindow& window : windows.all())
        EXPECT_EQ(unnamedFocusableElements(*window.window), std::vector<std::string>())
            << window.name;
}

}  // namespace
}  // namespace rp

// What a screen reader finds in the presort and ZIP count windows: every control it can reach
// has a name.
#include "PresortFixture.h"
#include "postal/PresortDialog.h"
#include "postal/ZipCountDialog.h"
#include "support/AccessibleTree.h"

namespace rp {
namespace {

using PostalAccessibilityTest = PresortFixture;

TEST_F(PostalAccessibilityTest, EveryControlOfThePostalWindowsHasAName) {
    PresortDialog presort(table.table(), folder(), nullptr);
    ZipCountDialog count(table.table());
    EXPECT_EQ(unnamedFocusableElements(presort), std::vector<std::string>());
    EXPECT_EQ(unnamedFocusableElements(count), std::vector<std::string>());
}

}  // namespace
}  // namespace rp

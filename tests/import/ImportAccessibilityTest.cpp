// What a screen reader finds in the import windows: every control it can reach has a name.
#include "ImportWindows.h"
#include "support/AccessibleTree.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

using ImportAccessibilityTest = AddressFileFixture;

TEST_F(ImportAccessibilityTest, EveryControlOfTheImportWindowsHasAName) {
    ImportWindows windows(table, QString::fromStdString(dir.path()));
    for (const NamedWindow& window : windows.all())
        EXPECT_EQ(unnamedFocusableElements(*window.window), std::vector<std::string>())
            << window.name;
}

}  // namespace
}  // namespace rp

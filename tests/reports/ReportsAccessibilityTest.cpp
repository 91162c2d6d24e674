// What a screen reader finds in the Print Report window: every control it can reach has a name.
#include <gtest/gtest.h>

#include "ReportWindows.h"
#include "support/AccessibleTree.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

using ReportsAccessibilityTest = AddressFileFixture;

TEST_F(ReportsAccessibilityTest, EveryControlOfThePrintReportWindowHasAName) {
    ReportWindows windows(table.table(), QString::fromStdString(dir.path()));
    for (const NamedWindow& window : windows.all())
        EXPECT_EQ(unnamedFocusableElements(*window.window), std::vector<std::string>())
            << window.name;
}

}  // namespace
}  // namespace rp

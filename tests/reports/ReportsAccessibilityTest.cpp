// What a screen reader finds in the Print Report window: every control it can reach has a name.
#include <gtest/gtest.h>

#include "framework/PrinterCatalog.h"
#include "reports/PrintReportDialog.h"
#include "support/AccessibleTree.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

using ReportsAccessibilityTest = AddressFileFixture;

TEST_F(ReportsAccessibilityTest, EveryControlOfThePrintReportWindowHasAName) {
    PrinterCatalog catalog{{}, QString()};
    PrintReportDialog dialog(table.table(), catalog,
                             QString::fromStdString(dir.path()) + "/RAVENP.INI",
                             QStringLiteral("LIST.DBF"), true, QStringLiteral("MM/dd/yyyy"));
    EXPECT_EQ(unnamedFocusableElements(dialog), std::vector<std::string>());
}

}  // namespace
}  // namespace rp

// What a screen reader finds in Rebuild Indexes and the main window: every control of Rebuild
// Indexes it can reach has a name, and the Browse list's columns are named by their captions.
#include <gtest/gtest.h>

#include <QAccessible>

#include "MainWindowFixture.h"
#include "app/BrowseGrid.h"
#include "app/RebuildIndexesDialog.h"
#include "support/AccessibleTree.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

using AccessibleRebuildIndexesTest = AddressFileFixture;

TEST_F(AccessibleRebuildIndexesTest, EveryControlOfRebuildIndexesHasAName) {
    RebuildIndexesDialog rebuild(table, QString::fromStdString(dir.path()), nullptr);
    EXPECT_EQ(unnamedFocusableElements(rebuild), std::vector<std::string>());
}

using AccessibleMainWindowTest = MainWindowTest;

TEST_F(AccessibleMainWindowTest, BrowseColumnsAreReadByTheirCaptions) {
    makeFile("LIST.DBF", {{"Ames", "Ann", "Boston", "MA", "02101"}});
    start(path("LIST.DBF"));
    auto* grid = main->findChild<BrowseGrid*>();
    ASSERT_NE(grid, nullptr);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), "Browse");
    std::vector<std::string> headers;
    for (int i = 0; i < table->childCount(); ++i)
        if (QAccessibleInterface* cell = table->child(i);
            cell && cell->role() == QAccessible::ColumnHeader)
            headers.push_back(cell->text(QAccessible::Name).toStdString());
    const std::vector<std::string> captions = {
        "Last Name",      "First Name", "Middle", "Organization", "City",    "Zip/Postal Code",
        "Street Address", "PREFIX",     "State",  "Title",        "Country", "Phone",
        "Codes",          "Email",      "Fax",    "DATE"};
    EXPECT_EQ(headers, captions);
}

}  // namespace
}  // namespace rp

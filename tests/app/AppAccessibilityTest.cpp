// What a screen reader finds in the main window and the windows of its layer: every control it
// can reach has a name, and the Browse list's columns are named by their captions.
#include <gtest/gtest.h>

#include <QAccessible>

#include "AppWindows.h"
#include "MainWindowFixture.h"
#include "app/BrowseGrid.h"
#include "app/RebuildIndexesDialog.h"
#include "support/AccessibleTree.h"
#include "support/AddressFileFixture.h"
#include "support/TempDir.h"

namespace rp {
namespace {

class AccessibleWindowTest : public ::testing::TestWithParam<WindowCase> {
  protected:
    TempDir dir;
};

TEST_P(AccessibleWindowTest, EveryControlHasAName) {
    const std::unique_ptr<QWidget> window =
        GetParam().make(QString::fromStdString(dir.path()) + QLatin1Char('/'));
    EXPECT_EQ(unnamedFocusableElements(*window), std::vector<std::string>());
}

INSTANTIATE_TEST_SUITE_P(Windows, AccessibleWindowTest, ::testing::ValuesIn(appWindows()),
                         [](const auto& info) { return std::string(info.param.name); });

using AccessibleRebuildIndexesTest = AddressFileFixture;

TEST_F(AccessibleRebuildIndexesTest, EveryControlOfRebuildIndexesHasAName) {
    RebuildIndexesDialog rebuild(table, QString::fromStdString(dir.path()), nullptr);
    EXPECT_EQ(unnamedFocusableElements(rebuild), std::vector<std::string>());
}

using AccessibleMainWindowTest = MainWindowTest;

TEST_F(AccessibleMainWindowTest, EveryControlOfTheMainWindowHasAName) {
    makeFile("LIST.DBF", {{"Ames", "Ann", "Boston", "MA", "02101"}});
    start(path("LIST.DBF"));
    EXPECT_EQ(unnamedFocusableElements(*main), std::vector<std::string>());
}

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

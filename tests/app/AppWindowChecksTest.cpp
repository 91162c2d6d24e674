// The main window and the app layer's windows in each test language: the main window and the
// dialogs are usable by keys (no mnemonic clashes but the known ones), and in English every
// control of every window a screen reader reaches has a name.
#include <gtest/gtest.h>

#include <QDialog>

#include "AppWindows.h"
#include "MainWindowFixture.h"
#include "support/WindowChecks.h"

namespace rp {
namespace {

// The clashes the program's own captions bring: the Order menu's and the Utilities menu's
// entries, and the record and Filter pages' buttons against the menu bar's titles.
const std::vector<KnownClash> kKnownClashes = {
    {{"rp::OrderMenu", "&City"}, {"rp::OrderMenu", "&Country"}, {"rp::OrderMenu", "&Codes"}},
    {{"rp::OrderMenu", "&Street"}, {"rp::OrderMenu", "&State"}},
    {{"rp::OrderMenu", "&First Name"}, {"rp::OrderMenu", "&Fax"}},
    {{"CommandPlan", "Check && Repair &State and Zip Codes"},
     {"CommandPlan", "&Search && Replace Field Values"}},
    {{"CommandStates", "Searc&h"}, {"rp::MainWindow", "&Help"}},
    {{"rp::FilterPage", "C&lear"}, {"CommandPlan", "&Labels"}},
};

using AppWindowChecksTest = WindowChecksTest<MainWindowTest>;

TEST_P(AppWindowChecksTest, TheMainWindowPassesTheChecks) {
    makeFile("LIST.DBF", {{"Ames", "Ann", "Boston", "MA", "02101"}});
    start(path("LIST.DBF"));
    expectPassChecks({{"Main window", main.get()}}, kKnownClashes);
}

// The record and Filter pages and the postal barcode box are parts of the main window and of
// Preferences, which the keys are tried on as wholes.
TEST_P(AppWindowChecksTest, EveryWindowPassesTheChecks) {
    for (const WindowCase& c : appWindows()) {
        const std::unique_ptr<QWidget> window = c.make(folder());
        if (qobject_cast<QDialog*>(window.get()))
            expectPassChecks({{c.name, window.get()}});
        else if (GetParam() == "en")
            expectEveryControlNamed({{c.name, window.get()}});
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, AppWindowChecksTest, ::testing::ValuesIn(windowCheckLooks()));

}  // namespace
}  // namespace rp

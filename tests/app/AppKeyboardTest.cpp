// The main window and the app layer's dialogs from the keyboard, in each test language: no
// mnemonic clashes but the known ones, every control reached by Tab, Escape closing.
#include <gtest/gtest.h>

#include <QDialog>

#include "AppWindows.h"
#include "MainWindowFixture.h"
#include "support/KeyboardChecks.h"
#include "support/TestLanguage.h"

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

class AppKeyboardTest : public MainWindowTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(AppKeyboardTest, TheMainWindowIsUsableByKeys) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    makeFile("LIST.DBF", {{"Ames", "Ann", "Boston", "MA", "02101"}});
    start(path("LIST.DBF"));
    expectUsableByKeys({"Main window", main.get()}, kKnownClashes);
}

TEST_P(AppKeyboardTest, EveryDialogIsUsableByKeys) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    for (const WindowCase& c : appWindows()) {
        const std::unique_ptr<QWidget> window = c.make(folder());
        if (qobject_cast<QDialog*>(window.get())) expectUsableByKeys({c.name, window.get()});
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, AppKeyboardTest, ::testing::ValuesIn(testLanguages()));

}  // namespace
}  // namespace rp

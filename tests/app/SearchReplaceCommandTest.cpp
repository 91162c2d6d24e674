// Utilities > Search & Replace Field Values from the main window: the dialog works on the
// user's filter alone and the window's view comes back afterwards.
#include <QComboBox>
#include <QRadioButton>
#include <QTimer>

#include "MainWindowFixture.h"
#include "app/FilterBuilder.h"
#include "app/FilterPage.h"
#include "utilities/SearchReplaceDialog.h"

namespace rp {
namespace {

class SearchReplaceCommandTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"},
                              {"Adams", "Bob", "Denver", "CO", "80201"},
                              {"Baker", "Cy", "Boston", "MA", "02102"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
        start();
    }
};

TEST_F(SearchReplaceCommandTest, ChangesTheFilteredRecordsAndAppliesTheFilterAgain) {
    xbase::Table& table = main->addressTable().table();
    ASSERT_TRUE(main->commandAction(Command::SearchReplace)->isEnabled());
    main->changeToFilter();
    main->filterPage()->line(0)->setText("Brown");
    main->onSetNowClicked();
    main->changeToRecord();
    shown.clear();

    std::string query;
    QTimer::singleShot(0, main.get(), [&] {
        auto* dialog = qobject_cast<SearchReplaceDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        query = table.filter();
        dialog->fieldChoice()->setCurrentText("City");
        dialog->findEdit()->setText("Boston");
        dialog->replacementEdit()->setText("Salem");
        dialog->filteredButton()->setChecked(true);
        dialog->onReplaceNowClicked();
    });
    // A dialog left open fails the test instead of hanging it.
    QTimer::singleShot(5000, main.get(), [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    shown.answer(true);
    main->runCommand(Command::SearchReplace);

    EXPECT_EQ(QString::fromStdString(query), main->filterExpression());
    EXPECT_EQ(shown.texts().mid(1), (QStringList{"Replaced 1 records", "Replacement done"}));
    EXPECT_EQ(QString::fromStdString(table.filter()), joinedFilter(main->filterExpression()));
    EXPECT_EQ(table.text("LNAME"), "Brown");
    EXPECT_EQ(table.text("CITY"), "Salem");
    table.setFilter("");
    table.go(3);
    EXPECT_EQ(table.text("CITY"), "Boston");
}

}  // namespace
}  // namespace rp

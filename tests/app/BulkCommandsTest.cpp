// The Utilities commands that work on many records, run from the main window with their
// registered dialogs: what the dialogs are given and the window's view afterwards.
#include <QRadioButton>
#include <QTimer>

#include "MainWindowFixture.h"
#include "app/FilterPage.h"
#include "utilities/DeleteRecordsDialog.h"

namespace rp {
namespace {

class BulkCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"},
                              {"Adams", "Bob", "Denver", "CO", "80201"},
                              {"Clark", "Cy", "Austin", "TX", "73301"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
        start();
    }
    xbase::Table& table() { return main->addressTable().table(); }
    // Runs the command; work gets its dialog once it is shown.
    template <typename Window>
    void run(Command command, const std::function<void(Window&)>& work) {
        bool seen = false;
        QTimer::singleShot(0, main.get(), [&] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            seen = true;
            work(*window);
            if (window->isVisible()) window->reject();
        });
        main->runCommand(command);
        EXPECT_TRUE(seen);
    }
};

TEST_F(BulkCommandsTest, DeleteRecordsNotMatchingTheFilterThenShowsTheFilterAgain) {
    for (Command c : {Command::ConvertUppercase, Command::DeleteRecords, Command::CopyRecordsOut})
        EXPECT_TRUE(main->commandAction(c)->isEnabled());
    main->changeToFilter();
    main->filterPage()->line(0)->setText("B");
    main->onSetNowClicked();
    run<DeleteRecordsDialog>(Command::DeleteRecords, [](DeleteRecordsDialog& w) {
        w.choiceButton(DeleteChoice::NotMatchingFilter)->setChecked(true);
        w.deleteNowButton()->click();
    });
    EXPECT_TRUE(shown.texts().contains("Deleted 2 records"));
    EXPECT_EQ(table().visibleCount(), 1u);
    EXPECT_EQ(table().text("LNAME"), "Brown");
    EXPECT_EQ(table().recordCount(), 3u);
    EXPECT_TRUE(main->reactingToTableEvents());
    EXPECT_FALSE(main->frozen());
}

}  // namespace
}  // namespace rp

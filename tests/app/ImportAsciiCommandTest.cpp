// File > Import from ASCII File from the main window: the dialog imports into its own exclusive
// open of the file, and the window shows the file again with its filter applied.
#include <QTimer>

#include "MainWindowFixture.h"
#include "app/FilterBuilder.h"
#include "app/FilterPage.h"
#include "import/AsciiImportDialog.h"
#include "import/AsciiMatchDialog.h"
#include "support/ImportTestSupport.h"

namespace rp {
namespace {

class ImportAsciiCommandTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"},
                              {"Adams", "Bob", "Denver", "CO", "80201"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
        start();
    }
};

TEST_F(ImportAsciiCommandTest, ImportsAndAppliesTheFilterAgain) {
    chooser.answer(writeTextFile(dir, "NEW.TXT", "Brownell,Cy\r\nZane,Di\r\n"));
    main->changeToFilter();
    main->filterPage()->line(0)->setText("Brown");
    main->onSetNowClicked();
    main->changeToRecord();
    shown.clear();

    QTimer::singleShot(0, main.get(), [] {
        auto* dialog = qobject_cast<AsciiImportDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialog->onSelectClicked();
        QTimer::singleShot(0, dialog, [] {
            auto* match = qobject_cast<AsciiMatchDialog*>(QApplication::activeModalWidget());
            if (!match) return;
            match->onFieldClicked("Last");
            match->onSaveClicked();
        });
        dialog->onMatchClicked();
        dialog->onImportClicked();
    });
    // A dialog left open fails the test instead of hanging it.
    QTimer::singleShot(5000, main.get(), [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    main->runCommand(Command::ImportAscii);

    EXPECT_EQ(shown.texts(), QStringList{"Import complete. Imported 2 records."});
    xbase::Table& table = main->addressTable().table();
    EXPECT_EQ(QString::fromStdString(table.filter()), joinedFilter(main->filterExpression()));
    EXPECT_EQ(table.recordCount(), 4u);
    EXPECT_EQ(table.visibleCount(), 2u);
}

}  // namespace
}  // namespace rp

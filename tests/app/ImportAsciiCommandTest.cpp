// File > Import from ASCII File from the main window: the dialog imports into its own exclusive
// open of the file, and the window shows the file again with its filter applied.
#include <QTimer>

#include "MainWindowFixture.h"
#include "app/FilterBuilder.h"
#include "app/FilterPage.h"
#include "import/ImportTestSupport.h"
#include "import/TAsciiImport.h"
#include "import/TAsciiMatch.h"

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
    chooser.answer(WriteTextFile(dir, "NEW.TXT", "Brownell,Cy\r\nZane,Di\r\n"));
    main->ChangeToFilter();
    main->filterPage()->line(0)->setText("Brown");
    main->SetNowClick();
    main->ChangeToRecord();
    shown.clear();

    QTimer::singleShot(0, main.get(), [] {
        auto* dialog = qobject_cast<TAsciiImport*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialog->SelectButtonClick();
        QTimer::singleShot(0, dialog, [] {
            auto* match = qobject_cast<TAsciiMatch*>(QApplication::activeModalWidget());
            if (!match) return;
            match->FieldButtonClick("Last");
            match->SaveButtonClick();
        });
        dialog->MatchButtonClick();
        dialog->ImportButtonClick();
    });
    // A dialog left open fails the test instead of hanging it.
    QTimer::singleShot(5000, main.get(), [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    main->RunCommand(Command::ImportAscii);

    EXPECT_EQ(shown.texts(), QStringList{"Import complete. Imported 2 records."});
    xbase::Table& table = main->addressTable().table();
    EXPECT_EQ(QString::fromStdString(table.filter()), JoinedFilter(main->filterExpression));
    EXPECT_EQ(table.recordCount(), 4u);
    EXPECT_EQ(table.visibleCount(), 2u);
}

}  // namespace
}  // namespace rp

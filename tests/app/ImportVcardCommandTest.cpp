// File > Import from vCard File from the main window: the dialog imports into its own exclusive
// open of the file, and the window shows the file again with its filter applied.
#include <QTimer>

#include "MainWindowFixture.h"
#include "app/FilterBuilder.h"
#include "app/FilterPage.h"
#include "import/VcardImportDialog.h"
#include "support/ImportTestSupport.h"

namespace rp {
namespace {

class ImportVcardCommandTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"},
                              {"Adams", "Bob", "Denver", "CO", "80201"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
        start();
    }
};

TEST_F(ImportVcardCommandTest, ImportsAndAppliesTheFilterAgain) {
    chooser.answer(writeTextFile(dir, "NEW.VCF",
                                 "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Brownell;Cy;;;\r\nEND:VCARD\r\n"
                                 "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Zane;Di;;;\r\nEND:VCARD\r\n"));
    main->changeToFilter();
    main->filterPage()->line(0)->setText("Brown");
    main->onSetNowClicked();
    main->changeToRecord();
    shown.clear();

    QTimer::singleShot(0, main.get(), [] {
        auto* dialog = qobject_cast<VcardImportDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialog->onSelectClicked();
        dialog->onImportClicked();
    });
    // A dialog left open fails the test instead of hanging it.
    QTimer::singleShot(5000, main.get(), [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    main->runCommand(Command::ImportVcard);

    EXPECT_EQ(shown.texts(), QStringList{"Import complete. Cards imported: 2."});
    xbase::Table& table = main->addressTable().table();
    EXPECT_EQ(QString::fromStdString(table.filter()), joinedFilter(main->filterExpression()));
    EXPECT_EQ(table.recordCount(), 4u);
    EXPECT_EQ(table.visibleCount(), 2u);
}

}  // namespace
}  // namespace rp

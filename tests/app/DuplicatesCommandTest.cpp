// "Check && Repair &Duplicates" from the main window: the check runs on the dialog's own open
// of the file, a duplicate is deleted, and afterwards the window shows the file again without
// it while the work index is gone.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "MainWindowFixture.h"
#include "utilities/DuplicateCheckDialog.h"

namespace rp {
namespace {

class DuplicatesCommandTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"},
                              {"BROWN", "ANN", "Denver", "CO", "80201"},
                              {"Clark", "Cy", "Austin", "TX", "73301"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
        start();
    }
};

TEST_F(DuplicatesCommandTest, DeletedDuplicateIsGoneFromTheReopenedFileAndSoIsTheWorkIndex) {
    ASSERT_TRUE(main->commandAction(Command::CheckDuplicates)->isEnabled());
    EXPECT_EQ(main->commandAction(Command::CheckDuplicates)->text(), "Check && Repair &Duplicates");
    bool seen = false;
    QTimer::singleShot(0, main.get(), [&] {
        auto* dialog = qobject_cast<DuplicateCheckDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_FALSE(main->addressTable().isOpen());
        EXPECT_EQ(dialog->helpTopic(), 1007);
        dialog->checkButton()->click();
        EXPECT_TRUE(QFile::exists(path("_chkdup.idx")));
        EXPECT_EQ(dialog->countLine()->text(), "Found 1 possible duplicates");
        RecordGridModel* found = dialog->resultsModel();
        ASSERT_EQ(found->rowCount(), 2);
        dialog->grid()->setCurrentIndex(found->index(1, 0));
        EXPECT_EQ(found->data(found->index(1, 7)).toString(), "Denver");
        shown.answer(true);
        dialog->onDeleteClicked();
        EXPECT_EQ(found->rowCount(), 1);
        dialog->closeButton()->click();
    });
    main->runCommand(Command::CheckDuplicates);
    EXPECT_TRUE(seen);
    ASSERT_TRUE(main->addressTable().isOpen());
    EXPECT_EQ(main->currentFile(), path("LIST.DBF"));
    xbase::Table& table = main->addressTable().table();
    EXPECT_EQ(table.orderTagName(), "LNAME");
    QStringList cities;
    for (table.goTop(); !table.eof(); table.skip())
        cities << QString::fromStdString(table.text("CITY"));
    EXPECT_EQ(cities, (QStringList{"Boston", "Austin"}));
    EXPECT_FALSE(QFile::exists(path("_chkdup.idx")));
}

}  // namespace
}  // namespace rp

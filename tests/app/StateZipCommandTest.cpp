// "Check && Repair &State and Zip Codes" from the main window: the check runs on the
// dialog's own open of the file, a found record is corrected, and afterwards the window shows
// the file again with the correction while the work index is gone.
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include "MainWindowFixture.h"
#include "support/StateZipTableFile.h"
#include "utilities/StateZipCheckDialog.h"

namespace rp {
namespace {

class StateZipCommandTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"},
                              {"Adams", "Bob", "Denver", "CO", "90201"},
                              {"Clark", "Cy", "Austin", "TX", "73301"}});
        writeStateZipTable(engine, path("RVPSZCK.DBF").toStdString(),
                           {{"Massachusetts", "MA", "01000", "02799"},
                            {"Colorado", "CO", "80000", "81699"},
                            {"Texas", "TX", "73300", "73399"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
        start();
    }
};

TEST_F(StateZipCommandTest, CorrectedRecordShowsInTheReopenedFileAndTheWorkIndexIsGone) {
    ASSERT_TRUE(main->commandAction(Command::CheckStateZip)->isEnabled());
    bool seen = false;
    QTimer::singleShot(0, main.get(), [&] {
        auto* dialog = qobject_cast<StateZipCheckDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_FALSE(main->addressTable().isOpen());
        dialog->checkButton()->click();
        EXPECT_TRUE(QFile::exists(path("_chksz.idx")));
        RecordGridModel* found = dialog->resultsModel();
        ASSERT_EQ(found->rowCount(), 1);
        EXPECT_EQ(found->data(found->index(0, 2)).toString(), "Adams");
        found->setData(found->index(0, 0), "80201");
        dialog->onSaveClicked();
        dialog->closeButton()->click();
    });
    main->runCommand(Command::CheckStateZip);
    EXPECT_TRUE(seen);
    ASSERT_TRUE(main->addressTable().isOpen());
    EXPECT_EQ(main->currentFile(), path("LIST.DBF"));
    xbase::Table& table = main->addressTable().table();
    EXPECT_EQ(table.orderTagName(), "LNAME");
    table.goTop();
    EXPECT_EQ(table.text("LNAME"), "Adams");
    EXPECT_EQ(table.text("ZIP"), "80201");
    EXPECT_TRUE(main->reactingToTableEvents());
    EXPECT_FALSE(QFile::exists(path("_chksz.idx")));
}

}  // namespace
}  // namespace rp

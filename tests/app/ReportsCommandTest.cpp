// The "&Reports" command: the Print Report dialog over the open address file, its title from
// and to RAVENP.INI in the data folder.
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "MainWindowFixture.h"
#include "reports/PrintReportDialog.h"

namespace rp {
namespace {

class ReportsCommandTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
        start();
    }
};

TEST_F(ReportsCommandTest, TheDialogProposesTheFileNameAndCancelKeepsTheTitle) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<PrintReportDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        seen = true;
        EXPECT_EQ(dialog->titleBox()->text(), "Report for: LIST.DBF");
        EXPECT_TRUE(dialog->allRecordsChoice()->isChecked());  // no filter is set
        EXPECT_FALSE(dialog->filteredChoice()->isEnabled());
        dialog->titleBox()->setText(QStringLiteral("Spring list"));
        dialog->reject();
    });
    main->runCommand(Command::Reports);
    EXPECT_TRUE(seen);
    EXPECT_EQ(ini().readString("UserDefinedReport", "UserReportTitle"), "Spring list");
    EXPECT_TRUE(main->reactingToTableEvents());
    EXPECT_FALSE(main->frozen());
}

}  // namespace
}  // namespace rp

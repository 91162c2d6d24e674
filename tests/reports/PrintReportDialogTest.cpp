// The "Print Report" dialog: its title kept in RAVENP.INI, its choices, and a preview run that
// leaves the address table as it found it.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "data/IniFile.h"
#include "framework/PrinterCatalog.h"
#include "framework/RecordedPages.h"
#include "framework/UnstoredSettings.h"
#include "reports/PrintReportDialog.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

class PrintReportDialogTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        for (const char* last : {"Adams", "Baker", "Clark"}) add({{"LNAME", last}});
    }
    QString ini() const { return QString::fromStdString(dir.path()) + "/RAVENP.INI"; }
    std::unique_ptr<PrintReportDialog> makeDialog(bool filtered) {
        return std::make_unique<PrintReportDialog>(table.table(), catalog, ini(),
                                                   QStringLiteral("LIST.DBF"), filtered,
                                                   QStringLiteral("MM/dd/yyyy"));
    }
    PrinterCatalog catalog{{}, QString()};
};

TEST_F(PrintReportDialogTest, ChoicesStartAsDefinedAndCancelKeepsTheTitle) {
    auto dialog = makeDialog(false);
    EXPECT_EQ(dialog->windowTitle(), "Print Report");
    EXPECT_EQ(dialog->helpTopic(), 1038);
    EXPECT_EQ(dialog->titleBox()->text(), "Report for: LIST.DBF");
    QStringList layouts;
    for (int i = 0; i < dialog->layoutList()->count(); ++i)
        layouts << dialog->layoutList()->item(i)->text();
    EXPECT_EQ(
        layouts,
        (QStringList{"1. Name,Address,City,State,Zip,Phone", "2. Name,Organization,Phone,Fax",
                     "3. Organization,Name,Phone,Fax ", "4. All fields (takes several lines)"}));
    EXPECT_EQ(dialog->layoutList()->currentRow(), 0);
    EXPECT_FALSE(dialog->filteredChoice()->isEnabled());
    EXPECT_TRUE(dialog->allRecordsChoice()->isChecked());
    EXPECT_FALSE(dialog->memoBox()->isChecked());
    EXPECT_FALSE(dialog->codesBox()->isChecked());
    EXPECT_FALSE(dialog->startFromCurrentBox()->isChecked());

    dialog->titleBox()->setText(QStringLiteral("Members 2026"));
    dialog->layoutList()->setCurrentRow(2);
    dialog->memoBox()->setChecked(true);
    dialog->startFromCurrentBox()->setChecked(true);
    const ListReportRequest r = dialog->request();
    EXPECT_EQ(r.layout, 3);
    EXPECT_EQ(r.title, "Members 2026");
    EXPECT_TRUE(r.memo);
    EXPECT_FALSE(r.codes);
    EXPECT_EQ(r.records, ReportRecords::All);
    EXPECT_TRUE(r.startFromCurrent);
    dialog->reject();
    EXPECT_EQ(IniFile(ini()).readString("UserDefinedReport", "UserReportTitle"), "Members 2026");

    dialog = makeDialog(true);
    EXPECT_EQ(dialog->titleBox()->text(), "Members 2026");
    EXPECT_TRUE(dialog->filteredChoice()->isChecked());
}

TEST_F(PrintReportDialogTest, TheTitleBoxShowsLineBreaksAsBlanks) {
    IniFile(ini()).writeString("UserDefinedReport", "UserReportTitle", "Stored\rtitle");
    auto dialog = makeDialog(false);
    EXPECT_EQ(dialog->titleBox()->text(), "Stored title");
    struct Case {
        QString typed, shown;
    };
    const Case cases[] = {
        {"Members\r\nof 2026", "Members of 2026"},
        {"Members\nof\r2026", "Members of 2026"},
        {QStringLiteral("Members\u2028of\u20292026"), "Members of 2026"},
        {"Members", "Members"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        // As a paste puts it in: at the cursor, replacing the selection.
        dialog->titleBox()->selectAll();
        dialog->titleBox()->insert(c.typed);
        EXPECT_EQ(dialog->titleBox()->text(), c.shown);
        EXPECT_EQ(dialog->titleBox()->cursorPosition(), c.shown.size());
        EXPECT_EQ(dialog->request().title, c.shown);
    }
}

TEST_F(PrintReportDialogTest, APreviewOpensUnderItsCaptionAndTheTableIsPutBack) {
    table->setOrder("CITY");
    table->setFilter("LNAME <> \"Clark\"");
    table->go(2);
    auto dialog = makeDialog(true);
    QStringList seen;
    dialog->windows.showStatus = [&](PrintStatusDialog& status) {
        status.show();
        while (status.outcome() == PrintOutcome::Pending) QApplication::processEvents();
        seen << status.statusText();
        status.close();
    };
    dialog->windows.showPreview = [&](const RecordedPages& pages, const QString& caption) {
        seen << caption << QString::number(pages.pageCount());
    };
    dialog->onPreviewClicked();
    EXPECT_EQ(seen, (QStringList{"\rReport Preview Ready!", "Preview Report", "1"}));
    EXPECT_EQ(table->orderTagName(), "CITY");
    EXPECT_EQ(table->filter(), "LNAME <> \"Clark\"");
    EXPECT_EQ(table->recNo(), 2u);
}

// RAVENP.INI is a folder here, which root cannot write as a file either.
TEST_F(PrintReportDialogTest, ATitleThatCannotBeKeptIsToldOnceInTheRun) {
    ASSERT_TRUE(QDir().mkpath(ini()));
    UnstoredSettingsRun run;
    for (int i = 0; i < 2; ++i) makeDialog(false)->reject();
    EXPECT_EQ(shown.texts(),
              QStringList({"Your settings cannot be saved in " + ini() +
                           ", so printer choices, recent files and other settings you change "
                           "will not be remembered.\r\nThe file " +
                           ini() + " cannot be written: it cannot be read"}));
}

}  // namespace
}  // namespace rp

// The Convert To Uppercase, Delete Records and Copy Records Out dialogs over a real file:
// their choices, their messages, and Cancel while the work runs.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "support/AddressFileFixture.h"
#include "support/ScriptedFileChooser.h"
#include "utilities/ConvertToUppercaseDialog.h"
#include "utilities/CopyRecordsOutDialog.h"
#include "utilities/DeleteRecordsDialog.h"

namespace rp {
namespace {

class BulkDialogsTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        for (const char* name : {"adams", "baker", "clark"})
            add({{"LNAME", name}, {"PREFIX", "mr."}});
        table->goTop();
    }
    // Clicks Cancel the first time the dialog's progress bar moves.
    static void cancelOnFirstProgress(BulkDialog& dialog, QPushButton* cancel) {
        QObject::connect(dialog.progressBar(), &QProgressBar::valueChanged, &dialog, [cancel](int) {
            if (cancel->isEnabled()) {
                cancel->click();
                cancel->setEnabled(false);
            }
        });
    }
    QString column(const char* field) {
        QStringList out;
        for (table->goTop(); !table->eof(); table->skip())
            out << QString::fromStdString(table->text(field));
        return out.join(',');
    }
    ScriptedFileChooser chooser;
    FileChooserScope chooserScope{chooser};
};

TEST_F(BulkDialogsTest, ConvertNeedsATickedFieldAndConvertsOnlyTheTickedOnes) {
    ConvertToUppercaseDialog window(table.table(), false);
    EXPECT_FALSE(window.scopeButton(ConvertScope::MatchingFilter)->isEnabled());
    EXPECT_TRUE(window.scopeButton(ConvertScope::CurrentRecord)->isChecked());
    window.allBox()->setChecked(false);
    window.convertButton()->click();
    EXPECT_EQ(shown.texts(), QStringList{"No fields checked for conversion"});
    EXPECT_EQ(window.result(), 0);

    window.fieldBox(10)->setChecked(true);  // Prefix
    window.scopeButton(ConvertScope::AllRecords)->setChecked(true);
    window.convertButton()->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(column("PREFIX"), "MR.,MR.,MR.");
    EXPECT_EQ(column("LNAME"), "adams,baker,clark");
}

TEST_F(BulkDialogsTest, CancelWhileConvertingAsksAndStopsAfterTheRecordInHand) {
    ConvertToUppercaseDialog window(table.table(), true);
    window.scopeButton(ConvertScope::MatchingFilter)->setChecked(true);
    cancelOnFirstProgress(window, window.cancelButton());
    shown.answer(true);
    window.convertButton()->click();
    EXPECT_EQ(shown.texts(), QStringList{"Cancel case conversion?"});
    EXPECT_EQ(column("LNAME"), "ADAMS,baker,clark");
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(BulkDialogsTest, DeleteWithoutAFilterOffersOnlyAllAndReportsTheCount) {
    DeleteRecordsDialog window(table.table(), QString());
    EXPECT_TRUE(window.choiceButton(DeleteChoice::All)->isChecked());
    EXPECT_FALSE(window.choiceButton(DeleteChoice::MatchingFilter)->isEnabled());
    EXPECT_FALSE(window.choiceButton(DeleteChoice::NotMatchingFilter)->isEnabled());
    window.deleteNowButton()->click();
    EXPECT_EQ(shown.texts(), (QStringList{"Deleted 3 records",
                                          "For optimum space usage, please select\r\n[Rebuild "
                                          "Indexes] from the Utilities menu"}));
    EXPECT_EQ(table->recordCount(), 0u);
}

TEST_F(BulkDialogsTest, CopyNeedsANameForItsKindAndCancelAsksWithNoAsDefaultAndKeepsNoFile) {
    const QString out = QString::fromStdString(dir.file("OUT.DBF"));
    CopyRecordsOutDialog window(table.table(), QString(),
                                [](xbase::JulianDay) { return QString(); });
    EXPECT_FALSE(window.copyNowButton()->isEnabled());
    chooser.answer(out);
    window.onSaveAsClicked();
    EXPECT_EQ(chooser.requests()[0].proposedName, "*.DBF");
    EXPECT_TRUE(window.copyNowButton()->isEnabled());
    // Another kind of copy forgets the name.
    window.kindButton(CopyKind::Ascii)->setChecked(true);
    EXPECT_EQ(window.nameLabel()->text(), "(none)");
    EXPECT_FALSE(window.copyNowButton()->isEnabled());
    window.kindButton(CopyKind::Dbf)->setChecked(true);
    chooser.answer(out);
    window.onSaveAsClicked();
    cancelOnFirstProgress(window, window.cancelButton());
    shown.answer(true);
    window.onCopyNowClicked();
    EXPECT_EQ(window.progressCaption()->text(), "Copying to " + out);
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].caption, "Cancel");
    EXPECT_EQ(shown.shown()[0].text, "Cancel copy?");
    EXPECT_FALSE(shown.shown()[0].defaultYes);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace rp

// The import dialogs offscreen: choosing a file, matching its columns and importing it into a
// real address file; the match dialog's grids and buttons.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <cerrno>

#include "data/RecordText.h"
#include "import/AsciiImportDialog.h"
#include "import/AsciiMatchDialog.h"
#include "support/AddressFileFixture.h"
#include "support/ImportTestSupport.h"
#include "support/ScriptedFileChooser.h"
#include "xbase/Table.h"
#include "xbase/WriteFaults.h"

namespace rp {
namespace {

class ImportDialogsTest : public AddressFileFixture {
  protected:
    ScriptedFileChooser chooser;
    FileChooserScope chooserScope{chooser};
};

TEST_F(ImportDialogsTest, SelectMatchAndImport) {
    AsciiImportDialog dialog(table, QString::fromStdString(dir.path()));
    EXPECT_EQ(dialog.fileLabel()->text(), "(none)");

    chooser.answer(writeTextFile(dir, "one.txt", "Lee,Ann\r\n"));
    dialog.onSelectClicked();
    EXPECT_EQ(shown.texts(), QStringList{"Unable to import from this file"});
    EXPECT_FALSE(dialog.matchButton()->isEnabled());
    const FileRequest& request = chooser.requests().front();
    EXPECT_EQ(request.filter, "Text files|*.TXT|All files|*.*");
    EXPECT_EQ(request.proposedName, "*.txt");
    EXPECT_EQ(request.defaultSuffix, "prn");

    const QString two = writeTextFile(dir, "two.txt", "Lee,Ann,x\r\n\"Roe, Jr.\",Bo\r\n");
    chooser.answer(two);
    dialog.onSelectClicked();
    // A cancelled chooser keeps the file.
    chooser.answer(std::nullopt);
    dialog.onSelectClicked();
    EXPECT_EQ(dialog.fileName(), two);
    EXPECT_TRUE(dialog.matchButton()->isEnabled());
    EXPECT_FALSE(dialog.importButton()->isEnabled());

    QTimer::singleShot(0, &dialog, [] {
        auto* match = qobject_cast<AsciiMatchDialog*>(QApplication::activeModalWidget());
        if (!match) return;
        match->onFieldClicked("Last");
        match->onFieldClicked("First");
        match->onSaveClicked();
    });
    // A dialog left open fails the test instead of hanging it.
    QTimer::singleShot(5000, &dialog, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    dialog.onMatchClicked();
    EXPECT_EQ(dialog.layout().columns[0].match, "Last");
    EXPECT_EQ(dialog.layout().columns[1].match, "First");
    ASSERT_TRUE(dialog.importButton()->isEnabled());

    shown.clear();
    dialog.onImportClicked();
    EXPECT_EQ(shown.texts(), QStringList{"Import complete. Imported 2 records."});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(table->orderCount(), 21);
    table->go(2);
    EXPECT_EQ(fieldText(table.table(), "FNAME"), "Bo");
}

TEST_F(ImportDialogsTest, AFullDiskEndsTheImportWithItsCauseAndTheTableStaysOpen) {
    AsciiImportDialog dialog(table, QString::fromStdString(dir.path()));
    chooser.answer(writeTextFile(dir, "two.txt", "Lee,Ann,x\r\nRoe,Bo,y\r\n"));
    dialog.onSelectClicked();
    QTimer::singleShot(0, &dialog, [] {
        auto* match = qobject_cast<AsciiMatchDialog*>(QApplication::activeModalWidget());
        if (!match) return;
        match->onFieldClicked("Last");
        match->onSaveClicked();
    });
    QTimer::singleShot(5000, &dialog, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    dialog.onMatchClicked();
    ASSERT_TRUE(dialog.importButton()->isEnabled());

    // The disk fills up at the write of the two records, after the header's mark.
    xbase::WriteFaults::failAfter(8, ENOSPC, xbase::WriteFaults::kLasting);
    dialog.onImportClicked();
    xbase::WriteFaults::off();
    const QString file = QString::fromStdString(dir.file("BROWSE.DBF"));
    const QString cause = QStringLiteral("Cannot write %1: No space left on device").arg(file);
    EXPECT_EQ(
        shown.texts(),
        (QStringList{"Unknown error writing to datafile after importing 0 records.\r\n" + cause,
                     "Unable to create index files\r\n" + cause, "Error rebuilding indexes"}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(table.isOpen());

    // The records held back when the disk filled were dropped, as the message told; the next
    // open builds the tags.
    table.close();
    shown.clear();
    const AddressFileResult opened = openAddressTable(file, table);
    ASSERT_TRUE(opened.ok);
    EXPECT_EQ(opened.notices,
              QStringList{QStringLiteral("The file %1 was not closed properly. Its indexes have "
                                         "been rebuilt.")
                              .arg(file)});
    EXPECT_EQ(table->recordCount(), 0u);
    EXPECT_EQ(table->orderCount(), 21);
}

TEST_F(ImportDialogsTest, MatchDialogShowsTheSampleAndTheMatches) {
    ImportLayout layout;
    layout.columns = {{' ', {}, 3, "City"}, {' ', {}, 5, "Memo"}, {' ', {}, 2, ""}};
    AsciiMatchDialog dialog(layout, {{"Rye", "a b c", "NY"}, {"Ely", "d", ""}});
    EXPECT_EQ(dialog.windowTitle(), "ASCII File Import Match Fields");
    EXPECT_EQ(dialog.sampleGrid()->horizontalHeaderItem(2)->text(), "Field 3");
    EXPECT_EQ(dialog.matchGrid()->horizontalHeaderItem(0)->text(), "ASCII Field ");
    EXPECT_EQ(dialog.matchGrid()->horizontalHeaderItem(1)->text(), "Import into RVW Field ");
    EXPECT_EQ(dialog.matchGrid()->currentRow(), 0);
    EXPECT_FALSE(dialog.fieldButton("City")->isEnabled());
    EXPECT_TRUE(dialog.fieldButton("Memo")->isEnabled());

    dialog.matchGrid()->setCurrentCell(2, 0);
    dialog.fieldButton("Memo")->click();
    EXPECT_EQ(dialog.matchGrid()->item(2, 1)->text(), "Memo");
    dialog.matchGrid()->setCurrentCell(0, 0);
    dialog.fieldButton("(none)")->click();
    EXPECT_EQ(dialog.matchGrid()->item(0, 1)->text(), "");
    EXPECT_EQ(dialog.matchGrid()->currentRow(), 1);
    EXPECT_TRUE(dialog.fieldButton("City")->isEnabled());
}

}  // namespace
}  // namespace rp

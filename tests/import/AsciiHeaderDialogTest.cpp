// The ASCII import window with exports that name their columns in the first line, use
// semicolons or tabs, and with a plain file: the box, the delimiter, the matches, the grid's
// headings and the records imported.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "data/RecordText.h"
#include "import/AsciiImportDialog.h"
#include "import/AsciiMatchDialog.h"
#include "support/AddressFileFixture.h"
#include "support/ScriptedFileChooser.h"
#include "xbase/Table.h"

namespace rp {
namespace {

QString fixture(const char* name) {
    return QStringLiteral(IMPORT_FIXTURE_DIR "/") + QLatin1String(name);
}

class AsciiHeaderDialogTest : public AddressFileFixture {
  protected:
    ScriptedFileChooser chooser;
    FileChooserScope chooserScope{chooser};

    QStringList matches(const AsciiImportDialog& dialog) {
        QStringList out;
        for (const ImportColumn& c : dialog.layout().columns) out << c.match;
        return out;
    }
};

TEST_F(AsciiHeaderDialogTest, TheBoxAndDelimiterFollowTheFirstLine) {
    const struct {
        const char* file;
        bool header;
        const char* delimiter;
        QStringList matches;
        const char* status;
    } cases[] = {
        {"shop-semicolons.csv",
         true,
         "Semicolon",
         {"First", "Last", "Street", "", "City", "Zip/Post Code", "Phone", "", "Memo"},
         ""},
        {"contacts-tabs.txt",
         true,
         "Tab",
         {"First", "Last", "Organization", "Street", "City", "Zip/Post Code", "E-Mail", "Codes",
          ""},
         "Not matched, as an earlier column goes into the same field: Email"},
        {"no-header.txt", false, "Comma", {"", "", "", ""}, ""},
    };
    for (const auto& c : cases) {
        AsciiImportDialog dialog(table, QString::fromStdString(dir.path()));
        chooser.answer(fixture(c.file));
        dialog.onSelectClicked();
        EXPECT_EQ(dialog.headerBox()->isChecked(), c.header) << c.file;
        EXPECT_EQ(dialog.delimiterBox()->currentText(), c.delimiter) << c.file;
        EXPECT_EQ(matches(dialog), c.matches) << c.file;
        EXPECT_EQ(dialog.importButton()->isEnabled(), c.header) << c.file;
        EXPECT_EQ(dialog.statusLabel()->text(), c.status) << c.file;
    }
}

TEST_F(AsciiHeaderDialogTest, UntickingImportsTheFirstLineAsARecord) {
    AsciiImportDialog dialog(table, QString::fromStdString(dir.path()));
    chooser.answer(fixture("shop-semicolons.csv"));
    dialog.onSelectClicked();
    dialog.headerBox()->setChecked(false);
    EXPECT_FALSE(dialog.format().header);
    EXPECT_EQ(matches(dialog), QStringList(9));
    EXPECT_FALSE(dialog.importButton()->isEnabled());
    // A comma splits nothing here: one column.
    dialog.delimiterBox()->setCurrentIndex(0);
    EXPECT_EQ(dialog.layout().columnCount(), 1);
    dialog.delimiterBox()->setCurrentIndex(1);
    dialog.headerBox()->setChecked(true);
    EXPECT_EQ(matches(dialog).front(), "First");
}

TEST_F(AsciiHeaderDialogTest, TheMatchWindowIsHeadedByTheNamesAndTheHeaderIsNotImported) {
    AsciiImportDialog dialog(table, QString::fromStdString(dir.path()));
    chooser.answer(fixture("shop-semicolons.csv"));
    dialog.onSelectClicked();
    QStringList headings;
    QTimer::singleShot(0, &dialog, [&] {
        auto* match = qobject_cast<AsciiMatchDialog*>(QApplication::activeModalWidget());
        if (!match) return;
        for (int c = 0; c < match->sampleGrid()->columnCount(); ++c)
            headings << match->sampleGrid()->horizontalHeaderItem(c)->text();
        EXPECT_EQ(match->sampleGrid()->rowCount(), 2);
        EXPECT_EQ(match->matchGrid()->item(3, 0)->text(), "Address 2");
        EXPECT_EQ(match->matchGrid()->item(2, 1)->text(), "Street");
        // The user may change a suggested match: Address 2 goes into the memo.
        match->matchGrid()->setCurrentCell(3, 0);
        match->onFieldClicked("Memo");
        match->onSaveClicked();
    });
    QTimer::singleShot(5000, &dialog, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    dialog.onMatchClicked();
    EXPECT_EQ(headings, (QStringList{"First Name", "Last Name", "Address 1", "Address 2", "City",
                                     "Zip", "Phone", "Mobile", "Notes"}));
    EXPECT_EQ(dialog.layout().columns[3].match, "Memo");

    dialog.onImportClicked();
    EXPECT_EQ(shown.texts(), QStringList{"Import complete. Imported 2 records."});
    ASSERT_EQ(table->recordCount(), 2u);
    table->go(1);
    EXPECT_EQ(fieldText(table.table(), "FNAME"), "Ann");
    EXPECT_EQ(fieldText(table.table(), "LNAME"), "Lee; Jr.");
    EXPECT_EQ(fieldText(table.table(), "ZIP"), "02110");
    EXPECT_EQ(fieldText(table.table(), "PHONE"), "555-0101");
    EXPECT_EQ(memoText(table.table(), "MEMO"), "Apt 4\r\nlikes \"\"tea\"\"");
    table->go(2);
    EXPECT_EQ(fieldText(table.table(), "CITY"), "Salem");
    EXPECT_EQ(fieldText(table.table(), "PHONE"), "");
}

}  // namespace
}  // namespace rp

// The DBF import dialog offscreen: refusing the open address file, choosing a source, the
// proposed matches in the match dialog, and the import into a real address file.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

#include "data/RecordText.h"
#include "import/DbfImportDialog.h"
#include "import/DbfMatchDialog.h"
#include "support/AddressFileFixture.h"
#include "support/ScriptedFileChooser.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class DbfImportDialogTest : public AddressFileFixture {
  protected:
    ScriptedFileChooser chooser;
    FileChooserScope chooserScope{chooser};
};

TEST_F(DbfImportDialogTest, SelectMatchAndImport) {
    const std::string path = dir.file("PEOPLE.DBF");
    engine.create(path, {{"SURNAME", 'C', 20, 0}, {"CITY", 'C', 20, 0}, {"MEMBER", 'L', 1, 0}});
    {
        auto writer = engine.open(path, xbase::OpenMode::Exclusive);
        for (const char* name : {"Lee", "Roe"}) {
            writer->appendBlank();
            writer->setText("SURNAME", name);
            writer->setText("CITY", "Rye");
        }
    }
    DbfImportDialog dialog(table, QString::fromStdString(dir.path()));
    EXPECT_EQ(dialog.windowTitle(), "DBF File Import");
    EXPECT_EQ(dialog.fileLabel()->text(), "(none)");

    const QString own = QString::fromStdString(table->path());
    chooser.answer(own);
    dialog.onSelectClicked();
    EXPECT_EQ(shown.texts(), QStringList{"Unable to open the file " + own});
    EXPECT_EQ(dialog.fileLabel()->text(), "(none)");
    EXPECT_FALSE(dialog.matchButton()->isEnabled());
    const FileRequest& request = chooser.requests().front();
    EXPECT_EQ(request.filter, "Text files|*.TXT|All files|*.*");
    EXPECT_EQ(request.proposedName, "*.dbf");
    EXPECT_EQ(request.defaultSuffix, "prn");

    chooser.answer(QString::fromStdString(path));
    dialog.onSelectClicked();
    EXPECT_TRUE(dialog.matchButton()->isEnabled());
    EXPECT_FALSE(dialog.importButton()->isEnabled());
    EXPECT_FALSE(dialog.matchesSaved());

    QStringList header;
    QStringList rows;
    int browsed = 0;
    QTimer::singleShot(0, &dialog, [&] {
        auto* match = qobject_cast<DbfMatchDialog*>(QApplication::activeModalWidget());
        if (!match) return;
        header << match->windowTitle() << match->matchGrid()->horizontalHeaderItem(0)->text()
               << match->matchGrid()->horizontalHeaderItem(1)->text();
        for (int r : {2, 7})
            rows << match->matchGrid()->item(r, 0)->text() + "=" +
                        match->matchGrid()->item(r, 1)->text();
        browsed = match->browser()->model()->rowCount();
        for (QPushButton* button : match->findChildren<QPushButton*>())
            if (button->text() == "Save") button->click();
    });
    // A dialog left open fails the test instead of hanging it.
    QTimer::singleShot(5000, &dialog, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    dialog.onMatchClicked();
    EXPECT_EQ(header, QStringList({"DBF File Import Match Fields", "Ravenpost Field",
                                   "Import from Field (in PEOPLE.DBF)"}));
    EXPECT_EQ(rows, QStringList({"Last=SURNAME", "City=CITY"}));
    EXPECT_EQ(browsed, 2);
    EXPECT_TRUE(dialog.matchesSaved());
    ASSERT_TRUE(dialog.importButton()->isEnabled());
    EXPECT_EQ(dialog.layout().columns[2].match, "");

    shown.clear();
    dialog.onImportClicked();
    EXPECT_EQ(shown.texts(), QStringList{"Import complete. Imported 2 records."});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(table->orderCount(), 21);
    table->go(2);
    EXPECT_EQ(fieldText(table.table(), "LNAME"), "Roe");
    EXPECT_EQ(fieldText(table.table(), "CITY"), "Rye");
}

}  // namespace
}  // namespace rp

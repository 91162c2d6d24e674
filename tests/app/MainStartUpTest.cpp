// Start-up, opening and creating files, recent files and Exit, driven through the window.
#include <QDir>
#include <QFile>
#include <QMenu>

#include "MainWindowFixture.h"
#include "app/RecentFiles.h"
#include "framework/PrinterSurface.h"
#include "framework/ReportCanvas.h"
#include "framework/UnstoredSettings.h"
#include "support/ScriptedPrintDialogs.h"

namespace rp {
namespace {

const QString kEmptyFileText =
    "There are no records in this file\r\nPress Alt-A to add a new record OR\r\n"
    "From the File menu select\r\nImport from DBF File  or\r\nImport from ASCII File";

TEST_F(MainWindowTest, FirstStartCreatesTheDefaultFileAndRemembersIt) {
    MainWindow& w = start();
    const QString file = path("RAVENP1.DBF");
    EXPECT_TRUE(QFile::exists(file));
    ASSERT_TRUE(w.addressTable().isOpen());
    EXPECT_EQ(w.addressTable()->orderCount(), 21);
    EXPECT_EQ(w.addressTable()->orderTagName(), "LNAME");
    EXPECT_EQ(ini().readString("MRU", "Item1"), file);
    EXPECT_EQ(ini().readString("MRU", "Item2"), "");
    EXPECT_EQ(shown.texts(), QStringList{kEmptyFileText});
    EXPECT_EQ(w.windowTitle(), "Ravenpost - " + file);
    EXPECT_EQ(w.size(), QSize(610, 450));

    // The empty file: Add only.
    RecordPage* page = w.recordPage();
    EXPECT_TRUE(page->addButton->isVisibleTo(&w));
    EXPECT_FALSE(page->editButton->isVisibleTo(&w));
    EXPECT_FALSE(page->deleteButton->isVisibleTo(&w));
    EXPECT_FALSE(page->nextButton->isVisibleTo(&w));
    EXPECT_FALSE(w.utilitiesMenu()->menuAction()->isEnabled());
    EXPECT_TRUE(w.fileMenu()->menuAction()->isEnabled());
    const QList<QAction*> entries = w.fileMenu()->actions();
    EXPECT_EQ(entries.last()->text(), file);
}

TEST_F(MainWindowTest, LaterStartsOpenTheRecentFileOnly) {
    makeFile("OTHER.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"}});
    writeRecent({path("OTHER.DBF"), path("GONE.DBF")});
    MainWindow& w = start();
    EXPECT_EQ(w.currentFile(), path("OTHER.DBF"));
    EXPECT_FALSE(QFile::exists(path("RAVENP1.DBF")));
    EXPECT_EQ(field("LNAME")->text(), "Brown");
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(MainWindowTest, AFileNamedOnTheCommandLineOpensInsteadOfTheRecentOne) {
    makeFile("OTHER.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"}});
    makeFile("NAMED.DBF", {{"Green", "Bo", "Reno", "NV", "89501"}});
    writeRecent({path("OTHER.DBF")});
    MainWindow& w = start(path("NAMED.DBF"));
    EXPECT_EQ(w.currentFile(), path("NAMED.DBF"));
    EXPECT_EQ(field("LNAME")->text(), "Green");

    // Another copy asks for a file: opened as File > Open opens one, other kinds refused.
    w.openRequestedFile(path("OTHER.DBF"));
    EXPECT_EQ(w.currentFile(), path("OTHER.DBF"));
    EXPECT_EQ(field("LNAME")->text(), "Brown");
    w.openRequestedFile(path("LIST.TXT"));
    EXPECT_EQ(w.currentFile(), path("OTHER.DBF"));
    EXPECT_EQ(shown.texts(), QStringList{"Must be a DBF file"});
}

TEST_F(MainWindowTest, AMissingRecentFileLeavesNoFileOpen) {
    const QString gone = path("GONE.DBF");
    writeRecent({gone});
    MainWindow& w = start();
    EXPECT_FALSE(w.addressTable().isOpen());
    EXPECT_FALSE(QFile::exists(path("RAVENP1.DBF")));
    ASSERT_GE(shown.texts().size(), 1);
    EXPECT_EQ(shown.texts()[0], "File " + gone + " not found");
    EXPECT_EQ(shown.shown()[0].kind, "information");
    EXPECT_EQ(shown.shown()[0].caption, "Information");
    ASSERT_GE(shown.texts().size(), 2);
    EXPECT_TRUE(shown.texts()[1].startsWith("Unable to open " + gone + "\r\n"));
    EXPECT_EQ(shown.shown()[1].kind, "information");
    EXPECT_TRUE(w.recordPage()->noFilePanel()->isVisibleTo(&w));
    EXPECT_EQ(static_cast<QLabel*>(w.recordPage()->noFilePanel())->text(),
              "Please Open or Create a Ravenpost file");
    EXPECT_EQ(getMRUList(ini()), QStringList{gone});
    EXPECT_EQ(w.windowTitle(), "Ravenpost - " + gone);
    EXPECT_FALSE(w.recordPage()->addButton->isVisibleTo(&w));
}

TEST_F(MainWindowTest, FilesWithoutTheDeletedTagOrWithANarrowStateOpen) {
    makeFile("NOTAG.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"}});
    {
        AddressTable t(engine);
        ASSERT_TRUE(openAddressTable(path("NOTAG.DBF"), t));
        t->dropTag("DELETED");
    }
    writeRecent({path("NOTAG.DBF")});
    MainWindow& w = start();
    EXPECT_TRUE(w.addressTable().isOpen());
    EXPECT_EQ(shown.texts(),
              QStringList{"The index file for " + path("NOTAG.DBF") +
                          "\r\nis missing or invalid. Please select [Rebuild Indexes]\r\n"
                          "from the [File] menu"});
}

TEST_F(MainWindowTest, OpenAndNewCheckTheNames) {
    MainWindow& w = start();
    shown.clear();
    chooser.answer(path("LIST.TXT"));
    choose(w.fileMenu(), "&Open");
    EXPECT_EQ(shown.texts(), QStringList{"Must be a DBF file"});
    EXPECT_EQ(chooser.requests().back().filter, "Ravenpost Files|*.dbf");

    shown.clear();
    chooser.answer(path("LIST.TXT"));
    choose(w.fileMenu(), "&New");
    chooser.answer(path("RAVENP1.DBF"));
    choose(w.fileMenu(), "&New");
    EXPECT_EQ(shown.texts(), QStringList({"Must have a .DBF extension",
                                          "That file already exists.Please select another name"}));
    EXPECT_EQ(chooser.requests().back().proposedName, "RAVENP1.DBF");

    shown.clear();
    chooser.answer(path("second.dbf"));
    choose(w.fileMenu(), "&New");
    EXPECT_EQ(w.currentFile(), path("second.dbf"));
    EXPECT_EQ(w.addressTable()->orderCount(), 21);
    EXPECT_EQ(shown.texts(), QStringList{kEmptyFileText});
    EXPECT_EQ(getMRUList(ini()), QStringList({path("second.dbf"), path("RAVENP1.DBF")}));

    chooser.answer(std::nullopt);
    choose(w.fileMenu(), "&Open");
    EXPECT_EQ(w.currentFile(), path("second.dbf"));
}

TEST_F(MainWindowTest, ExitAsksFirst) {
    MainWindow& w = start();
    shown.answer(false);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(shown.shown().back().text, "Exit now?");
    shown.answer(true);
    EXPECT_TRUE(w.close());
}

// A RAVENP.INI that cannot be written: the recent files cannot be kept, which is told once in
// the run, and every file still opens.
TEST_F(MainWindowTest, RecentFilesThatCannotBeKeptAreToldOnce) {
    UnstoredSettingsRun run;
    makeFile("A.DBF", {{"Adams", "Bob", "Denver", "CO", "80201"}});
    makeFile("B.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"}});
    ASSERT_TRUE(QDir().mkpath(path("RAVENP.INI")));  // a folder where the file should be
    MainWindow& w = start(path("A.DBF"));
    EXPECT_EQ(w.currentFile(), path("A.DBF"));
    EXPECT_TRUE(w.openAddressFile(path("B.DBF")));
    EXPECT_EQ(field("LNAME")->text(), "Brown");
    ASSERT_EQ(shown.texts().size(), 1) << shown.texts().join("|").toStdString();
    EXPECT_TRUE(shown.texts()[0].startsWith("Your settings cannot be saved in " +
                                            path("RAVENP.INI") + ", so printer choices"));
}

// The folder of the last PDF written lives in RAVENP.INI ([Printing] LastPdfFolder): the
// window's printers propose it, and a completed PDF elsewhere replaces it.
TEST_F(MainWindowTest, ThePdfFolderIsKeptInTheIniFile) {
    const QString kept = path("pdfs");
    ASSERT_TRUE(QDir().mkpath(kept));
    ini().writeString("Printing", "LastPdfFolder", kept);
    MainWindow window(engine, folder());
    PrinterCatalog& catalog = window.printerCatalog();
    EXPECT_EQ(catalog.pdfFolder(), kept);

    ScriptedPrintDialogs dialogs;
    PrintDialogsScope scope(dialogs);
    ASSERT_TRUE(catalog.select(PrinterCatalog::pdfPrinterName()));
    dialogs.answerPrint({true, 0, 0, 1, path("count.pdf")});
    ASSERT_TRUE(catalog.showPrintDialog("zip-count.pdf"));
    EXPECT_EQ(dialogs.shown()[0].outputFile, kept + "/zip-count.pdf");
    const auto surface = catalog.jobSurface();
    ReportCanvas canvas(*surface);
    ASSERT_TRUE(canvas.start());
    canvas.println("one line");
    canvas.finish();
    EXPECT_TRUE(QFile::exists(path("count.pdf")));
    const QString written = QDir::toNativeSeparators(QString::fromStdString(dir.path()));
    EXPECT_EQ(ini().readString("Printing", "LastPdfFolder"), written);
}

}  // namespace
}  // namespace rp

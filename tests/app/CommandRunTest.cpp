// The main window's menu tree and the dispatch of commands to other subsystems' dialogs:
// what each dialog is given, and that the window is back as it was afterwards, even when the
// dialog throws or cannot be shown.
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>

#include "MainWindowFixture.h"
#include "app/FilterBuilder.h"
#include "app/FilterPage.h"
#include "data/AddressLayout.h"
#include "framework/PrinterAccess.h"
#include "xbase/Error.h"

namespace rp {
namespace {

QStringList captions(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

class LoggedPrinters : public PrinterAccess {
  public:
    bool installed = true;
    QStringList log;
    bool anyInstalled() const override { return installed; }
    void rememberSelection() override { log << "remember"; }
    void restoreSelection() override { log << "restore"; }
};

class CommandRunTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"},
                              {"Adams", "Bob", "Denver", "CO", "80201"},
                              {"Clark", "Cy", "Austin", "TX", "73301"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
        services.printers = &printers;
        start();
    }
    xbase::Table& table() { return main->addressTable().table(); }
    QString lastName() { return QString::fromStdString(table().text("LNAME")); }
    void setFilter(const char* lastNameLine) {
        main->changeToFilter();
        main->filterPage()->line(0)->setText(lastNameLine);
        main->onSetNowClicked();
        main->changeToRecord();
    }

    LoggedPrinters printers;
    int runs = 0;
};

TEST_F(CommandRunTest, MenuTreeHasEveryEntryAndOnlyCommandsWithDialogsAreEnabled) {
    const QList<QAction*> bar = main->menuBar()->actions();
    EXPECT_EQ(captions(bar), (QStringList{"&File", "&Order", "&Utilities", "&Labels", "En&velopes",
                                          "Le&tters", "&Reports", "&Help"}));
    QStringList file = captions(main->fileMenu()->actions());
    file = file.mid(0, file.indexOf("E&xit") + 2);
    EXPECT_EQ(file, (QStringList{"&Open", "&New", "-", "&Preferences", "-", "Import from &DBF File",
                                 "Import from &ASCII File", "Import from &vCard File", "-",
                                 "&Rebuild Indexes", "-", "&Clone", "-", "E&xit", "-"}));
    EXPECT_EQ(
        captions(main->utilitiesMenu()->actions()),
        (QStringList{"&Count Records", "Count &Zip Codes", "-",
                     "Check && Repair &State and Zip Codes", "Check && Repair &Duplicates", "-",
                     "Convert to &Uppercase", "Delete &Records", "-", "Copy Records &Out",
                     "&Search && Replace Field Values", "-", "Calibrate &Printer\u2026"}));
    EXPECT_EQ(captions(bar.last()->menu()->actions()), (QStringList{"&Contents", "-", "&About"}));

    EXPECT_TRUE(main->rebuildIndexesAction()->isEnabled());
    EXPECT_TRUE(main->cloneAction()->isEnabled());
    main->commandDialogs().erase(Command::Labels);
    main->commandDialogs().erase(Command::ImportDbf);
    main->updateCommandStates();
    EXPECT_FALSE(main->commandAction(Command::Labels)->isEnabled());
    EXPECT_FALSE(main->commandAction(Command::ImportDbf)->isEnabled());
    main->commandDialogs()[Command::Labels] = {[](CommandContext&) {}, {}};
    main->commandDialogs()[Command::ImportDbf] = {[](CommandContext&) {}, {}};
    main->updateCommandStates();
    EXPECT_TRUE(main->commandAction(Command::Labels)->isEnabled());
    EXPECT_TRUE(main->commandAction(Command::ImportDbf)->isEnabled());

    // An empty view: record commands off, the file commands still on.
    setFilter("Nobody");
    EXPECT_FALSE(main->commandAction(Command::Labels)->isEnabled());
    EXPECT_FALSE(main->cloneAction()->isEnabled());
    EXPECT_TRUE(main->commandAction(Command::ImportDbf)->isEnabled());
    EXPECT_TRUE(main->rebuildIndexesAction()->isEnabled());
}

TEST_F(CommandRunTest, ThrowingDialogLeavesRecordOrderFilterAndReactionsAsBefore) {
    table().goTop();
    table().skip(1);
    const std::uint32_t before = table().recNo();
    const std::string filterBefore = table().filter();
    main->commandDialogs()[Command::ConvertUppercase] = {
        [&](CommandContext& c) {
            ++runs;
            EXPECT_FALSE(main->reactingToTableEvents());
            EXPECT_TRUE(main->frozen());
            EXPECT_EQ(c.table, &main->addressTable());
            c.table->table().goTop();
            throw xbase::Error("Disk full");
        },
        {}};
    main->runCommand(Command::ConvertUppercase);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(table().recNo(), before);
    EXPECT_EQ(lastName(), "Brown");
    EXPECT_EQ(table().filter(), filterBefore);
    EXPECT_EQ(table().orderTagName(), "LNAME");
    EXPECT_TRUE(main->reactingToTableEvents());
    EXPECT_FALSE(main->frozen());
    EXPECT_EQ(shown.texts().last(), "Disk full");
}

TEST_F(CommandRunTest, DeleteRecordsWorksOnTheUserExpressionAloneAndReappliesTheFilter) {
    FilterChoice seen;
    std::string query;
    main->commandDialogs()[Command::DeleteRecords] = {[&](CommandContext& c) {
                                                          seen = c.filterChoice;
                                                          query = c.table->table().filter();
                                                          c.table->table().goBottom();
                                                      },
                                                      {}};
    main->runCommand(Command::DeleteRecords);
    EXPECT_FALSE(seen.filteredEnabled);
    EXPECT_TRUE(seen.allRecordsForced);
    EXPECT_EQ(query, "");
    EXPECT_EQ(table().filter(), kStandingCondition.toStdString());

    setFilter("C");
    main->runCommand(Command::DeleteRecords);
    EXPECT_TRUE(seen.filteredEnabled);
    EXPECT_FALSE(seen.allRecordsForced);
    EXPECT_EQ(QString::fromStdString(query), main->filterExpression());
    EXPECT_EQ(QString::fromStdString(table().filter()), joinedFilter(main->filterExpression()));
    EXPECT_EQ(lastName(), "Clark");  // the first record of the filter
}

TEST_F(CommandRunTest, ExclusiveReopenGivesTheDialogItsOwnTableAndOpensTheFileAgain) {
    QFile(path("_chksz.idx")).open(QIODevice::WriteOnly);
    table().goBottom();
    main->commandDialogs()[Command::CheckStateZip] = {
        [&](CommandContext& c) {
            ++runs;
            EXPECT_FALSE(main->addressTable().isOpen());
            EXPECT_NE(c.table, &main->addressTable());
            EXPECT_EQ(c.table->table().filter(), kStandingCondition.toStdString());
            EXPECT_FALSE(main->reactingToTableEvents());
        },
        {}};
    main->runCommand(Command::CheckStateZip);
    EXPECT_EQ(runs, 1);
    ASSERT_TRUE(main->addressTable().isOpen());
    EXPECT_EQ(main->currentFile(), path("LIST.DBF"));
    EXPECT_EQ(table().orderTagName(), "LNAME");
    EXPECT_EQ(lastName(), "Adams");
    EXPECT_TRUE(main->reactingToTableEvents());
    EXPECT_EQ(main->currentPage(), 0);
    EXPECT_FALSE(QFile::exists(path("_chksz.idx")));
}

TEST_F(CommandRunTest, ExclusiveReopenFailsCleanlyWhileAnotherProcessHoldsTheFile) {
    // The other program takes the file in the moment the window lets go of it.
    main->addressTable().close();
    QProcess holder;
    holder.start("/usr/bin/python3",
                 {"-c",
                  "import fcntl,sys\nf=open(sys.argv[1],'rb')\nfcntl.flock(f,fcntl.LOCK_SH)\n"
                  "print('held',flush=True)\nsys.stdin.read()",
                  path("LIST.DBF")});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    main->commandDialogs()[Command::CheckDuplicates] = {[&](CommandContext&) { ++runs; }, {}};
    const qsizetype before = shown.texts().size();
    main->runCommand(Command::CheckDuplicates);
    EXPECT_EQ(runs, 0);
    const QStringList told = shown.texts().mid(before);
    ASSERT_FALSE(told.isEmpty());
    // The engine's account of it follows on a second line.
    EXPECT_TRUE(told.first().startsWith(
        "Unable to open this file exclusively. Possibly in use by another program or user\r\n" +
        path("LIST.DBF")))
        << told.first().toStdString();
    // The reopen that follows cannot open it either: the window says so and shows no file.
    EXPECT_GT(told.size(), 1);
    EXPECT_FALSE(main->addressTable().isOpen());

    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));
    main->openAddressFile(path("LIST.DBF"));
    EXPECT_TRUE(main->addressTable().isOpen());
}

TEST_F(CommandRunTest, LabelsWithoutItsSetupFileTellsAndRestoresRecordQueryAndPrinter) {
    setFilter("B");
    table().goBottom();
    const std::uint32_t before = table().recNo();
    const std::string query = table().filter();
    main->commandDialogs()[Command::Labels] = {[&](CommandContext&) { ++runs; }, {}};
    QFile::remove(path("RVPLSU.DBF"));
    main->runCommand(Command::Labels);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(shown.texts().last(), "Unable to Open RVPLSU.DBF (label setup file)\r\nCannot open " +
                                        path("RVPLSU.DBF") + ": No such file or directory");
    EXPECT_EQ(table().recNo(), before);
    EXPECT_EQ(table().filter(), query);
    EXPECT_TRUE(main->reactingToTableEvents());
    EXPECT_FALSE(main->frozen());
    EXPECT_EQ(printers.log, (QStringList{"remember", "restore"}));
}

TEST_F(CommandRunTest, PrintingCommandsNeedAPrinterAndRecordsInView) {
    const QString dbf = path("RVPESU.DBF");
    engine.create(enginePath(dbf), {{"DESCRIPT", 'C', 30, 0}});
    main->commandDialogs()[Command::Envelopes] = {[&](CommandContext& c) {
                                                      ++runs;
                                                      EXPECT_TRUE(c.sideTable != nullptr);
                                                  },
                                                  {}};
    printers.installed = false;
    main->runCommand(Command::Envelopes);
    EXPECT_EQ(shown.texts().last(),
              "There are no installed printers.\r\nPrinting envelopes is not feasible");
    EXPECT_TRUE(printers.log.isEmpty());

    printers.installed = true;
    setFilter("Nobody");
    const qsizetype before = shown.texts().size();
    main->runCommand(Command::Envelopes);
    EXPECT_EQ(shown.texts().size(), before);
    EXPECT_EQ(runs, 0);

    setFilter("");
    printers.log.clear();
    main->runCommand(Command::Envelopes);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(printers.log, (QStringList{"remember", "restore"}));
}

TEST_F(CommandRunTest, CloneCopiesAfterTheInsertReactions) {
    ini().writeBool("Adding", "PlugDate", true);
    ini().writeBool("Adding", "CarryCity", true);
    main->loadPreferences();
    table().setText("DATE", "19991231");
    table().setText("CARRIER", "C001");
    table().setMemo("MEMO", "Met at the fair");
    table().post();
    const std::uint32_t count = table().recordCount();
    main->onCloneTriggered();
    EXPECT_FALSE(main->editing());
    EXPECT_EQ(table().recordCount(), count + 1);
    EXPECT_EQ(table().recNo(), count + 1);
    EXPECT_EQ(lastName(), "Adams");
    EXPECT_EQ(table().text("CITY"), "Denver");
    EXPECT_EQ(table().text("DATE"), "19991231");
    EXPECT_EQ(table().memo("MEMO"), "Met at the fair");
    EXPECT_EQ(table().text("CARRIER"), "");
}

TEST_F(CommandRunTest, RebuildIndexesNeedsAFileAndEndsInLastNameOrder) {
    main->openAddressFile(path("MISSING.DBF"));
    main->onRebuildIndexesTriggered();
    EXPECT_EQ(shown.texts().last(), "You need to have a RVW file open first");

    main->openAddressFile(path("LIST.DBF"));
    services.rebuildIndexesDialog = [&] {
        ++runs;
        EXPECT_TRUE(main->frozen());
        table().setOrder("CITY");
    };
    main->setServices(services);
    main->onRebuildIndexesTriggered();
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(main->frozen());
    EXPECT_EQ(table().orderTagName(), "LNAME");
}

}  // namespace
}  // namespace rp

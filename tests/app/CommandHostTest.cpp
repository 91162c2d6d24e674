// One run of a command against a window of the test's own over a real address file: what the
// dialog is given, how the window looks while it runs, and that the window, the record it shows,
// the filter and the printer chosen are as they were once it has run.
#include <gtest/gtest.h>

#include <QFile>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/CommandRun.h"
#include "app/FilterBuilder.h"
#include "data/AddressFile.h"
#include "data/AddressLayout.h"
#include "framework/PrinterAccess.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "xbase/Error.h"

namespace rp {
namespace {

// The printer the user has chosen; a dialog may choose another while it runs.
class ChosenPrinter : public PrinterAccess {
  public:
    bool anyInstalled() const override { return true; }
    void rememberSelection() override { remembered_ = chosen; }
    void restoreSelection() override { chosen = remembered_; }

    QString chosen = "Office";

  private:
    QString remembered_;
};

// A window as the user sees it: frozen or not, following the table's moves or not, which page
// and record it shows, and whether its commands were last set for an open file.
class WindowHost : public CommandHost {
  public:
    WindowHost(xbase::Engine& engine, QString folder)
        : engine_(engine), table_(engine), folder_(std::move(folder)) {}

    QWidget* dialogParent() override { return &window; }
    xbase::Engine& engine() override { return engine_; }
    AddressTable& addressTable() override { return table_; }
    QString dataFolder() const override { return folder_; }
    QString userExpression() const override { return expression; }
    PrinterAccess* printers() override { return printerAccess; }
    void setFrozen(bool frozen) override { this->frozen = frozen; }
    void setReactingToTableEvents(bool reacting) override { this->reacting = reacting; }
    void applyFilter() override { table_->setFilter(joinedFilter(expression).toStdString()); }
    void showRecordPage() override {
        page = "record";
        showCurrentRecord();
    }
    void showCurrentRecord() override { shownRecord = table_->recNo(); }
    bool reopenAddressFile(const QString& path) override {
        return openAddressFileChecked(path, table_).ok;
    }
    void updateCommandStates() override { commandsForOpenFile = table_.isOpen(); }

    QWidget window;
    QString expression;
    PrinterAccess* printerAccess = nullptr;
    bool frozen = false;
    bool reacting = true;
    QString page;
    std::uint32_t shownRecord = 0;
    std::optional<bool> commandsForOpenFile;

  private:
    xbase::Engine& engine_;
    AddressTable table_;
    QString folder_;
};

class CommandHostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        AddressTable& table = host.addressTable();
        ASSERT_TRUE(createAddressFile(file(), table));
        for (const char* name : {"Brown", "Adams", "Clark"}) {
            table->appendBlank();
            table->setText("LNAME", name);
            table->setText("STATE", name[0] == 'A' ? "CO" : "MA");
            table->post();
        }
        table->commit();
        table->setOrder("LNAME");
        table->setFilter(kStandingCondition.toStdString());
        table->goTop();
    }
    QString folder() const { return QString::fromStdString(dir.path()) + "/"; }
    QString file() const { return folder() + "LIST.DBF"; }
    xbase::Table& table() { return host.addressTable().table(); }
    void run(Command command, std::function<void(CommandContext&)> dialog) {
        const CommandDialog d{std::move(dialog), {}};
        CommandRun(host, planFor(command), d).run();
    }

    TempDir dir;
    xbase::Engine engine;
    ScriptedMessages shown;
    MessagesScope scope{shown};
    WindowHost host{engine, folder()};
    int runs = 0;
};

TEST_F(CommandHostTest, StopsBeforeAnyChangeWithoutAnOpenFile) {
    host.addressTable().close();
    run(Command::ImportDbf, [&](CommandContext&) { ++runs; });
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(shown.texts(), QStringList{"You need to have a Ravenpost file open first"});
    EXPECT_FALSE(host.frozen);
    EXPECT_TRUE(host.reacting);
    EXPECT_EQ(host.commandsForOpenFile, false);
}

TEST_F(CommandHostTest, DialogIsGivenTheHostsFileFolderAndWindow) {
    host.expression = "UPPER(STATE)=\"MA\"";
    run(Command::ConvertUppercase, [&](CommandContext& c) {
        ++runs;
        EXPECT_EQ(c.parent, &host.window);
        EXPECT_EQ(c.table, &host.addressTable());
        EXPECT_EQ(c.programFolder, folder());
        EXPECT_EQ(c.userExpression, host.expression);
        EXPECT_EQ(c.sideTable, nullptr);
    });
    EXPECT_EQ(runs, 1);
}

TEST_F(CommandHostTest, RestorationsUndoThePreparationsEvenWhenTheDialogThrows) {
    table().skip(1);
    const std::uint32_t before = table().recNo();
    run(Command::ConvertUppercase, [&](CommandContext& c) {
        // The window stands still while the dialog walks the file.
        EXPECT_TRUE(host.frozen);
        EXPECT_FALSE(host.reacting);
        c.table->table().goBottom();
        throw xbase::Error("Disk full");
    });
    EXPECT_EQ(shown.texts(), QStringList{"Disk full"});
    EXPECT_EQ(table().recNo(), before);
    EXPECT_EQ(host.shownRecord, before);
    EXPECT_FALSE(host.frozen);
    EXPECT_TRUE(host.reacting);
    EXPECT_EQ(host.commandsForOpenFile, true);
}

TEST_F(CommandHostTest, UserQueryCommandsSeeTheUserExpressionAloneThenTheFilterAgain) {
    FilterChoice seen;
    std::string query;
    auto dialog = [&](CommandContext& c) {
        seen = c.filterChoice;
        query = c.table->table().filter();
    };
    run(Command::SearchReplace, dialog);
    EXPECT_FALSE(seen.filteredEnabled);
    EXPECT_TRUE(seen.allRecordsForced);
    EXPECT_EQ(query, "");

    host.expression = "UPPER(STATE)=\"MA\"";
    run(Command::SearchReplace, dialog);
    EXPECT_TRUE(seen.filteredEnabled);
    EXPECT_FALSE(seen.allRecordsForced);
    EXPECT_EQ(QString::fromStdString(query), host.expression);
    EXPECT_EQ(QString::fromStdString(table().filter()), joinedFilter(host.expression));
    EXPECT_EQ(table().text("LNAME"), "Brown");  // the first record of the filter
    EXPECT_EQ(host.shownRecord, table().recNo());
    EXPECT_FALSE(host.frozen);
    EXPECT_TRUE(host.reacting);
}

TEST_F(CommandHostTest, ExclusiveReopenClosesTheHostsFileAndHasTheHostOpenItAgain) {
    QFile(folder() + "_chkdup.idx").open(QIODevice::WriteOnly);
    run(Command::CheckDuplicates, [&](CommandContext& c) {
        ++runs;
        EXPECT_FALSE(host.addressTable().isOpen());
        EXPECT_NE(c.table, &host.addressTable());
        EXPECT_EQ(c.table->table().filter(), kStandingCondition.toStdString());
    });
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(host.addressTable().isOpen());
    EXPECT_EQ(table().recordCount(), 3u);
    EXPECT_EQ(host.page, "record");
    EXPECT_EQ(host.shownRecord, table().recNo());
    EXPECT_EQ(host.commandsForOpenFile, true);
    EXPECT_FALSE(QFile::exists(folder() + "_chkdup.idx"));
}

TEST_F(CommandHostTest, PrintingNeedsTheHostsPrintersAndGivesBackTheirSelection) {
    run(Command::Envelopes, [&](CommandContext&) { ++runs; });
    EXPECT_EQ(
        shown.texts(),
        QStringList{"There are no installed printers.\r\nPrinting envelopes is not feasible"});

    ChosenPrinter printers;
    host.printerAccess = &printers;
    shown.clear();
    run(Command::Envelopes, [&](CommandContext&) { ++runs; });
    EXPECT_EQ(runs, 0);
    ASSERT_EQ(shown.texts().size(), 1);
    EXPECT_TRUE(shown.texts()[0].startsWith("Unable to Open RVPESU.DBF (envelope setup file)\r\n"));
    EXPECT_FALSE(host.frozen);
    EXPECT_TRUE(host.reacting);

    engine.create(enginePath(folder() + "RVPESU.DBF"), {{"DESCRIPT", 'C', 30, 0}});
    run(Command::Envelopes, [&](CommandContext& c) {
        ++runs;
        EXPECT_NE(c.sideTable, nullptr);
        // The print dialog's choice lasts for this job only.
        printers.chosen = "Label printer";
    });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(printers.chosen, "Office");
}

}  // namespace
}  // namespace rp

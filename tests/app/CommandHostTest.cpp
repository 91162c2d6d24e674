// One run of a command against a host of the test's own over a real address file: what the
// dialog is given, and which of the host's steps run before and after it, in which order.
#include <gtest/gtest.h>

#include <QFile>
#include <QWidget>
#include <functional>

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

class LoggedPrinters : public PrinterAccess {
  public:
    QStringList log;
    bool anyInstalled() const override { return true; }
    void rememberSelection() override { log << "remember"; }
    void restoreSelection() override { log << "restore"; }
};

// Keeps a log of what the run asks of the window.
class LoggingHost : public CommandHost {
  public:
    LoggingHost(xbase::Engine& engine, QString folder)
        : engine_(engine), table_(engine), folder_(std::move(folder)) {}

    QWidget* dialogParent() override { return &window; }
    xbase::Engine& engine() override { return engine_; }
    AddressTable& addressTable() override { return table_; }
    QString dataFolder() const override { return folder_; }
    QString userExpression() const override { return expression; }
    PrinterAccess* printers() override { return printerAccess; }
    void setFrozen(bool frozen) override { log << (frozen ? "freeze" : "thaw"); }
    void setReactingToTableEvents(bool reacting) override {
        log << (reacting ? "resume" : "pause");
    }
    void applyFilter() override {
        log << "filter";
        table_->setFilter(joinedFilter(expression).toStdString());
    }
    void showRecordPage() override { log << "record page"; }
    void showCurrentRecord() override { log << "record " + QString::number(table_->recNo()); }
    bool reopenAddressFile(const QString& path) override {
        log << "reopen " + path;
        return openAddressFileChecked(path, table_).ok;
    }
    void updateCommandStates() override { log << "states"; }

    QWidget window;
    QString expression;
    PrinterAccess* printerAccess = nullptr;
    QStringList log;

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
    LoggingHost host{engine, folder()};
    int runs = 0;
};

TEST_F(CommandHostTest, StopsBeforeAnyChangeWithoutAnOpenFile) {
    host.addressTable().close();
    run(Command::ImportDbf, [&](CommandContext&) { ++runs; });
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(shown.texts(), QStringList{"You need to have a Ravenpost file open first"});
    EXPECT_EQ(host.log, QStringList{"states"});
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
    const QString at = "record " + QString::number(before);
    run(Command::ConvertUppercase, [&](CommandContext& c) {
        EXPECT_EQ(host.log, (QStringList{"pause", "freeze"}));
        c.table->table().goBottom();
        throw xbase::Error("Disk full");
    });
    EXPECT_EQ(table().recNo(), before);
    EXPECT_EQ(host.log, (QStringList{"pause", "freeze", "thaw", at, "resume", "states"}));
    EXPECT_EQ(shown.texts(), QStringList{"Disk full"});
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
    host.log.clear();
    run(Command::SearchReplace, dialog);
    EXPECT_TRUE(seen.filteredEnabled);
    EXPECT_FALSE(seen.allRecordsForced);
    EXPECT_EQ(QString::fromStdString(query), host.expression);
    EXPECT_EQ(QString::fromStdString(table().filter()), joinedFilter(host.expression));
    EXPECT_EQ(table().text("LNAME"), "Brown");  // the first record of the filter
    const QString first = "record " + QString::number(table().recNo());
    EXPECT_EQ(host.log, (QStringList{"pause", "freeze", "filter", first, "thaw", "resume", "states",
                                     "states"}));
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
    EXPECT_EQ(host.log, (QStringList{"reopen " + file(), "record page", "states"}));
    EXPECT_TRUE(host.addressTable().isOpen());
    EXPECT_FALSE(QFile::exists(folder() + "_chkdup.idx"));
}

TEST_F(CommandHostTest, PrintingNeedsTheHostsPrintersAndGivesBackTheirSelection) {
    run(Command::Envelopes, [&](CommandContext&) { ++runs; });
    EXPECT_EQ(
        shown.texts(),
        QStringList{"There are no installed printers.\r\nPrinting envelopes is not feasible"});
    EXPECT_EQ(host.log, QStringList{"states"});

    LoggedPrinters printers;
    host.printerAccess = &printers;
    host.log.clear();
    shown.clear();
    run(Command::Envelopes, [&](CommandContext&) { ++runs; });
    EXPECT_EQ(runs, 0);
    ASSERT_EQ(shown.texts().size(), 1);
    EXPECT_TRUE(shown.texts()[0].startsWith("Unable to Open RVPESU.DBF (envelope setup file)\r\n"));
    EXPECT_EQ(host.log, (QStringList{"freeze", "pause", "thaw", "resume", "states"}));
    EXPECT_EQ(printers.log, (QStringList{"remember", "restore"}));

    engine.create(enginePath(folder() + "RVPESU.DBF"), {{"DESCRIPT", 'C', 30, 0}});
    run(Command::Envelopes, [&](CommandContext& c) {
        ++runs;
        EXPECT_NE(c.sideTable, nullptr);
    });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(printers.log, (QStringList{"remember", "restore", "remember", "restore"}));
}

}  // namespace
}  // namespace rp

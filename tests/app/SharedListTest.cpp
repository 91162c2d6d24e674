// The main window on a list shared with other users: the preference that opens the file shared,
// record locks while a record is edited or deleted, following what other processes change, and
// the commands that need the file alone. The other users are real processes.
#include <QPlainTextEdit>
#include <QTimer>

#include "MainWindowFixture.h"
#include "app/BrowseGrid.h"
#include "xbase/Error.h"
#include "xbase/OtherProcess.h"

namespace rp {
namespace {

const QString kLockedText = "This record is being changed by another user. Try again later.";
const QString kChangedText = "This record was changed by another user.";

class SharedListTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFourPeople("LIST.DBF");
        writeRecent({path("LIST.DBF")});
        share(true);
    }

    void share(bool on) const {
        IniFile i = ini();
        i.writeBool("Sharing", "ShareOpenFile", on);
    }
    std::string file() const { return path("LIST.DBF").toStdString(); }

    // Starts the window on the list, standing on record recno.
    MainWindow& startOn(std::uint32_t recno) {
        MainWindow& w = start();
        for (std::uint32_t r = 1; r < recno; ++r) page().nextButton->click();
        EXPECT_EQ(w.addressTable()->recNo(), recno);
        return w;
    }

    // Another process that changes the list (opened shared) and then keeps it open.
    static std::unique_ptr<OtherProcess> otherUser(
        const std::string& path, const std::function<void(xbase::Table&)>& change) {
        auto other = std::make_unique<OtherProcess>([&](const std::function<void()>& holdOn) {
            xbase::Engine engine;
            auto t = engine.open(path, xbase::OpenMode::Shared);
            change(*t);
            t->commit();
            holdOn();
        });
        EXPECT_TRUE(other->opened());
        return other;
    }

    QString lockedCause(std::uint32_t recno) const {
        return "Record " + QString::number(recno) + " of " + path("LIST.DBF") +
               " is locked by another program or user";
    }
};

TEST_F(SharedListTest, ThePreferenceChoosesHowTheWindowOpensTheFile) {
    const struct {
        bool shared;
        xbase::OpenMode mode;
    } cases[] = {{false, xbase::OpenMode::Exclusive}, {true, xbase::OpenMode::Shared}};
    for (const auto& c : cases) {
        share(c.shared);
        MainWindow& w = start();
        EXPECT_EQ(w.addressTable()->mode(), c.mode) << c.shared;
        EXPECT_EQ(w.othersWatch()->isActive(), c.shared);
        EXPECT_EQ(w.othersWatch()->interval(), 2000);
        // Another program can open the file beside the window only while it is shared.
        EXPECT_EQ(OtherProcess(file(), xbase::OpenMode::Shared).opened(), c.shared);
        main.reset();
    }
}

TEST_F(SharedListTest, SwitchingThePreferenceReopensTheOpenFileOnTheSameRecord) {
    share(false);
    MainWindow& w = startOn(3);
    services.preferencesDialog = [this] { share(true); };
    w.setServices(services);
    choose(w.fileMenu(), "&Preferences");
    EXPECT_EQ(w.addressTable()->mode(), xbase::OpenMode::Shared);
    EXPECT_EQ(w.addressTable()->recNo(), 3u);
    EXPECT_EQ(field("LNAME")->text(), "Clark");
    EXPECT_TRUE(w.othersWatch()->isActive());
}

// The cause the engine gives when a table another process has open is opened exclusively.
QString exclusiveCause(const std::string& path) {
    xbase::Engine engine;
    try {
        engine.open(path, xbase::OpenMode::Exclusive);
    } catch (const xbase::Error& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

TEST_F(SharedListTest, SwitchingSharingOffWhileOthersHaveTheFileKeepsItShared) {
    MainWindow& w = startOn(3);
    const OtherProcess other(file(), xbase::OpenMode::Shared);
    ASSERT_TRUE(other.opened());
    const QString cause = exclusiveCause(file());
    services.preferencesDialog = [this] { share(false); };
    w.setServices(services);
    choose(w.fileMenu(), "&Preferences");
    EXPECT_EQ(shown.texts(), QStringList{"Unable to open " + path("LIST.DBF") +
                                         "\r\n\r\n * May not an Ravenpost file.\r\n * May be in "
                                         "use by another program or user\r\n" +
                                         cause});
    ASSERT_TRUE(w.addressTable().isOpen());
    EXPECT_EQ(w.addressTable()->mode(), xbase::OpenMode::Shared);
    EXPECT_EQ(w.currentFile(), path("LIST.DBF"));
    EXPECT_EQ(field("LNAME")->text(), "Clark");
}

TEST_F(SharedListTest, ARecordAnotherProgramHoldsIsNotEdited) {
    const auto holder = std::make_unique<OtherProcess>([&](const std::function<void()>& holdOn) {
        xbase::Engine engine;
        auto t = engine.open(file(), xbase::OpenMode::Shared);
        t->lockRecord(3);
        holdOn();
    });
    ASSERT_TRUE(holder->opened());
    MainWindow& w = startOn(3);
    // By the Edit button, and by typing into the memo box: the typed letter goes again.
    page().editButton->click();
    page().memo()->insertPlainText("x");
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(page().memo()->toPlainText(), "");
    EXPECT_TRUE(field("LNAME")->isReadOnly());
    const QString refusal = withCause(kLockedText, lockedCause(3));
    EXPECT_EQ(shown.texts(), QStringList({refusal, refusal}));

    // Delete is refused the same way, before anything is asked.
    shown.clear();
    page().deleteButton->click();
    EXPECT_EQ(shown.texts(), QStringList{refusal});
    EXPECT_EQ(w.addressTable()->recordCount(), 4u);
    EXPECT_FALSE(w.addressTable()->deleted());
}

TEST_F(SharedListTest, AnEditHoldsTheRecordUntilSaveOrCancel) {
    MainWindow& w = startOn(2);
    xbase::Engine other;
    const auto look = other.open(file(), xbase::OpenMode::Shared);
    for (const bool save : {true, false}) {
        page().editButton->click();
        ASSERT_TRUE(w.editing());
        EXPECT_TRUE(look->isRecordLockedByOther(2));
        EXPECT_FALSE(look->isRecordLockedByOther(1));
        type("CITY", "Bangor");
        (save ? page().saveButton : page().cancelButton)->click();
        EXPECT_FALSE(w.editing());
        EXPECT_FALSE(look->isRecordLockedByOther(2)) << save;
    }
    look->go(2);
    EXPECT_EQ(look->text("CITY"), "Bangor");
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(SharedListTest, ARecordChangedMeanwhileIsShownAnewBeforeTheTypingGoesOn) {
    MainWindow& w = startOn(2);
    const auto other = otherUser(file(), [](xbase::Table& t) {
        t.go(2);
        t.setText("CITY", "Bangor");
        t.setMemo("MEMO", "Moved north");
    });
    EXPECT_EQ(field("CITY")->text(), "Boston");
    page().memo()->insertPlainText("x");
    ASSERT_TRUE(w.editing());
    EXPECT_EQ(shown.texts(), QStringList{kChangedText});
    EXPECT_EQ(field("CITY")->text(), "Bangor");
    EXPECT_EQ(page().memo()->toPlainText(), "Moved north");

    // Unchanged since it was shown: nothing is said.
    page().cancelButton->click();
    shown.clear();
    page().editButton->click();
    EXPECT_TRUE(w.editing());
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(SharedListTest, TheWindowFollowsAppendsOnTheSameRecord) {
    MainWindow& w = startOn(3);
    w.pageButton(1)->click();
    auto* grid = w.findChild<BrowseGrid*>();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model()->rowCount(), 4);
    const auto other = otherUser(file(), [](xbase::Table& t) {
        for (const char* name : {"Baker", "Evans"}) {
            t.appendBlank();
            t.setText("LNAME", name);
            t.post();
        }
    });
    w.followOthers();
    EXPECT_EQ(grid->model()->rowCount(), 6);
    EXPECT_EQ(w.addressTable()->recNo(), 3u);
    EXPECT_EQ(field("LNAME")->text(), "Clark");
    choose(w.utilitiesMenu(), "&Count Records");
    EXPECT_EQ(shown.texts(), QStringList{"There are 6 records"});
}

TEST_F(SharedListTest, TheRecordPageFollowsChangesButNotDuringAnEdit) {
    MainWindow& w = startOn(2);
    page().editButton->click();
    type("CITY", "Bangor");
    const auto first = otherUser(file(), [](xbase::Table& t) {
        t.go(3);
        t.setText("CITY", "Trenton");
    });
    w.followOthers();  // the edit is left alone
    EXPECT_TRUE(w.editing());
    EXPECT_EQ(field("CITY")->text(), "Bangor");
    page().cancelButton->click();

    const auto second = otherUser(file(), [](xbase::Table& t) {
        t.go(2);
        t.setText("ZIP", "02109");
    });
    EXPECT_EQ(field("ZIP")->text(), "02101");
    w.followOthers();
    EXPECT_EQ(field("ZIP")->text(), "02109");
    EXPECT_EQ(field("CITY")->text(), "Boston");
    EXPECT_EQ(w.addressTable()->recNo(), 2u);
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(SharedListTest, ARecordDeletedByAnotherUserIsShownSoAndCannotBeChanged) {
    MainWindow& w = startOn(2);
    EXPECT_FALSE(page().deletedMark()->isVisibleTo(&w));
    const auto other = otherUser(file(), [](xbase::Table& t) {
        t.go(2);
        t.deleteRecord();
    });
    w.followOthers();
    EXPECT_EQ(w.addressTable()->recNo(), 2u);
    EXPECT_EQ(field("LNAME")->text(), "Brown");
    EXPECT_TRUE(page().deletedMark()->isVisibleTo(&w));
    EXPECT_EQ(page().deletedMark()->text(), "Deleted by another user");
    page().editButton->click();
    page().deleteButton->click();
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(shown.beeps(), 2);
    EXPECT_TRUE(shown.texts().isEmpty());
    page().nextButton->click();
    EXPECT_EQ(field("LNAME")->text(), "Clark");
    EXPECT_FALSE(page().deletedMark()->isVisibleTo(&w));
}

TEST_F(SharedListTest, CommandsThatNeedTheFileAloneEndAndTheFileIsSharedAgain) {
    MainWindow& w = startOn(3);
    bool dialogShown = false;
    services.rebuildIndexesDialog = [&] { dialogShown = true; };
    w.setServices(services);
    const OtherProcess other(file(), xbase::OpenMode::Shared);
    ASSERT_TRUE(other.opened());
    const QString cause = exclusiveCause(file());
    ASSERT_FALSE(cause.isEmpty());
    const QString message =
        "Unable to open this file exclusively. Possibly in use by another program or user\r\n" +
        cause;

    const std::function<void()> commands[] = {
        [&] { w.onRebuildIndexesTriggered(); },
        [&] { w.runCommand(Command::ImportDbf); },
        [&] { w.runCommand(Command::CheckDuplicates); },
        [&] { w.runCommand(Command::ConvertUppercase); },
        [&] { w.runCommand(Command::DeleteRecords); },
        [&] { w.runCommand(Command::SearchReplace); },
    };
    for (const auto& command : commands) {
        for (auto& [c, dialog] : w.commandDialogs())
            dialog.run = [&dialogShown](CommandContext&) { dialogShown = true; };
        shown.clear();
        command();
        EXPECT_EQ(shown.texts(), QStringList{message});
        EXPECT_FALSE(dialogShown);
        ASSERT_TRUE(w.addressTable().isOpen());
        EXPECT_EQ(w.addressTable()->mode(), xbase::OpenMode::Shared);
        EXPECT_TRUE(w.othersWatch()->isActive());
    }
}

TEST_F(SharedListTest, CommandsThatNeedTheFileAloneHaveItWhenNobodyElseHasItOpen) {
    MainWindow& w = startOn(2);
    std::vector<xbase::OpenMode> modes;
    services.rebuildIndexesDialog = [&] { modes.push_back(w.addressTable()->mode()); };
    w.setServices(services);
    for (Command c : {Command::ImportDbf, Command::ConvertUppercase, Command::DeleteRecords})
        w.commandDialogs()[c].run = [&modes](CommandContext& context) {
            modes.push_back(context.table->table().mode());
        };
    const std::function<void()> commands[] = {
        [&] { w.onRebuildIndexesTriggered(); },
        [&] { w.runCommand(Command::ImportDbf); },
        [&] { w.runCommand(Command::ConvertUppercase); },
        [&] { w.runCommand(Command::DeleteRecords); },
    };
    for (const auto& command : commands) {
        modes.clear();
        command();
        EXPECT_EQ(modes, std::vector{xbase::OpenMode::Exclusive});
        ASSERT_TRUE(w.addressTable().isOpen());
        EXPECT_EQ(w.addressTable()->mode(), xbase::OpenMode::Shared);
        EXPECT_TRUE(w.othersWatch()->isActive());
    }
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(SharedListTest, AddAndDeleteKeepWhatOthersAppendedMeanwhile) {
    MainWindow& w = startOn(2);
    const auto other = otherUser(file(), [](xbase::Table& t) {
        t.appendBlank();
        t.setText("LNAME", "Evans");
    });
    page().addButton->click();
    ASSERT_TRUE(w.editing());
    type("LNAME", "Foster");
    page().saveButton->click();
    EXPECT_FALSE(w.editing());

    w.addressTable()->go(2);
    shown.answer(true);
    page().deleteButton->click();
    EXPECT_EQ(shown.texts(), QStringList{"Delete this record?"});

    xbase::Engine engine;
    const auto look = engine.open(file(), xbase::OpenMode::Shared);
    EXPECT_FALSE(look->isRecordLockedByOther(2));
    ASSERT_EQ(look->recordCount(), 6u);
    QStringList names;
    for (std::uint32_t r = 1; r <= 6; ++r) {
        look->go(r);
        names << QString::fromStdString(look->text("LNAME")) + (look->deleted() ? "*" : "");
    }
    EXPECT_EQ(names, QStringList({"Adams", "Brown*", "Clark", "Drake", "Evans", "Foster"}));
}

TEST_F(SharedListTest, CountingAndCopyingOutWorkBesideOthers) {
    MainWindow& w = startOn(2);
    const OtherProcess other(file(), xbase::OpenMode::Shared);
    ASSERT_TRUE(other.opened());
    std::vector<xbase::OpenMode> modes;
    for (Command c : {Command::CountZipCodes, Command::CopyRecordsOut}) {
        w.commandDialogs()[c].run = [&modes](CommandContext& context) {
            modes.push_back(context.table->table().mode());
        };
        w.runCommand(c);
    }
    EXPECT_EQ(modes, std::vector({xbase::OpenMode::Shared, xbase::OpenMode::Shared}));
    EXPECT_TRUE(shown.texts().isEmpty());
}

}  // namespace
}  // namespace rp

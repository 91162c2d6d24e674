// Two copies of the program on one shared list, each over a data folder of its own (one copy per
// data folder may run): this test's window, and the window of another process, this test program
// started again for the test that plays the other user. The two pass marks to each other as
// files beside the list.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <functional>
#include <map>

#include "MainWindowFixture.h"
#include "app/BrowseGrid.h"
#include "app/SingleInstance.h"
#include "framework/Messages.h"

namespace rp {
namespace {

const char kRoleVariable[] = "RAVENPOST_OTHER_COPY_ROLE";
const char kFileVariable[] = "RAVENPOST_OTHER_COPY_FILE";
const char kOtherCopyTest[] = "OtherCopyTest.PlaysTheRoleItIsGiven";
const int kPatienceMs = 30000;

// A copy of the program: the window over this test's data folder, on a list opened shared.
class ProgramCopyTest : public MainWindowTest {
  protected:
    MainWindow& startShared(const QString& list, std::uint32_t recno) {
        // The running copy of its data folder, as the program checks before it starts.
        EXPECT_TRUE(instance_.isFirst());
        writeRecent({list});
        IniFile i = ini();
        i.writeBool("Sharing", "ShareOpenFile", true);
        MainWindow& w = start();
        if (!w.addressTable().isOpen()) {
            ADD_FAILURE() << "the list did not open: " << shown.texts().join('|').toStdString();
            return w;
        }
        for (std::uint32_t r = 1; r < recno; ++r) page().nextButton->click();
        EXPECT_EQ(w.addressTable()->mode(), xbase::OpenMode::Shared);
        EXPECT_EQ(w.addressTable()->recNo(), recno);
        return w;
    }

    // Ends the program as the user does, answering its question.
    void exitProgram() {
        shown.clear();
        shown.answer(true);
        EXPECT_TRUE(main->close());
        EXPECT_EQ(shown.texts(), QStringList{"Exit now?"});
        main.reset();
    }

    static QString mark(const QString& list, const char* name) {
        return QFileInfo(list).absolutePath() + "/" + name;
    }
    static void put(const QString& mark) {
        QFile f(mark);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << mark.toStdString();
    }
    // Waits, the window working meanwhile, until the mark is there or the other side gave up.
    static bool waitFor(const QString& mark, const std::function<bool()>& otherGaveUp) {
        return QTest::qWaitFor([&] { return QFile::exists(mark) || otherGaveUp(); }, kPatienceMs) &&
               QFile::exists(mark);
    }

    SingleInstance instance_{folder()};
};

// Started by the tests further down with its role and the list in the environment; run
// otherwise, it has nothing to do.
class OtherCopyTest : public ProgramCopyTest {};

TEST_F(OtherCopyTest, PlaysTheRoleItIsGiven) {
    const QString role = qEnvironmentVariable(kRoleVariable);
    if (role.isEmpty()) GTEST_SKIP() << "played only as the other copy of the two-copy tests";
    const QString list = qEnvironmentVariable(kFileVariable);
    const auto nobodyWaits = [] { return false; };
    const std::map<QString, std::function<void()>> roles = {
        // Holds record 3 in an edit until the first copy has been refused it.
        {"edit",
         [&] {
             MainWindow& w = startShared(list, 3);
             page().editButton->click();
             ASSERT_TRUE(w.editing());
             put(mark(list, "editing"));
             ASSERT_TRUE(waitFor(mark(list, "refused"), nobodyWaits));
             page().cancelButton->click();
             EXPECT_FALSE(w.editing());
         }},
        // Adds a record.
        {"add",
         [&] {
             MainWindow& w = startShared(list, 1);
             page().addButton->click();
             ASSERT_TRUE(w.editing());
             type("LNAME", "Evans");
             type("CITY", "Erie");
             page().saveButton->click();
             EXPECT_FALSE(w.editing());
             EXPECT_EQ(w.addressTable()->recordCount(), 5u);
         }},
    };
    ASSERT_EQ(roles.count(role), 1u) << role.toStdString();
    roles.at(role)();
    EXPECT_TRUE(shown.texts().isEmpty()) << shown.texts().join('|').toStdString();
    exitProgram();
}

class TwoCopiesTest : public ProgramCopyTest {
  protected:
    void SetUp() override { makeFourPeople("LIST.DBF"); }
    void TearDown() override {
        if (other_.state() == QProcess::NotRunning) return;
        other_.kill();
        other_.waitForFinished(kPatienceMs);
    }

    QString list() const { return path("LIST.DBF"); }
    QString mark(const char* name) const { return ProgramCopyTest::mark(list(), name); }
    bool waitFor(const char* name) {
        return ProgramCopyTest::waitFor(mark(name),
                                        [this] { return other_.state() == QProcess::NotRunning; });
    }

    // Starts this test program again, as the other copy playing role on the list.
    void startOther(const char* role) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kRoleVariable, role);
        environment.insert(kFileVariable, list());
        other_.setProcessEnvironment(environment);
        other_.setProcessChannelMode(QProcess::MergedChannels);
        other_.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--gtest_filter=") + kOtherCopyTest});
        ASSERT_TRUE(other_.waitForStarted(kPatienceMs));
    }
    // What the other copy printed: its test's report.
    std::string otherSaid() { return other_.readAll().toStdString(); }

    // The other copy ended by itself, with its own checks passed.
    void expectOtherEndedCleanly() {
        ASSERT_TRUE(other_.waitForFinished(kPatienceMs));
        const std::string said = otherSaid();
        EXPECT_EQ(other_.exitStatus(), QProcess::NormalExit) << said;
        EXPECT_EQ(other_.exitCode(), 0) << said;
        EXPECT_NE(said.find("[  PASSED  ] 1 test."), std::string::npos) << said;
    }

    // With both copies ended, the list and its index agree.
    void expectListChecksClean(int records) {
        QProcess check;
        check.start(QStringLiteral(XBASE_TOOL_PATH), {QStringLiteral("check"), list()});
        ASSERT_TRUE(check.waitForFinished(kPatienceMs));
        EXPECT_EQ(QString::fromLocal8Bit(check.readAllStandardOutput()),
                  QStringLiteral("ok: 21 tags, %1 records\n").arg(records));
        EXPECT_EQ(check.exitCode(), 0);
    }

    QProcess other_;
};

TEST_F(TwoCopiesTest, ARecordTheOtherCopyEditsIsRefusedUntilItsEditEnds) {
    MainWindow& w = startShared(list(), 3);
    startOther("edit");
    ASSERT_TRUE(waitFor("editing")) << otherSaid();

    page().editButton->click();
    EXPECT_FALSE(w.editing());
    EXPECT_TRUE(field("CITY")->isReadOnly());
    EXPECT_EQ(
        shown.texts(),
        QStringList{withCause("This record is being changed by another user. Try again later.",
                              "Record 3 of " + list() + " is locked by another program or user")});
    put(mark("refused"));
    expectOtherEndedCleanly();

    // The other copy's edit ended: the record is ours to change.
    shown.clear();
    page().editButton->click();
    ASSERT_TRUE(w.editing());
    type("CITY", "Cherry Hill");
    page().saveButton->click();
    EXPECT_FALSE(w.editing());
    EXPECT_TRUE(shown.texts().isEmpty()) << shown.texts().join('|').toStdString();
    exitProgram();

    expectListChecksClean(4);
    const auto look = engine.open(list().toStdString(), xbase::OpenMode::ReadOnly);
    look->go(3);
    EXPECT_EQ(look->text("CITY"), "Cherry Hill");
}

TEST_F(TwoCopiesTest, ARecordTheOtherCopyAddsAppearsInBrowseWithoutMovingOurPlace) {
    MainWindow& w = startShared(list(), 3);
    w.pageButton(1)->click();
    auto* grid = w.findChild<BrowseGrid*>();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model()->rowCount(), 4);
    startOther("add");
    expectOtherEndedCleanly();

    // The window's own watch of the file notices the new record.
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid->model()->rowCount() == 5; }, kPatienceMs));
    EXPECT_EQ(w.addressTable()->recNo(), 3u);
    EXPECT_EQ(field("LNAME")->text(), "Clark");
    choose(w.utilitiesMenu(), "&Count Records");
    EXPECT_EQ(shown.texts(), QStringList{"There are 5 records"});
    exitProgram();

    expectListChecksClean(5);
    const auto look = engine.open(list().toStdString(), xbase::OpenMode::ReadOnly);
    look->go(5);
    EXPECT_EQ(look->text("LNAME"), "Evans");
    EXPECT_EQ(look->text("CITY"), "Erie");
}

}  // namespace
}  // namespace rp

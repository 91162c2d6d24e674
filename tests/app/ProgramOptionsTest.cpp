// The program's options: --help and --version print and end, a wrong option ends with one line
// and status 1, all before the data folder is made and before the single-copy check; Qt's own
// options are still taken. The parsing, and the built program run as a real process offscreen
// with a home folder of its own.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>

#include "app/ProgramArguments.h"
#include "support/TempDir.h"

namespace rp {
namespace {

using Action = ProgramArguments::Action;

TEST(ProgramOptionsTest, OptionsAreReadIntoWhatTheProgramDoes) {
    const struct {
        QStringList arguments;
        Action action;
        QString text;  // the start of the help and version texts
        QStringList home;
    } cases[] = {
        {{"ravenpost"}, Action::Run, "", {}},
        {{"ravenpost", "--home", "/data"}, Action::Run, "", {"--home", "/data"}},
        {{"ravenpost", "--home=/a", "--home", "/b"}, Action::Run, "", {"--home", "/b"}},
        {{"ravenpost", "-home", "/data"}, Action::Run, "", {"--home", "/data"}},
        {{"ravenpost", "--help"}, Action::PrintHelp, "Usage: ", {}},
        {{"ravenpost", "-h", "--home", "/d"}, Action::PrintHelp, "Usage: ", {"--home", "/d"}},
        {{"ravenpost", "--version"}, Action::PrintVersion, "Ravenpost ", {}},
        {{"ravenpost", "-v"}, Action::PrintVersion, "Ravenpost ", {}},
        {{"ravenpost", "--bogus"}, Action::Refuse, "ravenpost: Unknown option 'bogus'.", {}},
        {{"ravenpost", "-bogus", "A.DBF"},
         Action::Refuse,
         "ravenpost: Unknown option 'bogus'.",
         {}},
        {{"ravenpost", "--bogus", "--x"},
         Action::Refuse,
         "ravenpost: Unknown options: bogus, x.",
         {}},
        {{"ravenpost", "--home"}, Action::Refuse, "ravenpost: Missing value after '--home'.", {}},
        {{"ravenpost", "--help", "--bogus"},
         Action::Refuse,
         "ravenpost: Unknown option 'bogus'.",
         {}},
    };
    for (const auto& c : cases) {
        const ProgramArguments parsed = parseProgramArguments(c.arguments);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.action, c.action) << what;
        if (c.action == Action::Refuse) {
            EXPECT_EQ(parsed.text.toStdString(), c.text.toStdString()) << what;
        } else if (c.action == Action::Run) {
            EXPECT_TRUE(parsed.text.isEmpty()) << what;
        } else {
            EXPECT_TRUE(parsed.text.startsWith(c.text)) << what << '\n'
                                                        << parsed.text.toStdString();
        }
        if (c.action == Action::PrintHelp) {
            EXPECT_TRUE(parsed.text.contains(" [options] [FILE.DBF]\n")) << what;
        }
        EXPECT_EQ(parsed.homeArguments, c.home) << what;
    }
}

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

class ProgramProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home = QString::fromStdString(dir.file("home"));
        runtime = QString::fromStdString(dir.file("runtime"));
        ASSERT_TRUE(QDir().mkpath(home));
        ASSERT_TRUE(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The program's environment: offscreen, this test's home and runtime folders, no data
    // folder from the environment.
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", home);
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.remove("RAVENPOST_HOME");
        env.remove("XDG_DATA_HOME");
        return env;
    }

    ProgramRun run(const QStringList& arguments) const {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(QString::fromStdString(dir.path()));
        process.start(QStringLiteral(RAVENPOST_PATH), arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << arguments.join(' ').toStdString();
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QString userDataFolder() const { return home + "/.local/share/Ravenpost"; }

    TempDir dir;
    QString home;
    QString runtime;
};

TEST_F(ProgramProcessTest, HelpAndVersionPrintAndEndWithoutADataFolder) {
    const QString named = QString::fromStdString(dir.file("named"));
    for (const QStringList& arguments :
         {QStringList{"--help"}, QStringList{"-h"}, QStringList{"--home", named, "--help"},
          QStringList{"-platform", "offscreen", "--help"},
          QStringList{"-style", "fusion", "-platform", "offscreen", "--help", "A.DBF"}}) {
        const ProgramRun r = run(arguments);
        const std::string what = arguments.join(' ').toStdString();
        EXPECT_EQ(r.status, 0) << what << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith("Usage: ")) << what << r.out.toStdString();
        for (const char* option : {"--help", "--version", "--home <folder>", "FILE.DBF"})
            EXPECT_TRUE(r.out.contains(option)) << what << option;
        EXPECT_EQ(r.err, "") << what;
    }
    const ProgramRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(
        QRegularExpression("^Ravenpost \\d+\\.\\d+(\\.\\d+)?\n$").match(version.out).hasMatch())
        << version.out.toStdString();
    EXPECT_EQ(version.err, "");
    EXPECT_FALSE(QFileInfo::exists(userDataFolder()));
    EXPECT_FALSE(QFileInfo::exists(named));
}

TEST_F(ProgramProcessTest, AWrongOptionEndsWithOneLineAndStatusOne) {
    const struct {
        QStringList arguments;
        QString err;
    } cases[] = {
        {{"--bogus"}, "ravenpost: Unknown option 'bogus'.\n"},
        {{"-platform", "offscreen", "--bogus", "A.DBF"}, "ravenpost: Unknown option 'bogus'.\n"},
        {{"--home"}, "ravenpost: Missing value after '--home'.\n"},
    };
    for (const auto& c : cases) {
        const ProgramRun r = run(c.arguments);
        EXPECT_EQ(r.status, 1) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.err.toStdString(), c.err.toStdString());
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(QFileInfo::exists(userDataFolder()));
}

TEST_F(ProgramProcessTest, OptionsAreAnsweredBeforeTheSingleCopyCheck) {
    const QString data = QString::fromStdString(dir.file("data"));
    QProcess first;
    first.setProcessEnvironment(environment());
    first.start(QStringLiteral(RAVENPOST_PATH), {"--home", data});
    // The running copy has made its first address file once it is up.
    for (int i = 0; i < 300 && !QFileInfo::exists(data + "/RAVENP1.CDX"); ++i) QTest::qWait(100);
    ASSERT_TRUE(QFileInfo::exists(data + "/RAVENP1.CDX"));
    ASSERT_EQ(first.state(), QProcess::Running);

    const ProgramRun help = run({"--home", data, "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: ")) << help.out.toStdString();
    const ProgramRun bogus = run({"--home", data, "--bogus"});
    EXPECT_EQ(bogus.status, 1);
    EXPECT_EQ(bogus.err, "ravenpost: Unknown option 'bogus'.\n");
    // A plain second copy hands over to the first and ends.
    const ProgramRun second = run({"--home", data});
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out, "");
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(10000)) {
        first.kill();
        first.waitForFinished(10000);
    }
}

}  // namespace
}  // namespace rp

// The program's --language: accepted beside the address file, and the language of what it
// prints, --help included (the translation is installed before the options are read). A copy
// of the program runs with the build's pseudo-translation installed beside it as Spanish.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>

#include "app/ProgramArguments.h"
#include "support/TempDir.h"

namespace rp {
namespace {

TEST(ProgramLanguageTest, LanguageIsAcceptedBesideTheAddressFile) {
    for (const QStringList& arguments : {QStringList{"ravenpost", "--language", "es", "A.DBF"},
                                         QStringList{"ravenpost", "--language=en", "A.DBF"},
                                         QStringList{"ravenpost", "-language", "de", "A.DBF"}}) {
        const ProgramArguments parsed = parseProgramArguments(arguments);
        EXPECT_EQ(parsed.action, ProgramArguments::Action::Run) << parsed.text.toStdString();
        EXPECT_EQ(parsed.fileToOpen, QDir::current().absoluteFilePath("A.DBF"));
    }
}

TEST(ProgramLanguageTest, HelpIsPrintedInTheLanguageChosen) {
    TempDir dir;
    const QDir root(QString::fromStdString(dir.path()));
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("share/translations") && root.mkpath("home"));
    const QString program = root.filePath("bin/ravenpost");
    ASSERT_TRUE(QFile::copy(RAVENPOST_PATH, program));
    ASSERT_TRUE(
        QFile::copy(RAVENPOST_PSEUDO_QM, root.filePath("share/translations/ravenpost_es.qm")));
    const struct {
        QString lang;
        QStringList options;
        bool translated;
    } cases[] = {
        {"es_ES.UTF-8", {}, true},
        {"en_US.UTF-8", {"--language", "es"}, true},
        {"es_ES.UTF-8", {"--language=en"}, false},
        {"en_US.UTF-8", {}, false},
    };
    for (const auto& c : cases) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QString::fromLatin1(name));
        environment.insert("LANG", c.lang);
        environment.insert("HOME", root.filePath("home"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, c.options + QStringList{"--help"});
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        const std::string what = (c.lang + ' ' + c.options.join(' ')).toStdString();
        EXPECT_EQ(process.exitCode(), 0) << what;
        EXPECT_TRUE(out.contains("Prints this help and ends.")) << what << '\n'
                                                                << out.toStdString();
        EXPECT_EQ(out.contains("[pseudo]Prints this help and ends."), c.translated) << what;
        EXPECT_EQ(out.contains("[pseudo]"), c.translated) << what;
    }
}

}  // namespace
}  // namespace rp

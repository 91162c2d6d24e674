// Which translation the programs load: --language taken out of the arguments, and the file
// chosen for the languages wanted among the files that are there.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "framework/Translations.h"
#include "support/TempDir.h"

namespace rp {
namespace {

TEST(TranslationChoiceTest, LanguageOptionIsTakenOutOfTheArguments) {
    const struct {
        QStringList arguments;
        QString code;
        QStringList otherArguments;
    } cases[] = {
        {{"count", "A.DBF"}, "", {"count", "A.DBF"}},
        {{"count", "--language", "es", "A.DBF"}, "es", {"count", "A.DBF"}},
        {{"count", "A.DBF", "--language=pt_BR"}, "pt_BR", {"count", "A.DBF"}},
        {{"-language", "es", "A.DBF"}, "es", {"A.DBF"}},
        {{"--language", "de", "--language", "en"}, "en", {}},
        {{"count", "--language"}, "", {"count", "--language"}},
        {{"--languages=es", "--home", "es"}, "", {"--languages=es", "--home", "es"}},
    };
    for (const auto& c : cases) {
        const LanguageOption option = takeLanguageOption(c.arguments);
        EXPECT_EQ(option.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(option.otherArguments, c.otherArguments) << c.arguments.join(' ').toStdString();
    }
}

TEST(TranslationChoiceTest, TranslationFoldersAreBesideTheBuildsProgramsAndTheInstalledOnes) {
    EXPECT_EQ(translationFolders("/usr/bin"),
              (QStringList{"/usr/share/translations", "/usr/share/ravenpost/translations"}));
}

TEST(TranslationChoiceTest, TheFirstWantedLanguageWithAFileIsChosen) {
    TempDir build, installed;
    const QString buildFolder = QString::fromStdString(build.path());
    const QString installedFolder = QString::fromStdString(installed.path());
    for (const QString& file :
         {buildFolder + "/ravenpost_es.qm", installedFolder + "/ravenpost_pt_BR.qm",
          installedFolder + "/ravenpost_fr.qm"}) {
        QFile qm(file);
        ASSERT_TRUE(qm.open(QIODevice::WriteOnly));
    }
    const QStringList folders{buildFolder, installedFolder};
    // option: --language's code; locale: the locale's interface languages as Qt gives them.
    const struct {
        QString option;
        QStringList locale;
        QString language;
        QString file;
    } cases[] = {
        {"", {"es-ES", "es"}, "es", buildFolder + "/ravenpost_es.qm"},
        {"", {"es-MX"}, "es", buildFolder + "/ravenpost_es.qm"},
        {"", {"de-DE", "de", "fr-FR"}, "fr", installedFolder + "/ravenpost_fr.qm"},
        {"", {"pt-BR"}, "pt_BR", installedFolder + "/ravenpost_pt_BR.qm"},
        {"", {"pt-PT", "pt"}, "", ""},
        {"", {"en-US", "en", "es"}, "", ""},
        {"", {"en-GB", "es"}, "", ""},
        {"", {"de-DE", "de"}, "", ""},
        {"", {}, "", ""},
        {"es", {"fr-FR"}, "es", buildFolder + "/ravenpost_es.qm"},
        {"es_AR", {"fr-FR"}, "es", buildFolder + "/ravenpost_es.qm"},
        {"en", {"es-ES", "es"}, "", ""},
        {"de", {"es-ES", "es"}, "", ""},
    };
    for (const auto& c : cases) {
        const TranslationChoice choice =
            chooseTranslation(wantedLanguages(c.option, c.locale), folders);
        const std::string where = c.option.toStdString() + " / " + c.locale.join(',').toStdString();
        EXPECT_EQ(choice.language, c.language) << where;
        EXPECT_EQ(choice.file, c.file) << where;
    }
}

}  // namespace
}  // namespace rp

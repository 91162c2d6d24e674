// ravenpost-batch speaks the language of the locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) or of
// --language, English when that language has no translation. The first test runs a copy of the
// program with the build's pseudo-translation installed beside it as Spanish; the second runs
// the build's program with the Spanish translation of translations/ravenpost_es.ts.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QXmlStreamReader>

#include "support/TempDir.h"

namespace rp {
namespace {

const QString kEnglish = QStringLiteral("ravenpost-batch: unknown command frobnicate\n");

// What the program writes on standard error for an unknown command, run with the locale's
// variables set to environment (the others unset).
QString unknownCommandError(const QString& program, const QStringList& environment,
                            const QStringList& options) {
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        variables.remove(QString::fromLatin1(name));
    for (const QString& setting : environment)
        variables.insert(setting.section('=', 0, 0), setting.section('=', 1));
    QProcess process;
    process.setProcessEnvironment(variables);
    process.start(program, options + QStringList{QStringLiteral("frobnicate")});
    if (!process.waitForFinished(60000)) return QStringLiteral("(did not end)");
    return QString::fromLocal8Bit(process.readAllStandardError());
}

TEST(BatchLanguageTest, TheLocaleOrLanguageOptionChoosesTheTranslation) {
    TempDir dir;
    const QDir root(QString::fromStdString(dir.path()));
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("share/translations"));
    const QString program = root.filePath("bin/ravenpost-batch");
    ASSERT_TRUE(QFile::copy(RAVENPOST_BATCH_PATH, program));
    ASSERT_TRUE(
        QFile::copy(RAVENPOST_PSEUDO_QM, root.filePath("share/translations/ravenpost_es.qm")));
    const QString spanish = QStringLiteral("[pseudo]") + kEnglish;
    const struct {
        QStringList environment;
        QStringList options;
        QString expected;
    } cases[] = {
        {{}, {}, kEnglish},
        {{"LANG=es_ES.UTF-8"}, {}, spanish},
        {{"LANG=es_MX.UTF-8"}, {}, spanish},
        {{"LANG=de_DE.UTF-8"}, {}, kEnglish},
        {{"LANG=en_US.UTF-8", "LANGUAGE=es"}, {}, spanish},
        {{"LANG=en_US.UTF-8", "LANGUAGE=de:es"}, {}, spanish},
        {{"LANG=es_ES.UTF-8", "LANGUAGE=en:es"}, {}, kEnglish},
        {{"LANG=en_US.UTF-8", "LC_MESSAGES=es_ES.UTF-8"}, {}, spanish},
        {{"LANG=es_ES.UTF-8", "LC_ALL=en_US.UTF-8"}, {}, kEnglish},
        {{"LANG=es_ES.UTF-8"}, {"--language", "en"}, kEnglish},
        {{"LANG=es_ES.UTF-8"}, {"--language", "de"}, kEnglish},
        {{"LANG=en_US.UTF-8"}, {"--language", "es"}, spanish},
        {{"LANG=en_US.UTF-8"}, {"--language=es"}, spanish},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unknownCommandError(program, c.environment, c.options).toStdString(),
                  c.expected.toStdString())
            << (c.environment + c.options).join(' ').toStdString();
}

// The translation translations/ravenpost_es.ts gives source in context, empty while unfinished
// (characters lupdate writes as <byte> elements, such as tabs, are left out).
QString spanishTranslation(const QString& context, const QString& source) {
    QFile file(QStringLiteral(RAVENPOST_SOURCE_DIR "/translations/ravenpost_es.ts"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    QString currentContext, currentSource;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name"))
            currentContext = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (xml.name() == QLatin1String("source"))
            currentSource = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (xml.name() == QLatin1String("translation") && currentContext == context &&
            currentSource == source) {
            const bool unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            return unfinished ? QString() : text;
        }
    }
    return {};
}

TEST(BatchLanguageTest, SpanishComesFromTheSpanishTranslation) {
    const QString translation =
        spanishTranslation("BatchCommands", "ravenpost-batch: unknown command %1");
    if (translation.isEmpty()) GTEST_SKIP() << "ravenpost_es.ts has no translation of it yet";
    const QString spanish = translation.arg("frobnicate") + '\n';
    EXPECT_NE(spanish, kEnglish);
    EXPECT_EQ(unknownCommandError(RAVENPOST_BATCH_PATH, {"LANG=es_ES.UTF-8"}, {}).toStdString(),
              spanish.toStdString());
    EXPECT_EQ(unknownCommandError(RAVENPOST_BATCH_PATH, {"LANG=en_US.UTF-8"}, {"--language", "es"})
                  .toStdString(),
              spanish.toStdString());
    EXPECT_EQ(unknownCommandError(RAVENPOST_BATCH_PATH, {"LANG=es_ES.UTF-8"}, {"--language", "en"})
                  .toStdString(),
              kEnglish.toStdString());
}

}  // namespace
}  // namespace rp

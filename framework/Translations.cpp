#include "framework/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace rp {

namespace {

const QString kProgramFile = QStringLiteral("ravenpost_%1.qm");

// A language's spellings from the fullest to the plainest: "sr_Latn_RS", "sr_Latn", "sr".
QStringList shorterForms(QString language) {
    QStringList forms{language};
    for (qsizetype cut = language.lastIndexOf(QLatin1Char('_')); cut > 0;
         cut = language.lastIndexOf(QLatin1Char('_'))) {
        language.truncate(cut);
        forms << language;
    }
    return forms;
}

bool isEnglish(const QString& language) {
    return shorterForms(language).constLast().compare(QLatin1String("en"), Qt::CaseInsensitive) ==
           0;
}

}  // namespace

LanguageOption takeLanguageOption(const QStringList& arguments) {
    static const QStringList names = {QStringLiteral("--language"), QStringLiteral("-language")};
    LanguageOption option;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (names.contains(argument) && i + 1 < arguments.size()) {
            option.code = arguments[++i];
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals > 0 && names.contains(argument.left(equals))) {
            option.code = argument.mid(equals + 1);
            continue;
        }
        option.otherArguments << argument;
    }
    return option;
}

QStringList translationFolders(const QString& executableFolder) {
    const QDir dir(executableFolder);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("../share/translations"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("../share/ravenpost/translations")))};
}

QStringList wantedLanguages(const QString& code, const QStringList& localeLanguages) {
    QStringList languages;
    for (const QString& language : code.isEmpty() ? localeLanguages : QStringList{code})
        languages << QString(language).replace(QLatin1Char('-'), QLatin1Char('_'));
    return languages;
}

TranslationChoice chooseTranslation(const QStringList& languages, const QStringList& folders) {
    for (const QString& language : languages) {
        // English is the sources' own text: there is no English file, and a user who puts
        // English before another language gets English.
        if (isEnglish(language)) return {};
        for (const QString& form : shorterForms(language))
            for (const QString& folder : folders) {
                const QString file = QDir(folder).filePath(kProgramFile.arg(form));
                if (QFileInfo(file).isFile()) return {form, file};
            }
    }
    return {};
}

InstalledTranslations::InstalledTranslations(const QString& code, const QString& executableFolder)
    : choice_(chooseTranslation(wantedLanguages(code, QLocale::system().uiLanguages()),
                                translationFolders(executableFolder))) {
    // Without a translation of ours the windows stay English throughout, Qt's buttons too.
    if (choice_.file.isEmpty()) return;
    if (!program_.load(choice_.file)) {
        choice_ = {};  // not a translation file: English
        return;
    }
    QCoreApplication::installTranslator(&program_);
    if (qt_.load(QStringLiteral("qtbase_") + choice_.language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

InstalledTranslations::~InstalledTranslations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}

}  // namespace rp

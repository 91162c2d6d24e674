#pragma once
// The program's texts in the user's language. The translation of the first language the user
// asks for (--language, else the locale's: LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that has one is
// loaded with Qt's own translation of its dialogs' buttons (qtbase_LANG.qm); English, and any
// language without a translation, is the texts of the sources themselves.
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace rp {

// --language's code ("--language es", "--language=es", or with one dash), the last one given,
// and the arguments without it (ravenpost-batch's commands never see it). A --language without
// a value is left among the arguments.
struct LanguageOption {
    QString code;
    QStringList otherArguments;
};
LanguageOption takeLanguageOption(const QStringList& arguments);

// The folders that may hold the program's ravenpost_LANG.qm files: share/translations beside the
// build's programs, share/ravenpost/translations when installed.
QStringList translationFolders(const QString& executableFolder);

// The languages wanted, best first, as file names spell them ("es_ES"): the code alone when one
// was given, else the locale's interface languages (QLocale::uiLanguages()).
QStringList wantedLanguages(const QString& code, const QStringList& localeLanguages);

// The translation chosen: the language ("es") and its file, both empty for English.
struct TranslationChoice {
    QString language;
    QString file;
};
// The first wanted language with a ravenpost_LANG.qm in one of the folders, each language tried
// in full and then shorter ("es_ES", then "es"). An English one ends the search.
TranslationChoice chooseTranslation(const QStringList& languages, const QStringList& folders);

// The chosen translations installed into the application for the lifetime of the object.
class InstalledTranslations {
  public:
    // code: --language's value or empty for the locale's languages.
    InstalledTranslations(const QString& code, const QString& executableFolder);
    ~InstalledTranslations();
    InstalledTranslations(const InstalledTranslations&) = delete;
    InstalledTranslations& operator=(const InstalledTranslations&) = delete;

    // The language loaded ("es"), empty for English.
    const QString& language() const { return choice_.language; }

  private:
    TranslationChoice choice_;
    QTranslator program_;
    QTranslator qt_;
};

}  // namespace rp

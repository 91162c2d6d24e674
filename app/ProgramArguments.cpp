#include "app/ProgramArguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace rp {

ProgramArguments parseProgramArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-home" reads as "--home", and "-bogus" is one unknown option, not five.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "ProgramArguments",
        "Ravenpost keeps mailing lists in xBase address files and prints their labels,\n"
        "envelopes, form letters and reports. Only one copy runs per user and data folder:\n"
        "starting another brings the running one to the front (and has it open FILE.DBF).\n"
        "Qt's own options, such as -platform and -style, are accepted as well."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("ProgramArguments", "Prints this help and ends."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("ProgramArguments", "Prints the version and ends."));
    const QCommandLineOption home(
        QStringLiteral("home"),
        QCoreApplication::translate(
            "ProgramArguments",
            "The data folder (RAVENP.INI, the side tables), created when missing; by default "
            "$RAVENPOST_HOME, the program's folder when it holds a writable RAVENP.INI, or "
            "~/.local/share/Ravenpost."),
        QCoreApplication::translate("ProgramArguments", "folder"));
    // Read before the parser by InstalledTranslations (the help itself is translated), and
    // here so that it is accepted and listed.
    const QCommandLineOption language(
        QStringLiteral("language"),
        QCoreApplication::translate(
            "ProgramArguments",
            "The language of the windows and messages, such as es or en; by default the "
            "locale's ($LANGUAGE, $LC_ALL, $LC_MESSAGES, $LANG). A language without a "
            "translation is English."),
        QCoreApplication::translate("ProgramArguments", "code"));
    parser.addOptions({help, version, home, language});
    parser.addPositionalArgument(
        QStringLiteral("FILE.DBF"),
        QCoreApplication::translate("ProgramArguments", "An address file to open."),
        QStringLiteral("[FILE.DBF]"));

    ProgramArguments result;
    if (!parser.parse(arguments)) {
        result.action = ProgramArguments::Action::Refuse;
        result.text = QCoreApplication::translate("ProgramArguments", "ravenpost: %1")
                          .arg(parser.errorText());
        return result;
    }
    if (parser.isSet(help)) {
        result.action = ProgramArguments::Action::PrintHelp;
        result.text = parser.helpText();
    } else if (parser.isSet(version)) {
        result.action = ProgramArguments::Action::PrintVersion;
        result.text = QCoreApplication::translate("ProgramArguments", "Ravenpost %1\n")
                          .arg(QStringLiteral(RAVENPOST_VERSION));
    }
    if (parser.isSet(home)) result.homeArguments << QStringLiteral("--home") << parser.value(home);
    if (!parser.positionalArguments().isEmpty())
        result.fileToOpen = QDir::toNativeSeparators(
            QDir::current().absoluteFilePath(parser.positionalArguments().first()));
    return result;
}

}  // namespace rp

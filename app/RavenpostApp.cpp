#include "app/RavenpostApp.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

#include "app/MainWindow.h"
#include "app/ProgramArguments.h"
#include "app/SingleInstance.h"
#include "data/DataFolder.h"
#include "data/SideFiles.h"
#include "framework/ErrorReport.h"
#include "framework/GuardedApplication.h"
#include "framework/Messages.h"
#include "framework/StartScreen.h"
#include "framework/Translations.h"
#include "framework/WhatsThisMenu.h"
#include "xbase/Engine.h"

namespace rp {

namespace {

// Without any display to show a window on, and no platform chosen, the application object is
// made on Qt's offscreen platform, so that the options are read and --help and --version
// answer; the program itself then does not start. True when that was done.
bool offscreenWithoutDisplay(int argc, char** argv) {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(variable)) return false;
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]).startsWith("-platform")) return false;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

}  // namespace

int runRavenpost(int argc, char** argv) {
    const bool noDisplay = offscreenWithoutDisplay(argc, argv);
    GuardedApplication app(argc, argv);  // takes Qt's own options out of the arguments
    QApplication::setApplicationName(QStringLiteral("Ravenpost"));
    const InstalledTranslations translations(takeLanguageOption(QApplication::arguments()).code,
                                             QApplication::applicationDirPath());
    // The options come before the data folder is made and before the single-copy check.
    const ProgramArguments arguments = parseProgramArguments(QApplication::arguments());
    switch (arguments.action) {
        case ProgramArguments::Action::PrintHelp:
        case ProgramArguments::Action::PrintVersion:
            std::fputs(arguments.text.toLocal8Bit().constData(), stdout);
            return 0;
        case ProgramArguments::Action::Refuse:
            std::fprintf(stderr, "%s\n", arguments.text.toLocal8Bit().constData());
            return 1;
        case ProgramArguments::Action::Run:
            break;
    }
    if (noDisplay) {
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate(
                         "ProgramArguments",
                         "ravenpost: there is no display to show the window on (DISPLAY and "
                         "WAYLAND_DISPLAY are not set)")
                         .toLocal8Bit()
                         .constData());
        return 1;
    }
    WhatsThisMenu whatsThis;
    app.installEventFilter(&whatsThis);
    QString folder;
    try {
        folder = resolveDataFolder(arguments.homeArguments, QApplication::applicationDirPath());
    } catch (const std::exception& e) {
        messages().error(QStringLiteral("Ravenpost"), errorText(e));  // the program's name
        return 1;
    }
    copyMissingSideFiles(folder, deliveredSideFolders(QApplication::applicationDirPath()));
    const QString& fileToOpen = arguments.fileToOpen;
    SingleInstance instance(folder);
    if (!instance.isFirst()) {
        instance.notifyRunning(fileToOpen);
        return 0;
    }

    auto splash = std::make_unique<StartScreen>(StartScreen::Kind::StartScreen);
    splash->show();
    QApplication::processEvents();

    xbase::Engine engine;
    MainWindow main(engine, folder);
    QObject::connect(&instance, &SingleInstance::activationRequested, &main, [&main] {
        if (main.isMinimized()) main.showNormal();
        main.raise();
        main.activateWindow();
    });
    QObject::connect(&instance, &SingleInstance::openRequested, &main,
                     guarded(&main, &MainWindow::openRequestedFile));
    main.show();
    QApplication::processEvents();
    splash.reset();
    QApplication::processEvents();
    main.startUp(fileToOpen);
    return QApplication::exec();
}

}  // namespace rp

#include "app/RavenpostApp.h"

#include <QApplication>
#include <QDir>

#include "app/MainWindow.h"
#include "app/ProgramArguments.h"
#include "app/SingleInstance.h"
#include "data/DataFolder.h"
#include "data/SideFiles.h"
#include "framework/ErrorReport.h"
#include "framework/GuardedApplication.h"
#include "framework/Messages.h"
#include "framework/StartScreen.h"
#include "framework/WhatsThisMenu.h"
#include "xbase/Engine.h"

namespace rp {

int runRavenpost(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravenpost"));
    WhatsThisMenu whatsThis;
    app.installEventFilter(&whatsThis);
    QString folder;
    try {
        folder = resolveDataFolder(QApplication::arguments(), QApplication::applicationDirPath());
    } catch (const std::exception& e) {
        messages().error(QStringLiteral("Ravenpost"), errorText(e));
        return 1;
    }
    copyMissingSideFiles(folder, deliveredSideFolders(QApplication::applicationDirPath()));
    const QString fileToOpen = addressFileArgument(QApplication::arguments());
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

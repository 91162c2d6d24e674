#include "app/RavenpostApp.h"

#include <QApplication>
#include <QDir>

#include "app/DataFolder.h"
#include "app/SideFiles.h"
#include "app/SingleInstance.h"
#include "app/TRVPMain.h"
#include "framework/GuardedApplication.h"
#include "framework/Messages.h"
#include "framework/TSplash.h"
#include "framework/WhatsThisMenu.h"
#include "xbase/Engine.h"

namespace rp {

int RunRavenpost(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravenpost"));
    WhatsThisMenu whatsThis;
    app.installEventFilter(&whatsThis);
    QString folder;
    try {
        folder = ResolveDataFolder(QApplication::arguments(), QApplication::applicationDirPath());
    } catch (const std::exception& e) {
        messages().error(QStringLiteral("Ravenpost"), QString::fromLocal8Bit(e.what()));
        return 1;
    }
    CopyMissingSideFiles(folder, DeliveredSideFolders(QApplication::applicationDirPath()));
    SingleInstance instance(folder);
    if (!instance.isFirst()) {
        instance.notifyRunning();
        return 0;
    }

    auto splash = std::make_unique<TSplash>(TSplash::Kind::StartScreen);
    splash->show();
    QApplication::processEvents();

    xbase::Engine engine;
    TRVPMain main(engine, folder);
    QObject::connect(&instance, &SingleInstance::activationRequested, &main, [&main] {
        if (main.isMinimized()) main.showNormal();
        main.raise();
        main.activateWindow();
    });
    main.show();
    QApplication::processEvents();
    splash.reset();
    QApplication::processEvents();
    main.StartUp();
    return QApplication::exec();
}

}  // namespace rp

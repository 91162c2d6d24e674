#include "batch/BatchDataFolder.h"

#include "batch/BatchArgs.h"
#include "batch/BatchError.h"
#include "data/DataFolder.h"
#include "data/SideFiles.h"
#include "framework/Messages.h"

namespace rp {

QString batchDataFolder(const BatchArgs& args, const QString& executableFolder) {
    QStringList homeArguments;
    if (args.has(QStringLiteral("home")))
        homeArguments << QStringLiteral("--home") << args.value(QStringLiteral("home"));
    QString folder;
    try {
        folder = resolveDataFolder(homeArguments, executableFolder);
    } catch (const DataFolderError& e) {
        throw BatchError(errorText(e));
    }
    copyMissingSideFiles(folder, deliveredSideFolders(executableFolder));
    return folder;
}

}  // namespace rp

#include "data/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

namespace rp {
namespace {

const QString kHomeOption = QStringLiteral("--home");

std::optional<QString> homeOption(const QStringList& arguments) {
    std::optional<QString> home;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == kHomeOption)
            home = i + 1 < arguments.size() ? arguments[++i] : QString();
        else if (argument.startsWith(kHomeOption + QLatin1Char('=')))
            home = argument.mid(kHomeOption.size() + 1);
    }
    if (home && home->isEmpty())
        throw DataFolderError(QCoreApplication::translate(
                                  "DataFolder", "The option --home needs the name of a folder.")
                                  .toStdString());
    return home;
}

bool holdsWritableIni(const QString& folder) {
    const QFileInfo ini(QDir(folder).filePath(QString::fromLatin1(kIniFileName)));
    return ini.isFile() && ini.isWritable();
}

QString perUserFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        throw DataFolderError(QCoreApplication::translate(
                                  "DataFolder", "There is no folder for your own program data.")
                                  .toStdString());
    return data + QStringLiteral("/Ravenpost");
}

QString chosenFolder(const QStringList& arguments, const QString& executableFolder) {
    if (const auto home = homeOption(arguments)) return *home;
    const QString environment = qEnvironmentVariable("RAVENPOST_HOME");
    if (!environment.isEmpty()) return environment;
    if (!executableFolder.isEmpty() && holdsWritableIni(executableFolder)) return executableFolder;
    return perUserFolder();
}

}  // namespace

QString resolveDataFolder(const QStringList& arguments, const QString& executableFolder) {
    const QString folder =
        QDir::cleanPath(QFileInfo(chosenFolder(arguments, executableFolder)).absoluteFilePath());
    const QString native = QDir::toNativeSeparators(folder);
    if (!QDir().mkpath(folder))
        throw DataFolderError(
            QCoreApplication::translate("DataFolder", "The folder %1 cannot be created.")
                .arg(native)
                .toStdString());
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}

}  // namespace rp

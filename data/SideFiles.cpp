#include "data/SideFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace rp {

QString findSideFile(const QString& folder, const QString& name) {
    const QStringList found = QDir(folder).entryList({name}, QDir::Files);
    return found.isEmpty() ? QString() : QDir(folder).filePath(found.constFirst());
}

const QStringList& sideFileNames() {
    static const QStringList names = {"RVPLBLS.DBF", "RVPLSU.DBF",  "RVPENVS.DBF",
                                      "RVPESU.DBF",  "RVPLTRS.DBF", "RVPSZCK.DBF"};
    return names;
}

QStringList deliveredSideFolders(const QString& executableFolder) {
    const QDir dir(executableFolder);
    return {executableFolder, dir.filePath(QStringLiteral("../share")),
            dir.filePath(QStringLiteral("../share/ravenpost"))};
}

QStringList copyMissingSideFiles(const QString& dataFolder, const QStringList& sourceFolders) {
    QStringList copied;
    for (const QString& name : sideFileNames()) {
        if (!findSideFile(dataFolder, name).isEmpty()) continue;
        for (const QString& source : sourceFolders) {
            const QString table = findSideFile(source, name);
            if (table.isEmpty()) continue;
            const QString base = QFileInfo(name).completeBaseName();
            QStringList made;
            for (const char* ext : {".DBF", ".CDX", ".FPT"}) {
                const QString from = findSideFile(source, base + QLatin1String(ext));
                if (from.isEmpty()) continue;
                const QString to = QDir(dataFolder).filePath(base + QLatin1String(ext));
                if (!QFile::copy(from, to)) {
                    // A table comes with all its files or not at all: the next start tries again.
                    for (const QString& file : made) QFile::remove(file);
                    made.clear();
                    break;
                }
                made << to;
            }
            if (!made.isEmpty()) copied << name;
            break;
        }
    }
    return copied;
}

}  // namespace rp

#include "data/AddressTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "xbase/Error.h"

namespace rp {

std::string enginePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString withTrailingSeparator(const QString& folder) {
    QString f = QDir::toNativeSeparators(folder);
    while (f.size() > 1 && f.endsWith(QDir::separator())) f.chop(1);
    if (f == QDir::separator()) return f;
    return f + QDir::separator();
}

void AddressTable::open(const QString& folder, const QString& fileName,
                        const xbase::ProgressFn& rebuildProgress, xbase::OpenMode mode) {
    close();
    folder_ = withTrailingSeparator(folder);
    fileName_ = fileName;
    const std::string p = enginePath(path());
    try {
        table_ = engine_.open(p, mode, true, rebuildProgress);
    } catch (const xbase::IndexError&) {
        table_ = engine_.open(p, mode, false);
    }
}

void AddressTable::close() {
    table_.reset();
}

std::unique_ptr<xbase::Table> openSideTable(xbase::Engine& engine, const QString& path) {
    try {
        return engine.open(enginePath(path));
    } catch (const xbase::ReadOnlyError&) {
        // A read-only data folder still serves to print: a change is refused when it is made.
        return engine.open(enginePath(path), xbase::OpenMode::ReadOnly);
    }
}

QString existingFileInAnyCase(const QString& path) {
    if (QFileInfo(path).isFile()) return path;
    const QFileInfo wanted(path);
    const QDir folder = wanted.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        if (name.compare(wanted.fileName(), Qt::CaseInsensitive) == 0)
            return wanted.path() + QDir::separator() + name;
    return {};
}

std::optional<QString> indexRebuiltNotice(const xbase::Table& table, const QString& path) {
    if (!table.indexRebuiltAtOpen()) return std::nullopt;
    return QCoreApplication::translate(
               "AddressTable",
               "The file %1 was not closed properly. Its indexes have been rebuilt.")
        .arg(path);
}

QString getDatabasePath(const AddressTable& table) {
    return withTrailingSeparator(table.folder());
}

}  // namespace rp

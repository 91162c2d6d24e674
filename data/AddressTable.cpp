#include "data/AddressTable.h"

#include <QDir>
#include <QFile>

#include "framework/Messages.h"
#include "xbase/Error.h"

namespace rp {

std::string EnginePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString WithTrailingSeparator(const QString& folder) {
    QString f = QDir::toNativeSeparators(folder);
    while (f.size() > 1 && f.endsWith(QDir::separator())) f.chop(1);
    if (f == QDir::separator()) return f;
    return f + QDir::separator();
}

void AddressTable::open(const QString& folder, const QString& fileName,
                        const xbase::ProgressFn& rebuildProgress) {
    close();
    folder_ = WithTrailingSeparator(folder);
    fileName_ = fileName;
    const std::string p = EnginePath(path());
    try {
        table_ = engine_.open(p, xbase::OpenMode::Exclusive, true, rebuildProgress);
    } catch (const xbase::IndexError&) {
        table_ = engine_.open(p, xbase::OpenMode::Exclusive, false);
    }
}

void AddressTable::close() {
    table_.reset();
}

std::unique_ptr<xbase::Table> OpenSideTable(xbase::Engine& engine, const QString& path) {
    auto table = engine.open(EnginePath(path));
    TellIfIndexRebuilt(*table, path);
    return table;
}

void TellIfIndexRebuilt(const xbase::Table& table, const QString& path) {
    if (table.indexRebuiltAtOpen())
        ShowInformation(QStringLiteral("The file ") + path +
                        QStringLiteral(" was not closed properly. Its indexes have been rebuilt."));
}

QString GetDatabasePath(const AddressTable& table) {
    return WithTrailingSeparator(table.folder());
}

}  // namespace rp

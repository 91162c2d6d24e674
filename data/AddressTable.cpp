#include "data/AddressTable.h"

#include <QDir>
#include <QFile>

#include "xbase/Error.h"

namespace rp {

std::string EnginePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString WithTrailingSeparator(const QString& folder)
{
    QString f = QDir::toNativeSeparators(folder);
    while (f.size() > 1 && f.endsWith(QDir::separator())) f.chop(1);
    if (f == QDir::separator()) return f;
    return f + QDir::separator();
}

void AddressTable::open(const QString& folder, const QString& fileName, const xbase::ProgressFn& rebuildProgress)
{
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

void AddressTable::close()
{
    table_.reset();
}

QString GetDatabasePath(const AddressTable& table)
{
    return WithTrailingSeparator(table.folder());
}

}  // namespace rp

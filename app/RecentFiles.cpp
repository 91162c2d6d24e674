#include "app/RecentFiles.h"

#include <algorithm>

#include "app/IniFile.h"

namespace rp {
namespace {

const QString kMru = QStringLiteral("MRU");

QString itemKey(int number) {
    return QStringLiteral("Item%1").arg(number);
}

}  // namespace

QStringList GetMRUList(const IniFile& ini) {
    QStringList files;
    for (int number = 1; number <= kMaxRecentFiles; ++number) {
        const QString file = ini.readString(kMru, itemKey(number));
        if (!file.isEmpty()) files.append(file);
    }
    return files;
}

QString GetMRUFile(const IniFile& ini) {
    return GetMRUList(ini).value(0);
}

void PutMRUList(IniFile& ini, const QStringList& files) {
    const int count = static_cast<int>(std::min<qsizetype>(files.size(), kMaxRecentFiles));
    for (int i = 0; i < count; ++i) ini.writeString(kMru, itemKey(i + 1), files[i]);
}

QStringList UpdateMRUList(IniFile& ini, const QString& path) {
    const QStringList stored = GetMRUList(ini);
    if (path.isEmpty()) return stored;
    QStringList files{path};
    for (const QString& file : stored) {
        if (files.size() == kMaxRecentFiles) break;
        if (file != path) files.append(file);
    }
    PutMRUList(ini, files);
    return files;
}

}  // namespace rp

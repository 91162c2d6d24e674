#include "app/RecentFiles.h"

#include <algorithm>

#include "data/IniFile.h"

namespace rp {
namespace {

const QString kMru = QStringLiteral("MRU");

QString itemKey(int number) {
    return QStringLiteral("Item%1").arg(number);
}

}  // namespace

QStringList getMRUList(const IniFile& ini) {
    QStringList files;
    for (int number = 1; number <= kMaxRecentFiles; ++number) {
        const QString file = ini.readString(kMru, itemKey(number));
        if (!file.isEmpty()) files.append(file);
    }
    return files;
}

QString getMRUFile(const IniFile& ini) {
    return getMRUList(ini).value(0);
}

void putMRUList(IniFile& ini, const QStringList& files) {
    const int count = static_cast<int>(std::min<qsizetype>(files.size(), kMaxRecentFiles));
    for (int i = 0; i < count; ++i) ini.writeString(kMru, itemKey(i + 1), files[i]);
}

QStringList updateMRUList(IniFile& ini, const QString& path) {
    const QStringList stored = getMRUList(ini);
    if (path.isEmpty()) return stored;
    QStringList files{path};
    for (const QString& file : stored) {
        if (files.size() == kMaxRecentFiles) break;
        if (file != path) files.append(file);
    }
    putMRUList(ini, files);
    return files;
}

}  // namespace rp

#pragma once
// A test's text file written with exact bytes, and a layout with the given matches.
#include <QFile>
#include <string_view>

#include "import/ImportLayout.h"
#include "support/TempDir.h"

namespace rp {

inline QString writeTextFile(const TempDir& dir, const char* name, std::string_view bytes) {
    const QString path = QString::fromStdString(dir.file(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

inline ImportLayout layoutOf(std::initializer_list<const char*> matches) {
    ImportLayout layout;
    for (const char* m : matches) layout.columns.push_back({' ', {}, 0, QString::fromLatin1(m)});
    return layout;
}

}  // namespace rp

#pragma once
// A table file's bytes for comparing two copies of it: all but the header's date of last update
// (bytes 1 to 3), which a write of the same day may still change.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace rp {

inline QByteArray tableBytesWithoutDate(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = f.readAll();
    if (bytes.size() >= 4) bytes.replace(1, 3, QByteArray(3, '\0'));
    return bytes;
}

}  // namespace rp

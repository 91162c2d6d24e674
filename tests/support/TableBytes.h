#pragma once
// A table file's header bytes as tests see and change them: the file without its date of last
// update (its three bytes), which a write of the same day may still change, for comparing two
// copies; and the "incomplete transaction" byte that a program stopped in the middle of its
// changes leaves set.
#include <QByteArray>
#include <QFile>
#include <QString>

#include "xbase/DbfLayout.h"

namespace rp {

inline QByteArray tableBytesWithoutDate(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = f.readAll();
    constexpr qsizetype at = xbase::dbf::kDateOffset, size = xbase::dbf::kDateSize;
    if (bytes.size() >= at + size) bytes.replace(at, size, QByteArray(size, '\0'));
    return bytes;
}

// Sets the mark as a program that did not close the table properly leaves it; false when the
// file cannot be changed.
inline bool markIncomplete(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadWrite) && f.seek(xbase::dbf::kIncompleteOffset) && f.putChar(1);
}

inline bool markedIncomplete(const QString& file) {
    QFile f(file);
    char mark = 0;
    return f.open(QIODevice::ReadOnly) && f.seek(xbase::dbf::kIncompleteOffset) &&
           f.getChar(&mark) && mark != 0;
}

}  // namespace rp

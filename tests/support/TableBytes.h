#pragma once
// A table file's header bytes as tests see and change them: the file without its date of last
// update (its three bytes), which a write of the same day may still change, and without the
// change counter that shared opens raise with every post, for comparing two copies; and the
// "incomplete transaction" byte that a program stopped in the middle of its changes leaves set.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <utility>

#include "xbase/DbfLayout.h"

namespace rp {

inline QByteArray tableBytesWithoutDateAndCounter(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = f.readAll();
    for (const auto& [at, size] :
         {std::pair{xbase::dbf::kDateOffset, xbase::dbf::kDateSize},
          std::pair{xbase::dbf::kChangeCountOffset, xbase::dbf::kChangeCountSize}}) {
        const auto from = static_cast<qsizetype>(at), count = static_cast<qsizetype>(size);
        if (bytes.size() >= from + count) bytes.replace(from, count, QByteArray(count, '\0'));
    }
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

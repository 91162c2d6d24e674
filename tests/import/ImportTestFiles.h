#pragma once
// Writing a test's text file with exact bytes.
#include <QFile>
#include <string_view>

#include "xbase/TempDir.h"

namespace rp {

inline QString WriteTextFile(const TempDir& dir, const char* name, std::string_view bytes)
{
    const QString path = QString::fromStdString(dir.file(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

}  // namespace rp

#include "utilities/CopyTarget.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "framework/Messages.h"
#include "xbase/Table.h"

namespace rp {
namespace {

bool sameFile(const QString& a, const QString& b) {
    if (b.isEmpty()) return false;
    const QFileInfo x(a), y(b);
    if (x.absoluteFilePath().compare(y.absoluteFilePath(), Qt::CaseInsensitive) == 0) return true;
    return x.exists() && y.exists() && x.canonicalFilePath() == y.canonicalFilePath();
}

}  // namespace

bool isPartOfTable(const QString& path, const xbase::Table& table) {
    for (const std::string& part : {table.path(), table.memoPath(), table.structuralIndexPath()})
        if (sameFile(path, QFile::decodeName(part.c_str()))) return true;
    return false;
}

QString checkCopyTarget(CopyKind kind, const QString& chosen, const xbase::Table& addressFile) {
    if (kind == CopyKind::Dbf &&
        QLatin1Char('.') + QFileInfo(chosen).suffix().toUpper() != QStringLiteral(".DBF")) {
        showInformation(QCoreApplication::translate("CopyOut", "Must have a .DBF extension"));
        return kNoCopyTarget;
    }
    if (isPartOfTable(chosen, addressFile)) {
        showInformation(QCoreApplication::translate("CopyOut", "Cannot copy a file to itself!"));
        return kNoCopyTarget;
    }
    if (QFileInfo::exists(chosen) &&
        !messages().question(QCoreApplication::translate("CopyOut", "Warning!"),
                             QCoreApplication::translate(
                                 "CopyOut", "%1 already exists.\r\nDo you want to overwrite it?")
                                 .arg(chosen),
                             false))
        return kNoCopyTarget;
    return chosen;
}

}  // namespace rp

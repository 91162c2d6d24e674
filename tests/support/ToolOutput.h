#pragma once
// What a command-line tool (pdftotext, pdffonts, pdfinfo) writes on standard output.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace rp {

inline QString toolOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace rp

#pragma once
// What pdfinfo says of a PDF: one of its lines by key, e.g. "Page size" gives "612 x 792 pts
// (letter)".
#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace rp {

inline QString pdfInfo(const QString& pdf, const QString& key) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(30000);
    const QRegularExpression line(QStringLiteral("^%1:\\s+(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    const auto match = line.match(QString::fromUtf8(process.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

}  // namespace rp

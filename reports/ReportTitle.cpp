#include "reports/ReportTitle.h"

#include <QRegularExpression>

#include "framework/ReportCanvas.h"

namespace rp {
namespace {

const QRegularExpression& lineBreak() {
    static const QRegularExpression pattern(QStringLiteral("\r\n|[\n\r\u2028\u2029]"));
    return pattern;
}

}  // namespace

QString titleOnOneLine(const QString& title) {
    return QString(title).replace(lineBreak(), QStringLiteral(" "));
}

QString titleInRoom(const ReportCanvas& canvas, const QString& title, double room) {
    const QString line = titleOnOneLine(title);
    if (canvas.textWidth(line) <= room) return line;
    const QString ellipsis(QChar(0x2026));
    const auto cut = [&](qsizetype length) {
        // Never between the two halves of a surrogate pair.
        if (length > 0 && line.at(length - 1).isHighSurrogate()) --length;
        return line.left(length) + ellipsis;
    };
    // A longer beginning is never narrower: halve the span between one that fits and one that
    // does not.
    qsizetype fits = -1;
    qsizetype tooWide = line.size();
    while (tooWide - fits > 1) {
        const qsizetype middle = fits + (tooWide - fits) / 2;
        (canvas.textWidth(cut(middle)) <= room ? fits : tooWide) = middle;
    }
    return fits < 0 ? QString() : cut(fits);
}

QValidator::State TitleValidator::validate(QString& input, int& position) const {
    // A CR LF becomes one blank: the position after it moves back by one.
    const QString before = input.left(position);
    input = titleOnOneLine(input);
    position = static_cast<int>(titleOnOneLine(before).size());
    return Acceptable;
}

}  // namespace rp

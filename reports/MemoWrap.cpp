#include "reports/MemoWrap.h"

#include <QRegularExpression>

namespace rp {
namespace {

QFont screenFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);  // 9 pt at 96 pixels per inch
    return font;
}

QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ') --end;
    return text.left(end);
}

}  // namespace

MemoWrap::MemoWrap(double widthInches)
    : font_(screenFont()), metrics_(font_), width_(widthInches * kScreenDpi) {}

QStringList MemoWrap::wrap(const QString& memo) const {
    QStringList out;
    if (memo.isEmpty()) return out;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    for (const QString& line : memo.split(lineEnd)) wrapLine(line, out);
    return out;
}

qsizetype MemoWrap::fittingPrefix(const QString& text) const {
    qsizetype fit = 1;
    while (fit < text.size() && measure(text.left(fit + 1)) <= width_) ++fit;
    return fit;
}

void MemoWrap::wrapLine(const QString& line, QStringList& out) const {
    const qsizetype before = out.size();
    // Words with the blanks that follow them; a line ends after the last word that fits, its
    // trailing blanks dropped.
    QString current;
    qsizetype at = 0;
    while (at < line.size()) {
        qsizetype end = at;
        while (end < line.size() && line.at(end) != u' ') ++end;
        while (end < line.size() && line.at(end) == u' ') ++end;
        const QString word = line.mid(at, end - at);
        at = end;
        if (measure(withoutTrailingBlanks(current + word)) <= width_) {
            current += word;
            continue;
        }
        const QString done = withoutTrailingBlanks(current);
        if (!done.isEmpty()) out << done;
        // A word wider than a whole line: as many characters as fit on each line.
        QString rest = word;
        for (QString kept = withoutTrailingBlanks(rest); !kept.isEmpty() && measure(kept) > width_;
             kept = withoutTrailingBlanks(rest)) {
            const qsizetype fit = fittingPrefix(kept);
            out << kept.left(fit);
            rest = rest.mid(fit);
        }
        current = rest;
    }
    const QString last = withoutTrailingBlanks(current);
    if (!last.isEmpty() || out.size() == before) out << last;
}

}  // namespace rp

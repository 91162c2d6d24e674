#include "reports/MemoWrap.h"

#include <QRegularExpression>
#include <algorithm>

namespace rp {
namespace {

QFont screenFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);  // 9 pt at 96 pixels per inch
    return font;
}

QStringView withoutTrailingBlanks(QStringView text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ') --end;
    return text.first(end);
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

double MemoWrap::measure(QStringView text) const {
    // The metrics take a QString: one over the same characters, not a copy of them.
    return metrics_.horizontalAdvance(QString::fromRawData(text.data(), text.size()));
}

qsizetype MemoWrap::fittingPrefix(QStringView text, qsizetype guess) const {
    // A longer prefix is never narrower: the answer lies between a prefix that fits and one
    // that is too wide. From the guess the step doubles until the two are found, then the span
    // between them is halved; the prefixes measured stay near a line's length, however long
    // the text is, and a good guess (the line before) settles it in two or three measures.
    const auto fitsWidth = [&](qsizetype length) { return measure(text.first(length)) <= width_; };
    qsizetype fits = 1;
    qsizetype tooWide = text.size() + 1;
    guess = std::clamp(guess, qsizetype{1}, text.size());
    bool upward = true;
    if (guess > 1) {
        upward = fitsWidth(guess);
        (upward ? fits : tooWide) = guess;
    }
    for (qsizetype step = 1; tooWide - fits > 1; step *= 2) {
        const qsizetype probe =
            upward ? std::min(fits + step, tooWide - 1) : std::max(tooWide - step, fits + 1);
        const bool probeFits = fitsWidth(probe);
        (probeFits ? fits : tooWide) = probe;
        if (probeFits != upward) break;
    }
    while (tooWide - fits > 1) {
        const qsizetype middle = fits + (tooWide - fits) / 2;
        (fitsWidth(middle) ? fits : tooWide) = middle;
    }
    return fits;
}

void MemoWrap::wrapLine(QStringView line, QStringList& out) const {
    const qsizetype before = out.size();
    // Words with the blanks that follow them; a line ends after the last word that fits, its
    // trailing blanks dropped. The line being filled runs from start to at.
    qsizetype start = 0;
    qsizetype at = 0;
    while (at < line.size()) {
        qsizetype end = at;
        while (end < line.size() && line.at(end) != u' ') ++end;
        const qsizetype wordEnd = end;
        while (end < line.size() && line.at(end) == u' ') ++end;
        if (measure(withoutTrailingBlanks(line.sliced(start, end - start))) <= width_) {
            at = end;
            continue;
        }
        const QStringView done = withoutTrailingBlanks(line.sliced(start, at - start));
        if (!done.isEmpty()) out << done.toString();
        // A word wider than a whole line: as many characters as fit on each line.
        start = at;
        for (qsizetype fit = 0; start < wordEnd; start += fit) {
            const QStringView kept = line.sliced(start, wordEnd - start);
            fit = fittingPrefix(kept, fit);
            if (fit == kept.size() && measure(kept) <= width_) break;
            out << kept.first(fit).toString();
        }
        at = end;
    }
    const QStringView last = withoutTrailingBlanks(line.sliced(start, at - start));
    if (!last.isEmpty() || out.size() == before) out << last.toString();
}

}  // namespace rp

#include "framework/LineGlyphRuns.h"

#include <QTextLine>
#include <algorithm>
#include <optional>

namespace rp {

QList<QGlyphRun> lineGlyphRuns(const QTextLine& line, int from, int length) {
    QList<QGlyphRun> runs = line.glyphRuns(from, length);
    for (qsizetype i = 1; i < runs.size();) {
        const auto same = std::find_if(runs.begin(), runs.begin() + i, [&](const QGlyphRun& r) {
            return r.rawFont() == runs[i].rawFont() && r.flags() == runs[i].flags();
        });
        if (same == runs.begin() + i) {
            ++i;
            continue;
        }
        same->setGlyphIndexes(same->glyphIndexes() + runs[i].glyphIndexes());
        same->setPositions(same->positions() + runs[i].positions());
        runs.removeAt(i);
    }
    return runs;
}

QList<std::pair<int, int>> fontStretches(const QTextLine& line, int from, int to) {
    const auto fontAt = [&](int at) {
        const QList<QGlyphRun> glyphs = line.glyphRuns(at, 1);
        return glyphs.isEmpty() ? std::optional<QRawFont>() : glyphs.front().rawFont();
    };
    QList<std::pair<int, int>> stretches;
    for (int start = from; start < to;) {
        std::optional<QRawFont> font = fontAt(start);
        int end = start + 1;
        for (; end < to; ++end) {
            const std::optional<QRawFont> next = fontAt(end);
            if (!font)
                font = next;
            else if (next && *next != *font)
                break;
        }
        stretches.push_back({start, end});
        start = end;
    }
    return stretches;
}

QList<QGlyphRun> glyphRunsInTextOrder(const QTextLine& line, int from, int to) {
    QList<QGlyphRun> runs = lineGlyphRuns(line, from, to - from);
    if (runs.size() <= 1) return runs;
    runs.clear();
    for (const auto& [start, end] : fontStretches(line, from, to))
        runs += lineGlyphRuns(line, start, end - start);
    return runs;
}

}  // namespace rp

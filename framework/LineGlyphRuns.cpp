#include "framework/LineGlyphRuns.h"

#include <QTextLine>
#include <algorithm>

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

}  // namespace rp

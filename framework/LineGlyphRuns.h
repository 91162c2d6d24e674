#pragma once
// The glyphs of part of one line of a laid-out text.
#include <QGlyphRun>
#include <QList>

class QTextLine;

namespace rp {

// The glyphs of the characters from..from + length of the line, in one run for each font (in
// the order the fonts first come), as QTextLayout::glyphRuns gives them for that part. Asked of
// the line alone, so that the lines around it are not walked as the layout walks them.
QList<QGlyphRun> lineGlyphRuns(const QTextLine& line, int from, int length);

}  // namespace rp

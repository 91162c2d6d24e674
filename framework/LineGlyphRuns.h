#pragma once
// The glyphs of part of one line of a laid-out text.
#include <QGlyphRun>
#include <QList>
#include <utility>

class QTextLine;

namespace rp {

// The glyphs of the characters from..from + length of the line, in one run for each font (in
// the order the fonts first come), as QTextLayout::glyphRuns gives them for that part. Asked of
// the line alone, so that the lines around it are not walked as the layout walks them.
QList<QGlyphRun> lineGlyphRuns(const QTextLine& line, int from, int length);

// The characters from..to of the line in stretches whose glyphs come from one font each (a
// character the font lacks is taken from another), as [start, end) in the text's order. A
// character without glyphs (a blank at the end of the line) goes with the stretch it is in.
QList<std::pair<int, int>> fontStretches(const QTextLine& line, int from, int to);

// The glyphs of the characters from..to of the line, one run for each stretch of one font in
// the text's order, so that each run's glyphs stand for characters in turn.
QList<QGlyphRun> glyphRunsInTextOrder(const QTextLine& line, int from, int to);

}  // namespace rp

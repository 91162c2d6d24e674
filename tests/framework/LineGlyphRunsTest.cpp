// The glyphs of part of a line, asked of the line, against what the whole layout gives for the
// same part: the same runs, font for font, glyph for glyph, at the same places.
#include <gtest/gtest.h>

#include <QTextLayout>
#include <algorithm>

#include "framework/LineGlyphRuns.h"

namespace {

using namespace rp;

// Runs put in one order, since the layout gives its runs in the order of a hash.
QList<QGlyphRun> sorted(QList<QGlyphRun> runs) {
    std::sort(runs.begin(), runs.end(), [](const QGlyphRun& a, const QGlyphRun& b) {
        return a.glyphIndexes().value(0) < b.glyphIndexes().value(0);
    });
    return runs;
}

TEST(LineGlyphRuns, AreTheLayoutsRunsForThePart) {
    // A star the text's font lacks sits between two parts in the font, and a second line.
    const QString text = QStringLiteral(
        "Dear Jane \u2605 member, the meeting is on Tuesday at the hall, so please reply by the "
        "end of the month so that we can plan the seating");
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (int y = 0;; y += 20) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(300);
        line.setPosition(QPointF(0, y));
    }
    layout.endLayout();
    ASSERT_GE(layout.lineCount(), 2);

    const QTextLine first = layout.lineAt(0);
    const QTextLine second = layout.lineAt(1);
    struct Part {
        QTextLine line;
        int from;
        int length;
        int runs;
    };
    const Part parts[] = {
        {first, 0, first.textLength(), 2},
        {first, 5, 10, 2},
        {first, 0, 9, 1},
        {second, second.textStart(), second.textLength(), 1},
        {second, second.textStart() + 3, 6, 1},
    };
    for (const Part& part : parts) {
        SCOPED_TRACE(text.mid(part.from, part.length).toStdString());
        const QList<QGlyphRun> ours = sorted(lineGlyphRuns(part.line, part.from, part.length));
        const QList<QGlyphRun> layouts = sorted(layout.glyphRuns(part.from, part.length));
        ASSERT_EQ(ours.size(), part.runs);
        ASSERT_EQ(ours.size(), layouts.size());
        for (qsizetype i = 0; i < ours.size(); ++i) {
            EXPECT_EQ(ours[i].rawFont(), layouts[i].rawFont());
            EXPECT_EQ(ours[i].glyphIndexes(), layouts[i].glyphIndexes());
            EXPECT_EQ(ours[i].positions(), layouts[i].positions());
            EXPECT_EQ(ours[i].flags(), layouts[i].flags());
        }
    }
}

}  // namespace

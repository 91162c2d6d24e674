#pragma once
// The lines of a laid-out document that lie on one of its pages, as the page shows them.
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>

namespace rp {

// The text of the lines whose tops lie on the page (from 0).
inline QStringList linesOnPage(const QTextDocument& document, int page) {
    const double height = document.pageSize().height();
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const double top = layout->position().y() + line.y();
            if (static_cast<int>(std::floor((top + 0.5) / height)) == page)
                lines << block.text().mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}

}  // namespace rp

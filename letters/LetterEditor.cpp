#include "letters/LetterEditor.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

#include "framework/ErrorReport.h"
#include "letters/LetterPaste.h"

namespace rp {

LetterEditor::LetterEditor(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(true);
}

bool LetterEditor::canInsertFromMimeData(const QMimeData* source) const {
    return source && offersLetterText(*source);
}

void LetterEditor::insertFromMimeData(const QMimeData* source) {
    if (!source) return;
    // Called from a key press, a menu or a drop: a failure is told here.
    reportErrors([&] {
        QTextCursor cursor = textCursor();
        if (const std::unique_ptr<QTextDocument> rich = offeredRichText(*source))
            insertLetterText(cursor, *rich);
        else
            cursor.insertText(source->text());  // in the format at the caret
        setTextCursor(cursor);
        ensureCursorVisible();
    });
}

void LetterEditor::keyPressEvent(QKeyEvent* event) {
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (event->modifiers() & Qt::ControlModifier)) {
        const bool back =
            event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        QWidget::focusNextPrevChild(!back);  // QTextEdit's own keeps the focus
        return;
    }
    QTextEdit::keyPressEvent(event);
}

}  // namespace rp

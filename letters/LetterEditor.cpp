#include "letters/LetterEditor.h"

#include <QMimeData>
#include <QTextDocument>

#include "framework/CtrlTabLeaves.h"
#include "framework/ErrorReport.h"
#include "letters/LetterPaste.h"

namespace rp {

LetterEditor::LetterEditor(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(true);
    letCtrlTabLeave(this);
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

}  // namespace rp

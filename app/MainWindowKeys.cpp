// The main window's keys: it sees every key before the focused control. The typing-mode rule
// (overwrite while the Insert toggle is off), Enter moving like Tab, PageDown, PageUp and Esc
// on the record page, and the date field's restore keys.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "app/MainWindow.h"
#include "app/RecordPage.h"
#include "framework/ErrorReport.h"

namespace rp {
namespace {

bool printable(const QKeyEvent* key) {
    const QString t = key->text();
    return !t.isEmpty() && t[0].unicode() >= 0x20 && t[0].unicode() != 0x7F &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

}  // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::FocusIn) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || QApplication::activeModalWidget()) return false;
    QLineEdit* date = record_->field("DATE");
    if (type == QEvent::FocusIn) {
        if (widget == date && editor_.editing()) rememberedDate_ = date->text();
        return false;
    }
    // A key the focused control leaves alone travels on to its parents; it is looked at
    // once, where it arrives first.
    QWidget* receiver = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (widget != receiver) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
        editor_.toggleTypingMode();
        return currentPage() == 1;
    }
    if (applyTypingMode(watched, key)) return false;
    if (currentPage() != 0 || !record_->isAncestorOf(widget)) return false;
    bool handled = true;  // a key whose move failed goes no further
    reportErrors([&] { handled = handleWindowKey(key); });
    if (handled) return true;
    if (widget == date && editor_.editing() &&
        (key->key() == Qt::Key_Escape ||
         (key->key() == Qt::Key_Z && key->modifiers() == Qt::ControlModifier))) {
        date->setText(rememberedDate_);
        return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        qobject_cast<QLineEdit*>(widget)) {
        focusNextChild();
        return true;
    }
    return false;
}

// Overwrite mode: a printable key typed into a text field or the memo box replaces the
// character at the cursor. Returns false always; the key goes on to the control.
bool MainWindow::applyTypingMode(QObject* watched, QKeyEvent* key) {
    if (editor_.insertMode() || !printable(key)) return false;
    if (auto* line = qobject_cast<QLineEdit*>(watched)) {
        if (!line->hasSelectedText() && line->inputMask().isEmpty() &&
            line->cursorPosition() < line->text().size())
            line->setSelection(line->cursorPosition(), 1);
    } else if (auto* memo =
                   qobject_cast<QPlainTextEdit*>(watched->parent() ? watched->parent() : watched)) {
        QTextCursor c = memo->textCursor();
        if (!c.hasSelection() && !c.atBlockEnd()) {
            c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            memo->setTextCursor(c);
        }
    }
    return false;
}

bool MainWindow::handleWindowKey(QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_PageDown:
            editor_.pageDown(record_->typedRecord());
            return true;
        case Qt::Key_PageUp:
            editor_.pageUp();
            return true;
        case Qt::Key_Escape:
            return editor_.escape();
        default:
            return false;
    }
}

}  // namespace rp

#include "framework/CtrlTabLeaves.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace rp {
namespace {

// Turns Ctrl+Tab on the editor into a plain Tab for its parent, which moves the focus on from
// the editor as a Tab anywhere else in the window does.
class CtrlTabFilter : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        auto* editor = qobject_cast<QWidget*>(watched);
        if (!tab || !(key->modifiers() & Qt::ControlModifier) || !editor || !editor->parentWidget())
            return false;
        const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        QKeyEvent plain(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::sendEvent(editor->parentWidget(), &plain);
        return true;
    }
};

}  // namespace

void letCtrlTabLeave(QWidget* editor) {
    editor->installEventFilter(new CtrlTabFilter(editor));
}

}  // namespace rp

#include "framework/WhatsThisMenu.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QWhatsThis>

namespace rp {
namespace {

// The control whose help text a right click on widget shows: itself, or the scroll area whose
// viewport it is.
QWidget* helpedControl(QWidget* widget) {
    if (!widget->whatsThis().isEmpty()) return widget;
    auto* area = qobject_cast<QAbstractScrollArea*>(widget->parentWidget());
    if (area && area->viewport() == widget && !area->whatsThis().isEmpty()) return area;
    return nullptr;
}

QMenu* standardMenu(QWidget* control) {
    if (auto* line = qobject_cast<QLineEdit*>(control)) return line->createStandardContextMenu();
    if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        return text->createStandardContextMenu();
    return new QMenu;
}

}  // namespace

QMenu* WhatsThisMenu::popupFor(QWidget* widget, const QPoint& globalPos) {
    QWidget* control = helpedControl(widget);
    if (!control) return nullptr;
    QMenu* menu = standardMenu(control);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (!menu->isEmpty()) menu->addSeparator();
    const QString text = control->whatsThis();
    const QPoint at = globalPos;
    QObject::connect(menu->addAction(WhatsThisMenu::tr("What's this?")), &QAction::triggered,
                     control, [text, at, control] { QWhatsThis::showText(at, text, control); });
    menu->popup(globalPos);
    return menu;
}

bool WhatsThisMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ContextMenu || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    return popupFor(widget, static_cast<QContextMenuEvent*>(event)->globalPos()) != nullptr;
}

}  // namespace rp

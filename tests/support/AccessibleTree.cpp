#include "support/AccessibleTree.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QMetaEnum>
#include <QWidget>
#include <algorithm>

namespace rp {
namespace {

// The role as Qt's enumeration spells it.
QString roleName(QAccessible::Role role) {
    static const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    const char* name = roles.valueToKey(role);
    return name ? QString::fromLatin1(name) : QString::number(role);
}

QString describe(QAccessibleInterface& element) {
    QString text = roleName(element.role()) + QLatin1String(": ");
    if (const QObject* object = element.object()) {
        text += QString::fromLatin1(object->metaObject()->className());
        if (!object->objectName().isEmpty())
            text += QLatin1String(" '") + object->objectName() + QLatin1Char('\'');
        if (const auto* widget = qobject_cast<const QWidget*>(object);
            widget && !widget->toolTip().isEmpty())
            text += QLatin1String(" (") + widget->toolTip() + QLatin1Char(')');
    }
    const QString name = element.text(QAccessible::Name);
    if (!name.isEmpty()) text += QLatin1String(" named '") + name + QLatin1Char('\'');
    return text;
}

// A name a reader can say: it holds a letter ("<" or "|<" are read as symbols, not as what the
// button does).
bool sayable(const QString& name) {
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); });
}

// Named by its own text, by the name the code gave the widget (a combo box's own text is its
// value), or by a label whose buddy it is.
bool named(QAccessibleInterface& element) {
    if (sayable(element.text(QAccessible::Name))) return true;
    if (const auto* widget = qobject_cast<const QWidget*>(element.object());
        widget && sayable(widget->accessibleName()))
        return true;
    const auto labels = element.relations(QAccessible::Label);
    return std::any_of(labels.begin(), labels.end(), [](const auto& relation) {
        return sayable(relation.first->text(QAccessible::Name));
    });
}

void walk(QAccessibleInterface& element, std::vector<std::string>& unnamed) {
    if (element.state().focusable && !named(element))
        unnamed.push_back(describe(element).toStdString());
    const QAccessible::Role role = element.role();
    if (role == QAccessible::Table || role == QAccessible::List || role == QAccessible::Tree ||
        role == QAccessible::ComboBox)
        return;
    for (int i = 0; i < element.childCount(); ++i)
        if (QAccessibleInterface* child = element.child(i)) walk(*child, unnamed);
}

}  // namespace

std::vector<std::string> unnamedFocusableElements(QWidget& window) {
    std::vector<std::string> unnamed;
    if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window))
        walk(*root, unnamed);
    return unnamed;
}

}  // namespace rp

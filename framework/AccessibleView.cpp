#include "framework/AccessibleView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace rp {
namespace {

// What the view draws now; nothing once the view is being destroyed.
QList<AccessibleItem> itemsOf(const QObject* view) {
    const auto* drawn = dynamic_cast<const AccessibleView*>(view);
    return drawn ? drawn->accessibleItems() : QList<AccessibleItem>();
}

// One thing a view draws. It asks the view for its item whenever it is read, so that it
// never says what was drawn before.
class ItemInterface : public QAccessibleInterface {
  public:
    ItemInterface(QWidget* view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return view_ && index_ < items().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        const QList<AccessibleItem> all = items();
        if (index_ >= all.size()) return {};
        if (kind == QAccessible::Name) return all[index_].name;
        if (kind == QAccessible::Description) return all[index_].description;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QList<AccessibleItem> all = items();
        if (!view_ || index_ >= all.size()) return {};
        const QRect& r = all[index_].rect;
        return QRect(view_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !view_ || !view_->isVisible();
        s.readOnly = true;
        return s;
    }

  private:
    QList<AccessibleItem> items() const { return itemsOf(view_.data()); }

    QPointer<QWidget> view_;
    int index_;
};

// The view: a widget whose children are its drawn items. Their interfaces are registered
// with Qt's cache as they are first asked for and dropped with the view's.
class ViewInterface : public QAccessibleWidget {
  public:
    explicit ViewInterface(QWidget* view) : QAccessibleWidget(view, QAccessible::Graphic) {}
    ~ViewInterface() override {
        for (QAccessible::Id id : children_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(itemsOf(object()).size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        while (static_cast<int>(children_.size()) <= index)
            children_.push_back(QAccessible::registerAccessibleInterface(
                new ItemInterface(widget(), static_cast<int>(children_.size()))));
        return QAccessible::accessibleInterface(children_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < children_.size(); ++i)
            if (QAccessible::accessibleInterface(children_[i]) == child)
                return static_cast<int>(i) < childCount() ? static_cast<int>(i) : -1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
        const QList<AccessibleItem> items = itemsOf(object());
        for (int i = static_cast<int>(items.size()) - 1; i >= 0; --i)
            if (items[i].rect.contains(at)) return child(i);
        return nullptr;
    }

  private:
    mutable std::vector<QAccessible::Id> children_;
};

QAccessibleInterface* viewFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && dynamic_cast<const AccessibleView*>(object) ? new ViewInterface(widget)
                                                                 : nullptr;
}

}  // namespace

AccessibleView::AccessibleView() {
    static const bool installed = (QAccessible::installFactory(&viewFactory), true);
    Q_UNUSED(installed);
}

void announceViewChanged(QWidget& view) {
    QAccessibleEvent event(&view, QAccessible::VisibleDataChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace rp

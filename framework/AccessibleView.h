#pragma once
// What a view drawn by its own code tells a screen reader. Such a view derives from
// AccessibleView as well as from QWidget and lists the things it draws; each becomes a child
// of the view in the accessibility tree, read out by its name and description.
#include <QList>
#include <QRect>
#include <QString>

class QWidget;

namespace rp {

struct AccessibleItem {
    QString name;
    QString description;
    QRect rect;  // in the view's coordinates
};

class AccessibleView {
  public:
    // Gives views of this kind their interface in the accessibility tree (once per program).
    AccessibleView();
    virtual ~AccessibleView() = default;
    AccessibleView(const AccessibleView&) = delete;
    AccessibleView& operator=(const AccessibleView&) = delete;

    // The things drawn now, in reading order.
    virtual QList<AccessibleItem> accessibleItems() const = 0;
};

// Tells a screen reader that what view draws has changed.
void announceViewChanged(QWidget& view);

}  // namespace rp

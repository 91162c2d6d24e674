#pragma once
// The "&Order" menu: fourteen checkable entries, one per address tag the user can list the
// file by, exactly one of them ticked. Picking an entry makes its tag the table's order.
#include <QObject>
#include <QString>
#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace rp {

class AddressTable;

struct OrderEntry {
    const char* caption;  // with its "&" mark
    const char* tag;
};

class OrderMenu : public QObject {
    Q_OBJECT
  public:
    static constexpr int kLastNameEntry = 0;
    static constexpr int kEntryCount = 14;
    // The entries in menu order.
    static const std::array<OrderEntry, kEntryCount>& entries();

    // Builds the menu with "&Last Name" ticked; nothing is done to the table until an entry
    // is set. The menu belongs to parent.
    OrderMenu(AddressTable& table, QWidget* parent);

    QMenu* menu() const { return menu_; }
    QAction* action(int entry) const;

    // Ticks the entry alone and makes its tag the current order.
    void setMenuOrder(int entry);
    // Keeps tag as the current order and, when it is not empty and the file is open, makes
    // it the table's order. A file without that tag is shown in record order: searching
    // then finds nothing rather than seeking keys of another order.
    void setCurrentOrder(const QString& tag);

    // The tag last given to setCurrentOrder.
    const QString& currentOrder() const { return currentOrder_; }
    // The ticked entry, its caption without the "&" ("Last Name") and its tag.
    int currentEntry() const { return current_; }
    QString currentCaption() const;
    QString currentTag() const;

  signals:
    // The user picked an entry and the table is in its order now.
    void orderPicked(int entry);

  private:
    AddressTable& table_;
    QMenu* menu_;
    QActionGroup* group_;
    int current_ = kLastNameEntry;
    QString currentOrder_;
};

}  // namespace rp

#include "app/OrderMenu.h"

#include <QActionGroup>
#include <QMenu>

#include "data/AddressTable.h"
#include "framework/ErrorReport.h"

namespace rp {

const std::array<OrderEntry, OrderMenu::kEntryCount>& OrderMenu::entries() {
    static const std::array<OrderEntry, kEntryCount> list = {{
        {"&Last Name", "LNAME"},
        {"&First Name", "FNAME"},
        {"&Title", "TITLE"},
        {"&Organization", "ORG"},
        {"&Street", "STREET"},
        {"&City", "CITY"},
        {"&State", "STATE"},
        {"&Zip", "ZIP"},
        {"&Country", "COUNTRY"},
        {"&Phone", "PHONE"},
        {"&E-mail", "EMAIL"},
        {"&Fax", "FAX"},
        {"&Date", "DATE"},
        {"&Codes", "NOTES"},
    }};
    return list;
}

OrderMenu::OrderMenu(AddressTable& table, QWidget* parent)
    : QObject(parent),
      table_(table),
      menu_(new QMenu(QStringLiteral("&Order"), parent)),
      group_(new QActionGroup(this)) {
    group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int i = 0; i < kEntryCount; ++i) {
        QAction* a =
            menu_->addAction(QString::fromLatin1(entries()[static_cast<std::size_t>(i)].caption));
        a->setCheckable(true);
        group_->addAction(a);
        connect(a, &QAction::triggered, this, guarded([this, i] {
                    setMenuOrder(i);
                    emit orderPicked(i);
                }));
    }
    action(kLastNameEntry)->setChecked(true);
}

QAction* OrderMenu::action(int entry) const {
    return group_->actions().value(entry);
}

void OrderMenu::setMenuOrder(int entry) {
    if (entry < 0 || entry >= kEntryCount) return;
    action(entry)->setChecked(true);  // the exclusive group unticks the others
    current_ = entry;
    setCurrentOrder(currentTag());
}

void OrderMenu::setCurrentOrder(const QString& tag) {
    currentOrder_ = tag;
    if (tag.isEmpty() || !table_.isOpen()) return;
    const std::string name = tag.toStdString();
    if (table_->orderNumber(name) != 0)
        table_->setOrder(name);
    else
        table_->setOrder(0);
}

QString OrderMenu::currentCaption() const {
    return QString::fromLatin1(entries()[static_cast<std::size_t>(current_)].caption)
        .remove(QLatin1Char('&'));
}

QString OrderMenu::currentTag() const {
    return QString::fromLatin1(entries()[static_cast<std::size_t>(current_)].tag);
}

}  // namespace rp

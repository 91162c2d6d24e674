#include "app/OrderMenu.h"

#include <QActionGroup>
#include <QMenu>

#include "data/AddressTable.h"
#include "framework/ErrorReport.h"

namespace rp {

const std::array<OrderEntry, OrderMenu::kEntryCount>& OrderMenu::entries() {
    static const std::array<OrderEntry, kEntryCount> list = {{
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&Last Name"), "LNAME"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&First Name"), "FNAME"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&Title"), "TITLE"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&Organization"), "ORG"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&Street"), "STREET"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&City"), "CITY"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&State"), "STATE"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&Zip"), "ZIP"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&Country"), "COUNTRY"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&Phone"), "PHONE"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&E-mail"), "EMAIL"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&Fax"), "FAX"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&Date"), "DATE"},
        {QT_TRANSLATE_NOOP("rp::OrderMenu", "&Codes"), "NOTES"},
    }};
    return list;
}

OrderMenu::OrderMenu(AddressTable& table, QWidget* parent)
    : QObject(parent),
      table_(table),
      menu_(new QMenu(tr("&Order"), parent)),
      group_(new QActionGroup(this)) {
    group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int i = 0; i < kEntryCount; ++i) {
        QAction* a = menu_->addAction(tr(entries()[static_cast<std::size_t>(i)].caption));
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
    return tr(entries()[static_cast<std::size_t>(current_)].caption).remove(QLatin1Char('&'));
}

QString OrderMenu::currentTag() const {
    return QString::fromLatin1(entries()[static_cast<std::size_t>(current_)].tag);
}

}  // namespace rp

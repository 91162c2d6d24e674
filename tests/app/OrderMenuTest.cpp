// The Order menu: its fourteen entries, one ticked, and the table's order following the tick.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSignalSpy>

#include "app/OrderMenu.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

class OrderMenuTest : public AddressFileFixture {
  protected:
    QStringList ticked() const {
        QStringList out;
        for (QAction* a : menu.menu()->actions())
            if (a->isChecked()) out << a->text();
        return out;
    }

    QWidget window;
    OrderMenu menu{table, &window};
};

TEST_F(OrderMenuTest, ListsTheFourteenOrdersWithLastNameTicked) {
    EXPECT_EQ(menu.menu()->title(), "&Order");
    QStringList captions;
    for (QAction* a : menu.menu()->actions()) {
        EXPECT_TRUE(a->isCheckable());
        captions << a->text();
    }
    EXPECT_EQ(captions, QStringList({"&Last Name", "&First Name", "&Title", "&Organization",
                                     "&Street", "&City", "&State", "&Zip", "&Country", "&Phone",
                                     "&E-mail", "&Fax", "&Date", "&Codes"}));
    EXPECT_EQ(ticked(), QStringList{"&Last Name"});
    EXPECT_EQ(menu.currentCaption(), "Last Name");
    EXPECT_EQ(menu.currentTag(), "LNAME");
}

TEST_F(OrderMenuTest, EveryEntryTicksAloneAndSetsItsTag) {
    for (int i = 0; i < OrderMenu::kEntryCount; ++i) {
        menu.setMenuOrder(i);
        const OrderEntry& e = OrderMenu::entries()[static_cast<std::size_t>(i)];
        EXPECT_EQ(ticked(), QStringList{QString::fromLatin1(e.caption)});
        EXPECT_EQ(menu.currentEntry(), i);
        EXPECT_EQ(menu.currentOrder(), e.tag);
        EXPECT_EQ(table->orderTagName(), e.tag);
    }
    menu.setMenuOrder(10);
    EXPECT_EQ(menu.currentCaption(), "E-mail");
    menu.setMenuOrder(13);
    EXPECT_EQ(menu.currentCaption(), "Codes");
    EXPECT_EQ(table->orderTagName(), "NOTES");
}

TEST_F(OrderMenuTest, APickByTheUserSetsTheOrderAndTellsTheWindow) {
    QSignalSpy picked(&menu, &OrderMenu::orderPicked);
    menu.action(7)->trigger();
    EXPECT_EQ(ticked(), QStringList{"&Zip"});
    EXPECT_EQ(table->orderTagName(), "ZIP");
    ASSERT_EQ(picked.count(), 1);
    EXPECT_EQ(picked.front().front().toInt(), 7);

    menu.setMenuOrder(OrderMenu::kLastNameEntry);
    EXPECT_EQ(picked.count(), 1);  // setting from the program is no pick
    EXPECT_EQ(ticked(), QStringList{"&Last Name"});
    EXPECT_EQ(table->orderTagName(), "LNAME");
}

TEST_F(OrderMenuTest, AMissingTagLeavesRecordOrderAndAnEmptyOneChangesNothing) {
    const std::uint32_t first = add({{"LNAME", "Young"}});
    const std::uint32_t second = add({{"LNAME", "Adams"}});
    table->go(first);
    menu.setCurrentOrder("NOSUCHTAG");
    EXPECT_EQ(menu.currentOrder(), "NOSUCHTAG");
    EXPECT_EQ(table->order(), 0);
    EXPECT_EQ(table->recNo(), first);
    EXPECT_EQ(walk(), (std::vector<std::uint32_t>{first, second}));

    menu.setCurrentOrder("CITY");
    menu.setCurrentOrder("");
    EXPECT_EQ(menu.currentOrder(), "");
    EXPECT_EQ(table->orderTagName(), "CITY");
}

TEST_F(OrderMenuTest, WithNoFileOpenOnlyTheTickAndTheNameChange) {
    table.close();
    menu.setMenuOrder(5);
    EXPECT_EQ(ticked(), QStringList{"&City"});
    EXPECT_EQ(menu.currentOrder(), "CITY");
}

}  // namespace
}  // namespace rp

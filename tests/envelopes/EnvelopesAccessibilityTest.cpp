// What a screen reader finds in the envelope designer: the design view reads out each item with
// its place on the envelope in inches.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QRadioButton>
#include <QTest>

#include "EnvelopeFixture.h"
#include "data/AddressFile.h"
#include "data/AddressTable.h"
#include "envelopes/EnvelopeDesignView.h"
#include "envelopes/EnvelopeDesignerDialog.h"
#include "envelopes/EnvelopeSetup.h"

namespace rp {
namespace {

using EnvelopesAccessibilityTest = EnvelopeFixture;

TEST_F(EnvelopesAccessibilityTest, TheDesignViewReadsEachItemWithItsPlaceInInches) {
    AddressTable addresses{engine};
    ASSERT_TRUE(createAddressFile(folder() + "ADDRESS.DBF", addresses));
    addresses->appendBlank();
    addresses->setText("FNAME", "Ann");
    addresses->setText("LNAME", "Adams");
    addresses->setText("STREET", "1 Elm St");
    addresses->setText("CITY", "Boston");
    addresses->setText("STATE", "MA");
    addresses->setText("ZIP", "02134");
    addresses->post();
    EnvelopeSetup setup = defaultEnvelopeSetup();
    setup.useMessage = true;
    setup.barcode = true;
    EnvelopeDesignerDialog designer(setup, addresses.table(), folder(), nullptr, 96);
    designer.show();
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(designer.view());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->text(QAccessible::Name), "Envelope design");
    const auto said = [view] {
        std::vector<std::pair<std::string, std::string>> items;
        for (int i = 0; i < view->childCount(); ++i)
            items.emplace_back(view->child(i)->text(QAccessible::Name).toStdString(),
                               view->child(i)->text(QAccessible::Description).toStdString());
        return items;
    };
    const std::vector<std::pair<std::string, std::string>> atFirst = {
        {"Return address, 0.25 in from left, 0.25 in from top",
         "John Q Public\n123 N West St\nLA, CA  90024"},
        {"Delivery address, 3.17 in from left, 2.06 in from top",
         "Ann Adams\n1 Elm St\nBoston  MA 02134"},
        {"Message, 0.25 in from left, 3.13 in from top", "Handle with Care"},
        {"Barcode, 3.17 in from left, 1.92 in from top", ""}};
    EXPECT_EQ(said(), atFirst);
    // Half size shows the same places; a key moves the item with the handle by a pixel.
    designer.zoomButton(50)->click();
    EXPECT_EQ(said(), atFirst);
    designer.zoomButton(100)->click();
    designer.view()->attachHandle(DesignItem::ReturnAddress);
    for (int i = 0; i < 24; ++i) QTest::keyClick(designer.view(), Qt::Key_Right);
    EXPECT_EQ(said().front().first, "Return address, 0.50 in from left, 0.25 in from top");
}

}  // namespace
}  // namespace rp

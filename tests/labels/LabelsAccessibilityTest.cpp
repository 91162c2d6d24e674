// What a screen reader finds in the label designer: its picture of the label is read line by
// line.
#include <gtest/gtest.h>

#include <QAccessible>

#include "LabelSideFixture.h"
#include "data/AddressFile.h"
#include "labels/LabelDesignerDialog.h"

namespace rp {
namespace {

using LabelsAccessibilityTest = LabelSideTest;

TEST_F(LabelsAccessibilityTest, TheDesignersPictureIsReadLineByLine) {
    AddressTable addresses{engine};
    ASSERT_TRUE(createAddressFile(path("LIST.DBF"), addresses));
    const char* rows[][2] = {{"Adams", "1 Elm St"}, {"Baker", "2 Oak Ave"}};
    for (const auto& [last, street] : rows) {
        addresses->appendBlank();
        addresses->setText("FNAME", "Ann");
        addresses->setText("LNAME", last);
        addresses->setText("STREET", street);
        addresses->setText("CITY", "Boston");
        addresses->setText("STATE", "MA");
        addresses->setText("ZIP", "02134");
        addresses->post();
    }
    addresses->setOrder("LNAME");
    addresses->goTop();
    LabelSetup setup = defaultLabelSetup();
    setup.labelWidth = 4;  // wide enough for a barcode
    setup.barcode = true;
    LabelDesignerDialog designer(setup, &addresses.table(), 96);
    designer.show();
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(designer.preview());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->text(QAccessible::Name), "Label");
    const auto names = [picture] {
        std::vector<std::string> said;
        for (int i = 0; i < picture->childCount(); ++i)
            said.push_back(picture->child(i)->text(QAccessible::Name).toStdString());
        return said;
    };
    EXPECT_EQ(names(), std::vector<std::string>(
                           {"Ann Adams", "1 Elm St", "Boston  MA 02134", "Postal barcode"}));
    designer.onNextClicked();
    EXPECT_EQ(names(), std::vector<std::string>(
                           {"Ann Baker", "2 Oak Ave", "Boston  MA 02134", "Postal barcode"}));
}

}  // namespace
}  // namespace rp

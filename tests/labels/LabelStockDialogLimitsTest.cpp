// The "Add / Edit Label Definition" dialog refuses a length larger than a page side may be
// (200 inches), naming the box as the dialog labels it, and stays open.
#include <gtest/gtest.h>
#include <QDoubleSpinBox>
#include <QTest>

#include "labels/LabelStockDialog.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

LabelDefinition bannerSheet() {
    LabelDefinition d;
    d.description = "Banner";
    d.labelHeight = 1.0f;
    d.labelWidth = 2.625f;
    d.across = 1;
    d.down = 1;
    d.horizontalPitch = 2.625f;
    d.verticalPitch = 1.0f;
    d.topMargin = 0.5f;
    d.leftMargin = 0.25f;
    d.sheetWidth = 8.5f;
    d.sheetDepth = 11.0f;
    d.paperSize = "USER";
    return d;
}

QString tooLarge(const char* box) {
    return QString::fromLatin1(box) + ": a page can be at most 200 inches (508 cm) a side.";
}

TEST(LabelStockDialogLimits, ALengthLargerThanAPageIsRefusedNamingItsBox) {
    struct Row {
        const char* box;
        QDoubleSpinBox* (LabelStockDialog::*edit)() const;
    };
    const Row rows[] = {
        {"Label Width", &LabelStockDialog::labelWidthEdit},
        {"Label Height", &LabelStockDialog::labelHeightEdit},
        {"Horizontal Pitch", &LabelStockDialog::horizontalPitchEdit},
        {"Vertical Pitch", &LabelStockDialog::verticalPitchEdit},
        {"Left Margin", &LabelStockDialog::leftMarginEdit},
        {"Top Margin", &LabelStockDialog::topMarginEdit},
        {"Paper Width", &LabelStockDialog::paperWidthEdit},
        {"Paper Height", &LabelStockDialog::paperHeightEdit},
    };
    for (const char* caption : {"Add Label Definition", "Edit Label Definition"}) {
        for (const Row& row : rows) {
            ScriptedMessages messages;
            MessagesScope scope(messages);
            LabelStockDialog dialog;
            dialog.setWindowTitle(caption);
            dialog.setDefinition(bannerSheet());
            dialog.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            QDoubleSpinBox* edit = (dialog.*row.edit)();
            edit->setValue(200.001);
            // The pitches follow the label size, as when the user leaves its box.
            dialog.horizontalPitchEdit()->setValue(
                std::max(dialog.horizontalPitchEdit()->value(), dialog.labelWidthEdit()->value()));
            dialog.verticalPitchEdit()->setValue(
                std::max(dialog.verticalPitchEdit()->value(), dialog.labelHeightEdit()->value()));
            dialog.onSaveClicked();
            ASSERT_EQ(messages.texts(), QStringList{tooLarge(row.box)}) << caption << row.box;
            EXPECT_EQ(messages.shown().front().kind, "information");
            EXPECT_TRUE(dialog.isVisible()) << row.box;
            EXPECT_EQ(dialog.result(), QDialog::Rejected) << row.box;

            // At 200 inches the page is as large as it may be.
            for (QDoubleSpinBox* length :
                 {dialog.labelWidthEdit(), dialog.labelHeightEdit(), dialog.horizontalPitchEdit(),
                  dialog.verticalPitchEdit(), dialog.leftMarginEdit(), dialog.topMarginEdit(),
                  dialog.paperWidthEdit(), dialog.paperHeightEdit()})
                if (length->value() > 200) length->setValue(200);
            dialog.onSaveClicked();
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << row.box;
            EXPECT_EQ(messages.texts().size(), 1) << row.box;
        }
    }
}

TEST(LabelStockDialogLimits, TheFirstTooLargeBoxInTheDialogsOrderIsNamed) {
    ScriptedMessages messages;
    MessagesScope scope(messages);
    LabelStockDialog dialog;
    LabelDefinition d = bannerSheet();
    d.sheetWidth = 300;
    d.sheetDepth = 400;
    dialog.setDefinition(d);
    dialog.show();
    dialog.onSaveClicked();
    d.topMargin = 250;
    dialog.setDefinition(d);
    dialog.onSaveClicked();
    // The rules of a valid label come first.
    d.labelWidth = 0.4f;
    dialog.setDefinition(d);
    dialog.onSaveClicked();
    EXPECT_EQ(messages.texts(), (QStringList{tooLarge("Paper Width"), tooLarge("Top Margin"),
                                             "Label Width must be at least .5 inch (or 13mm)"}));
    EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace rp

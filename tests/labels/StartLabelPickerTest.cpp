// "Start at label" in Print Labels: offered for stocks of more than one label a sheet, ranged to
// the chosen setup's sheet, picked by a click on the sheet's picture, and handed to the run;
// and which label lies under a point of the sheet.
#include <gtest/gtest.h>
#include <QApplication>
#include <QGroupBox>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "LabelSideFixture.h"
#include "data/AddressFile.h"
#include "data/SideGridModel.h"
#include "framework/PrinterCatalog.h"
#include "labels/LabelSheet.h"
#include "labels/LabelSheetPicker.h"
#include "labels/PrintLabelsDialog.h"
#include "postal/PresortDialog.h"

namespace rp {
namespace {

TEST(LabelSheetTest, TheLabelUnderAPointNumberedAcrossThenDown) {
    const LabelSetup s = defaultLabelSetup();  // 3 x 10, 2.625 x 1 at pitch 2.75 x 1
    const struct {
        QPointF at;
        int label;
    } cases[] = {
        {{0.2, 0.6}, 1},   {{2.8, 0.6}, 1}, {{3.0, 0.6}, 2},  {{6.0, 1.7}, 6}, {{1.5, 10.0}, 28},
        {{8.3, 10.4}, 30}, {{0.1, 0.6}, 0}, {{2.85, 0.6}, 0}, {{1.5, 0.4}, 0}, {{1.5, 10.6}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x() << ',' << c.at.y());
        EXPECT_EQ(labelAt(s, c.at), c.label);
    }
    const QRectF rect = labelRect(s, 1, 2);
    EXPECT_NEAR(rect.left(), 2.938, 1e-6);
    EXPECT_NEAR(rect.top(), 2.5, 1e-6);
    EXPECT_NEAR(rect.width(), 2.625, 1e-6);
    EXPECT_NEAR(rect.height(), 1, 1e-6);
    EXPECT_EQ(labelsPerSheet(s), 30);
}

class StartLabelPickerTest : public LabelSideTest {
  protected:
    void SetUp() override {
        LabelSideTest::SetUp();
        ASSERT_TRUE(createAddressFile(path("LIST.DBF"), addresses));
        setups = open("RVPLSU.DBF");
        dialog = std::make_unique<PrintLabelsDialog>(addresses.table(), *setups, folder(), catalog,
                                                     &PresortDialog::run, true);
        dialog->show();
        QApplication::processEvents();
    }

    void chooseRow(int row) {
        dialog->grid()->setCurrentIndex(dialog->model()->index(row, 0));
        QApplication::processEvents();
    }

    // A click on the middle of a label of the picture.
    void clickLabel(int column, int row) {
        LabelSheetPicker* picker = dialog->sheetPicker();
        const LabelSetup setup = dialog->request().setup;
        const double scale = std::min((picker->width() - 1) / double(setup.sheetWidth),
                                      (picker->height() - 1) / double(setup.sheetDepth));
        const QPointF middle = labelRect(setup, column, row).center() * scale;
        QTest::mouseClick(picker, Qt::LeftButton, {}, middle.toPoint());
    }

    AddressTable addresses{engine};
    std::unique_ptr<xbase::Table> setups;
    PrinterCatalog catalog{{}, QString()};
    std::unique_ptr<PrintLabelsDialog> dialog;
};

TEST_F(StartLabelPickerTest, PickedOnTheSheetRangedToItAndOnlyForSheetsOfSeveralLabels) {
    // "Address labels, 30 per sheet": label 1 unless changed.
    EXPECT_FALSE(dialog->startLabelBox()->isHidden());
    EXPECT_EQ(dialog->startLabelBox()->title(), QStringLiteral("Start at label"));
    EXPECT_EQ(dialog->startLabelEdit()->value(), 1);
    EXPECT_EQ(dialog->startLabelEdit()->maximum(), 30);
    EXPECT_EQ(dialog->request().startLabel, 1);

    clickLabel(0, 9);  // the last row's first label
    EXPECT_EQ(dialog->startLabelEdit()->value(), 28);
    EXPECT_EQ(dialog->sheetPicker()->startLabel(), 28);
    EXPECT_EQ(dialog->request().startLabel, 28);
    dialog->startLabelEdit()->setValue(5);
    EXPECT_EQ(dialog->sheetPicker()->startLabel(), 5);

    // "Shipping labels, 2 x 4": 10 a sheet; a start beyond them goes back to label 1.
    clickLabel(2, 9);
    chooseRow(1);
    EXPECT_EQ(dialog->startLabelEdit()->maximum(), 10);
    EXPECT_EQ(dialog->startLabelEdit()->value(), 1);
    clickLabel(1, 2);
    EXPECT_EQ(dialog->request().startLabel, 6);

    // "Dot matrix address labels": one label a sheet, nothing to choose; the run starts at 1.
    chooseRow(3);
    EXPECT_TRUE(dialog->startLabelBox()->isHidden());
    EXPECT_EQ(dialog->request().startLabel, 1);
}

}  // namespace
}  // namespace rp

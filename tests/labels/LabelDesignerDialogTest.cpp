// "Label Setup " offscreen at 96 pixels per inch over a small address file: the controls as
// activation fills them, the buttons' effects, the record navigator, the stock and font
// choices, and Save and Cancel; the font dialog's limits.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include "LabelSideFixture.h"
#include "data/AddressFile.h"
#include "labels/LabelDesignerDialog.h"
#include "labels/LabelDesignerPreview.h"
#include "labels/LabelFontDialog.h"

namespace rp {
namespace {

class LabelDesignerDialogTest : public LabelSideTest {
  protected:
    void SetUp() override {
        LabelSideTest::SetUp();
        ASSERT_TRUE(createAddressFile(path("LIST.DBF"), addresses));
        addresses->setOrder("LNAME");
        const char* rows[][4] = {{"Ann", "Adams", "1 Elm St", "Boston"},
                                 {"Bob", "Baker", "2 Oak Ave", "Denver"},
                                 {"Cy", "Cole", "3 Pine Rd", "Austin"}};
        for (const auto& row : rows) {
            addresses->appendBlank();
            addresses->setText("FNAME", row[0]);
            addresses->setText("LNAME", row[1]);
            addresses->setText("STREET", row[2]);
            addresses->setText("CITY", row[3]);
            addresses->setText("STATE", "MA");
            addresses->setText("ZIP", "02134");
            addresses->post();
        }
        addresses->goTop();
    }

    std::unique_ptr<LabelDesignerDialog> dialog(const LabelSetup& setup = defaultLabelSetup()) {
        auto d = std::make_unique<LabelDesignerDialog>(setup, &addresses.table(), 96);
        d->show();
        return d;
    }

    AddressTable addresses{engine};
};

TEST_F(LabelDesignerDialogTest, ActivationFillsTheControls) {
    auto d = dialog();
    EXPECT_EQ(d->windowTitle(), "Label Setup ");
    EXPECT_EQ(d->helpTopic(), 1025);
    QStringList captions;
    for (const QAbstractButton* b : d->findChildren<QAbstractButton*>()) captions << b->text();
    for (const QLabel* l : d->findChildren<QLabel*>()) captions << l->text();
    for (const QGroupBox* g : d->findChildren<QGroupBox*>()) captions << g->title();
    for (const char* c : {"Label Setup Description",
                          "Label Definition",
                          "Choose or Define Label",
                          "Font",
                          "Choose Font",
                          "Text Position",
                          "Label Contents",
                          "Name",
                          "Title",
                          "Organization",
                          "Street",
                          "City + State",
                          "Country",
                          "Phone",
                          "Zip/Postal code",
                          "After state",
                          "Before city",
                          "After country",
                          "Before country",
                          "US Postnet Barcode",
                          "Uppercase",
                          "Trim text to fit label",
                          "Record",
                          "Save",
                          "Help",
                          "Cancel"})
        EXPECT_TRUE(captions.contains(c)) << c;

    EXPECT_FALSE(d->drawingSuspended());
    EXPECT_EQ(d->descriptionEdit()->text(), "Default Label Setup");
    EXPECT_EQ(d->descriptionEdit()->maxLength(), 50);
    EXPECT_EQ(d->labelTypeLabel()->text(), "Avery 5160  Address,   1.00 x 2.63");
    EXPECT_EQ(d->fontInfoLabel()->text(), "Arial,10 pt.");
    EXPECT_TRUE(d->nameBox()->isChecked());
    EXPECT_FALSE(d->titleBox()->isChecked());
    EXPECT_TRUE(d->streetBox()->isChecked());
    EXPECT_TRUE(d->cityStateBox()->isChecked());
    EXPECT_TRUE(d->zipBox()->isChecked());
    EXPECT_TRUE(d->trimBox()->isChecked());
    EXPECT_TRUE(d->placementButton(ZipPlacement::AfterState)->isChecked());
    EXPECT_TRUE(d->placementButton(ZipPlacement::BeforeCountry)->isEnabled());
    // 2.625 inches wide: no barcode.
    EXPECT_FALSE(d->barcodeBox()->isEnabled());
    EXPECT_EQ(d->preview()->size(), QSize(252, 96));
    EXPECT_EQ(d->model().x(), 24);
    EXPECT_EQ(d->model().y(), 24);

    // Hold-to-repeat timings.
    for (QAbstractButton* b : {d->smallerButton(), d->biggerButton()}) {
        EXPECT_TRUE(b->autoRepeat());
        EXPECT_EQ(b->autoRepeatDelay(), 500);
        EXPECT_EQ(b->autoRepeatInterval(), 50);
    }
    EXPECT_EQ(d->upButton()->autoRepeatDelay(), 50);
    EXPECT_EQ(d->downButton()->autoRepeatInterval(), 25);
    EXPECT_EQ(d->leftButton()->autoRepeatDelay(), 100);
    EXPECT_EQ(d->rightButton()->autoRepeatInterval(), 5);
}

TEST_F(LabelDesignerDialogTest, NavigatorMovesTheAddressFileAndRedraws) {
    auto d = dialog();
    ASSERT_FALSE(d->addressLines().isEmpty());
    EXPECT_EQ(d->addressLines().first().trimmed(), "Ann Adams");
    EXPECT_EQ(d->addressLines().value(1), "1 Elm St");
    const int redraws = d->redraws();
    d->nextButton()->click();
    EXPECT_EQ(d->addressLines().first().trimmed(), "Bob Baker");
    d->lastButton()->click();
    EXPECT_EQ(d->addressLines().first().trimmed(), "Cy Cole");
    d->nextButton()->click();
    EXPECT_EQ(d->addressLines().first().trimmed(), "Cy Cole");
    d->priorButton()->click();
    EXPECT_EQ(d->addressLines().first().trimmed(), "Bob Baker");
    d->firstButton()->click();
    d->priorButton()->click();
    EXPECT_EQ(d->addressLines().first().trimmed(), "Ann Adams");
    EXPECT_EQ(d->redraws(), redraws + 6);
    // The picture carries the address: ink on the label.
    const QImage image = d->previewImage();
    bool ink = false;
    for (int x = 24; x < 200 && !ink; ++x)
        for (int y = 24; y < 90 && !ink; ++y) ink = qGray(image.pixel(x, y)) < 128;
    EXPECT_TRUE(ink);
}

TEST_F(LabelDesignerDialogTest, PositionAndFontSizeButtons) {
    LabelSetup s = defaultLabelSetup();
    s.fontSize = 7;
    auto d = dialog(s);
    d->homeButton()->click();
    EXPECT_EQ(d->model().x(), 5);
    EXPECT_EQ(d->model().y(), 7);
    d->downButton()->click();
    d->rightButton()->click();
    EXPECT_EQ(d->model().y(), 9);
    EXPECT_EQ(d->model().x(), 6);
    for (int i = 0; i < 5; ++i) d->upButton()->click();
    EXPECT_EQ(d->model().y(), 3);
    for (int i = 0; i < 9; ++i) d->leftButton()->click();
    EXPECT_EQ(d->model().x(), 1);

    d->smallerButton()->click();
    EXPECT_EQ(d->fontInfoLabel()->text(), "Arial,6 pt.");
    EXPECT_EQ(messages.beeps(), 0);
    d->smallerButton()->click();
    EXPECT_EQ(messages.beeps(), 1);
    EXPECT_EQ(d->model().font().size, 6);
    d->biggerButton()->click();
    EXPECT_EQ(d->fontInfoLabel()->text(), "Arial,7 pt.");
}

TEST_F(LabelDesignerDialogTest, ContentsStockAndFontChoices) {
    auto d = dialog();
    d->zipBox()->click();
    EXPECT_FALSE(d->model().contents().zip);
    EXPECT_FALSE(d->placementButton(ZipPlacement::BeforeCity)->isEnabled());
    const QStringList noZip = d->addressLines();
    EXPECT_EQ(noZip.size(), 3);
    EXPECT_FALSE(noZip.join('|').contains("02134"));
    d->zipBox()->click();
    d->placementButton(ZipPlacement::BeforeCity)->click();
    d->uppercaseBox()->click();
    EXPECT_EQ(d->model().contents().zipPlacement, ZipPlacement::BeforeCity);
    EXPECT_TRUE(d->addressLines().value(2).startsWith("02134 BOSTON"))
        << d->addressLines().value(2).toStdString();

    // A 4-inch stock allows the barcode, unticked; ticking it with Y 24 keeps Y.
    d->chooseStock = [](LabelSetup& setup) {
        setup.labelWidth = 4.0f;
        setup.labelHeight = 1.44f;
        setup.labelTypeName = "Avery 4014";
        setup.printerType = "DM";
        return true;
    };
    d->chooseLabelButton()->click();
    EXPECT_EQ(d->labelTypeLabel()->text(), "Avery 4014");
    EXPECT_TRUE(d->barcodeBox()->isEnabled());
    EXPECT_FALSE(d->barcodeBox()->isChecked());
    EXPECT_EQ(d->preview()->size(), QSize(384, 138));
    d->barcodeBox()->click();
    EXPECT_TRUE(d->model().barcode());
    d->homeButton()->click();
    EXPECT_EQ(d->model().y(), 21);
    EXPECT_EQ(d->model().barcodePosition(), QPoint(5, 6));
    // Back to a narrow stock: unticked and disabled.
    d->chooseStock = [](LabelSetup& setup) {
        setup.labelWidth = 2.625f;
        return true;
    };
    d->chooseLabelButton()->click();
    EXPECT_FALSE(d->barcodeBox()->isEnabled());
    EXPECT_FALSE(d->barcodeBox()->isChecked());
    EXPECT_FALSE(d->model().barcode());

    // Cancel in the font dialog keeps the font; OK takes it.
    d->chooseFont = [](LabelFont& font) {
        font = {"Courier", 20, true, true};
        return false;
    };
    d->chooseFontButton()->click();
    EXPECT_EQ(d->fontInfoLabel()->text(), "Arial,10 pt.");
    d->chooseFont = [](LabelFont& font) {
        EXPECT_EQ(font.name, "Arial");
        font = {"Courier", 20, true, true};
        return true;
    };
    d->chooseFontButton()->click();
    EXPECT_EQ(d->fontInfoLabel()->text(), "Courier,20 pt., Bold, Italic");
}

TEST_F(LabelDesignerDialogTest, SaveNeedsADescription) {
    auto d = dialog();
    d->descriptionEdit()->setText("   ");
    d->onSaveClicked();
    EXPECT_EQ(messages.texts(),
              QStringList{"Please enter a description for this Label Setup record"});
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Rejected);

    d->descriptionEdit()->setText("Club mailing");
    d->rightButton()->click();
    d->onSaveClicked();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    const LabelSetup out = d->editedSetup();
    EXPECT_EQ(out.description, "Club mailing");
    EXPECT_FLOAT_EQ(out.xOffset, 25.0f / 96);
    EXPECT_EQ(out.yOffset, 0.25f);
}

TEST(LabelFontDialogTest, SizesFrom8To24AndTheChoice) {
    LabelFontDialog big({"DejaVu Sans", 30, true, false});
    EXPECT_EQ(big.sizeEdit()->minimum(), 8);
    EXPECT_EQ(big.sizeEdit()->maximum(), 24);
    EXPECT_EQ(big.sizeEdit()->value(), 24);
    EXPECT_TRUE(big.boldBox()->isChecked());
    EXPECT_FALSE(big.italicBox()->isChecked());
    EXPECT_EQ(big.chosen(), LabelFont({"DejaVu Sans", 24, true, false}));
    LabelFontDialog small({"DejaVu Sans", 6, false, true});
    small.italicBox()->setChecked(false);
    small.sizeEdit()->setValue(12);
    EXPECT_EQ(small.chosen(), LabelFont({"DejaVu Sans", 12, false, false}));
}

}  // namespace
}  // namespace rp

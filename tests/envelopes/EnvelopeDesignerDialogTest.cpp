// The Envelope Designer offscreen over an address file of two records: how it opens, Save and
// its refusal, the contents that are stored without saving, another envelope size, the texts
// and fonts of the items, the feed method and the record buttons; and the Return Address window.
#include "EnvelopeFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "data/AddressFile.h"
#include "envelopes/EnvelopeDesignView.h"
#include "envelopes/EnvelopeDesignerDialog.h"
#include "envelopes/EnvelopeRun.h"
#include "envelopes/ReturnAddressDialog.h"

namespace rp {
namespace {

class EnvelopeDesignerDialogTest : public EnvelopeFixture {
  protected:
    void SetUp() override {
        EnvelopeFixture::SetUp();
        ASSERT_TRUE(createAddressFile(folder() + "ADDRESS.DBF", addresses));
        for (const char* last : {"Public", "Doe"}) {
            addresses.table().appendBlank();
            addresses.table().setText("FNAME", "Jane");
            addresses.table().setText("LNAME", last);
            addresses.table().setText("CITY", "Springfield");
            addresses.table().setText("STATE", "IL");
            addresses.table().setText("ZIP", "62701");
            addresses.table().post();
        }
        addresses.table().goTop();
        setup = defaultEnvelopeSetup();
        setup.descript = "Office";
        setup.envName = "Envelope #10";
        setup.envWidth = 9.5f;
        setup.envHeight = 4.125f;
        setup.retLines = {"One", "Two", "Three", "", ""};
        setup.contents = AddressContents{};
        setup.contents.name = true;
        setup.contents.cityState = true;
    }

    std::unique_ptr<EnvelopeDesignerDialog> open() {
        auto dialog = std::make_unique<EnvelopeDesignerDialog>(setup, addresses.table(), folder(),
                                                               nullptr, 96);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }

    AddressTable addresses{engine};
    EnvelopeSetup setup;
};

TEST_F(EnvelopeDesignerDialogTest, OpensOnTheDesignPageAtHalfSize) {
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), "Envelope Designer");
    EXPECT_EQ(dialog->helpTopic(), 1019);
    EXPECT_EQ(dialog->pages()->currentIndex(), 0);
    EXPECT_EQ(dialog->pages()->tabText(0), "Envelope Design");
    EXPECT_EQ(dialog->pages()->tabText(1), "Envelope Options");
    EXPECT_TRUE(dialog->zoomButton(50)->isChecked());
    EXPECT_EQ(dialog->model().zoom(), 50);
    EXPECT_EQ(dialog->model().areaSize(), QSize(456, 198));
    EXPECT_EQ(dialog->view()->size(), QSize(480, 222));
    EXPECT_TRUE(dialog->outlinesCheck()->isChecked());
    EXPECT_EQ(dialog->envelopeNameLabel()->text(), "Envelope #10");
    EXPECT_EQ(dialog->chooseEnvelopeButton()->text(), "Choose or Define  Envelope");
    EXPECT_EQ(dialog->descriptionEdit()->text(), "Office");
    EXPECT_EQ(dialog->descriptionEdit()->maxLength(), 50);
    EXPECT_EQ(dialog->view()->deliveryLines().value(0).trimmed(), "Jane Public");
    EXPECT_FALSE(dialog->zipButton(ZipPlacement::AfterState)->isEnabled());

    QTest::mouseClick(dialog->zoomButton(100), Qt::LeftButton);
    EXPECT_EQ(dialog->view()->size(), QSize(936, 420));
}

TEST_F(EnvelopeDesignerDialogTest, AnAddressDraggedToAnyCornerIsSavedPrintable) {
    for (int zoom : {50, 75, 100}) {
        for (QPoint drag :
             {QPoint(-2000, -2000), QPoint(2000, -2000), QPoint(-2000, 2000), QPoint(2000, 2000)}) {
            auto dialog = open();
            dialog->zoomButton(zoom)->click();
            EnvelopeDesignView* view = dialog->view();
            const QPoint start = view->itemRect(DesignItem::Delivery).center();
            QTest::mousePress(view, Qt::LeftButton, {}, start);
            QTest::mouseMove(view, start + drag);
            QTest::mouseRelease(view, Qt::LeftButton, {}, start + drag);
            QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
            ASSERT_EQ(dialog->result(), QDialog::Accepted);
            EXPECT_TRUE(deliveryOnEnvelope(dialog->setup()))
                << zoom << " " << dialog->setup().delLeft << "," << dialog->setup().delTop;
        }
    }
}

TEST_F(EnvelopeDesignerDialogTest, AnAddressStoredOffTheEnvelopeOpensJustInsideIt) {
    setup.delLeft = -1.938f;  // -186 pixels at 96 ppi
    setup.delTop = 2.0f;
    setup.messTop = 5.0f;  // below the envelope altogether
    setup.useReturn = setup.useMessage = true;
    auto dialog = open();
    const QRect envelope(QPoint(kDesignBorder, kDesignBorder), dialog->model().areaSize());
    for (DesignItem item : {DesignItem::ReturnAddress, DesignItem::Delivery, DesignItem::Message})
        EXPECT_TRUE(envelope.contains(dialog->view()->itemRect(item))) << static_cast<int>(item);
    EXPECT_EQ(dialog->model().rememberedPosition(DesignItem::Delivery), QPoint(0, 192));
    QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(dialog->setup().delLeft, 0.0f);
    EXPECT_FLOAT_EQ(dialog->setup().delTop, 2.0f);
    EXPECT_LT(dialog->setup().messTop, 4.125f);
}
TEST_F(EnvelopeDesignerDialogTest, ABlankDescriptionIsRefusedAndTheDesignerStaysOpen) {
    auto dialog = open();
    dialog->descriptionEdit()->setText("   ");
    QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
    EXPECT_EQ(messages.texts(),
              QStringList{"Please enter a description for this Envelope Setup record"});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(dialog->setup().descript, "Office");
}

TEST_F(EnvelopeDesignerDialogTest, AContentsClickStoresTheContentsOnly) {
    auto dialog = open();
    dialog->descriptionEdit()->setText("Changed but not saved");
    QTest::mouseClick(dialog->contentsCheck("Zip/Postal code"), Qt::LeftButton);
    EXPECT_TRUE(dialog->zipButton(ZipPlacement::BeforeCity)->isEnabled());
    QTest::mouseClick(dialog->zipButton(ZipPlacement::BeforeCity), Qt::LeftButton);
    QTest::mouseClick(dialog->contentsCheck("Print in Uppercase"), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    const AddressContents& c = dialog->setup().contents;
    EXPECT_TRUE(c.zip);
    EXPECT_EQ(c.zipPlacement, ZipPlacement::BeforeCity);
    EXPECT_TRUE(c.uppercase);
    EXPECT_TRUE(c.name);
    EXPECT_EQ(dialog->setup().descript, "Office");
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_TRUE(dialog->view()->deliveryLines().value(1).startsWith("62701 SPRINGFIELD"));

    QTest::mouseClick(dialog->contentsCheck("Zip/Postal code"), Qt::LeftButton);
    EXPECT_FALSE(dialog->zipButton(ZipPlacement::BeforeCity)->isEnabled());
    EXPECT_FALSE(dialog->setup().contents.zip);
}

TEST_F(EnvelopeDesignerDialogTest, ASmallerEnvelopeIsSavedWithItsNewPlaces) {
    auto dialog = open();
    QStringList asked;
    dialog->chooseSize = [&asked](const QString& name) -> std::optional<EnvelopeSize> {
        asked << name;
        return EnvelopeSize{"Envelope #6 3/4", "6.5 x 3.625", 6.5, 3.625, false};
    };
    QTest::mouseClick(dialog->chooseEnvelopeButton(), Qt::LeftButton);
    EXPECT_EQ(asked, QStringList{"Envelope #10"});
    EXPECT_EQ(dialog->envelopeNameLabel()->text(), "Envelope #6 3/4");
    EXPECT_EQ(dialog->view()->size(), QSize(336, 198));
    EXPECT_EQ(dialog->model().itemPosition(DesignItem::Delivery), QPoint(104, 87));
    QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const EnvelopeSetup& s = dialog->setup();
    EXPECT_EQ(s.envName, "Envelope #6 3/4");
    EXPECT_FLOAT_EQ(s.envWidth, 6.5f);
    EXPECT_FLOAT_EQ(s.retTop, 0.25f);
    EXPECT_FLOAT_EQ(s.messTop, 3.125f);
    EXPECT_FLOAT_EQ(s.delTop, 1.8125f);
    EXPECT_NEAR(s.delLeft, 2.1667, 0.0001);
}

TEST_F(EnvelopeDesignerDialogTest, TextsAndFontsOfTheItemsAreSaved) {
    auto dialog = open();
    dialog->editReturnAddress = [](const QStringList& lines) -> std::optional<QStringList> {
        EXPECT_EQ(lines, QStringList({"One", "Two", "Three"}));
        return QStringList{"One", "Two"};
    };
    dialog->askMessage = [](const QString&) -> std::optional<QString> { return "Fragile"; };
    dialog->chooseFont = [](const DesignFont& font) -> std::optional<DesignFont> {
        return DesignFont{"Serif", font.size + 2, true, true};
    };
    dialog->onTextRequested(DesignItem::ReturnAddress);
    dialog->onTextRequested(DesignItem::Message);
    dialog->onFontRequested(DesignItem::Delivery);
    QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    const EnvelopeSetup& s = dialog->setup();
    EXPECT_EQ(s.retLines[1], "Two");
    EXPECT_TRUE(s.retLines[2].isEmpty());
    EXPECT_EQ(s.messText, "Fragile");
    EXPECT_EQ(s.delFontName, "Serif");
    EXPECT_EQ(s.delFontSize, setup.delFontSize + 2);
    EXPECT_TRUE(s.delFontBold);
    EXPECT_TRUE(s.delFontItalic);
    EXPECT_EQ(s.retFontName, setup.retFontName);
}

TEST_F(EnvelopeDesignerDialogTest, ACancelledTextChangesNothing) {
    auto dialog = open();
    dialog->editReturnAddress = [](const QStringList&) -> std::optional<QStringList> {
        return std::nullopt;
    };
    dialog->onTextRequested(DesignItem::ReturnAddress);
    EXPECT_EQ(dialog->model().returnLines(), QStringList({"One", "Two", "Three"}));
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(EnvelopeDesignerDialogTest, CenterWithClockwiseRotationIsSavedAsTwelve) {
    setup.position = 12;
    setup.orient = 1;
    auto dialog = open();
    EXPECT_TRUE(dialog->positionButton(FeedPosition::Center)->isChecked());
    EXPECT_TRUE(dialog->orientationButton(1)->isChecked());
    EXPECT_TRUE(dialog->clockwiseCheck()->isChecked());
    EXPECT_FALSE(dialog->clockwiseCheck()->isHidden());
    QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->setup().position, 12);
    EXPECT_EQ(dialog->setup().orient, 1);
}

TEST_F(EnvelopeDesignerDialogTest, TheFeedChoicesAreSaved) {
    setup.orient = 0;
    setup.position = 0;
    setup.facing = 0;
    auto dialog = open();
    dialog->pages()->setCurrentIndex(1);
    EXPECT_TRUE(dialog->clockwiseCheck()->isHidden());
    QTest::mouseClick(dialog->orientationButton(1), Qt::LeftButton);
    EXPECT_FALSE(dialog->clockwiseCheck()->isHidden());
    QTest::mouseClick(dialog->clockwiseCheck(), Qt::LeftButton);
    QTest::mouseClick(dialog->positionButton(FeedPosition::Right), Qt::LeftButton);
    QTest::mouseClick(dialog->facingButton(1), Qt::LeftButton);
    QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->setup().position, 11);
    EXPECT_EQ(dialog->setup().orient, 1);
    EXPECT_EQ(dialog->setup().facing, 1);
}

TEST_F(EnvelopeDesignerDialogTest, TheRecordButtonsMoveThroughTheAddressFile) {
    auto dialog = open();
    QTest::mouseClick(dialog->recordButton(2), Qt::LeftButton);
    EXPECT_EQ(dialog->view()->deliveryLines().value(0).trimmed(), "Jane Doe");
    QTest::mouseClick(dialog->recordButton(2), Qt::LeftButton);  // stays on the last
    EXPECT_EQ(dialog->view()->deliveryLines().value(0).trimmed(), "Jane Doe");
    QTest::mouseClick(dialog->recordButton(0), Qt::LeftButton);
    EXPECT_EQ(dialog->view()->deliveryLines().value(0).trimmed(), "Jane Public");
    QTest::mouseClick(dialog->recordButton(3), Qt::LeftButton);
    EXPECT_EQ(addresses.table().recNo(), 2u);
    QTest::mouseClick(dialog->recordButton(1), Qt::LeftButton);
    EXPECT_EQ(addresses.table().recNo(), 1u);
}

// Runs the designer modally and, once it shows, edits the description and clicks Save or Cancel.
bool runAndClose(EnvelopeSetup& copy, xbase::Table& addresses, const QString& folder, bool save) {
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&timer, save] {
        auto* designer = qobject_cast<EnvelopeDesignerDialog*>(QApplication::activeModalWidget());
        if (!designer) return;
        timer.stop();
        designer->descriptionEdit()->setText("Renamed");
        (save ? designer->saveButton() : designer->cancelButton())->click();
    });
    timer.start(1);
    return runEnvelopeDesigner(copy, addresses, folder, nullptr);
}

TEST_F(EnvelopeDesignerDialogTest, RunningTheDesignerHandsBackTheCopyOnlyOnSave) {
    EnvelopeSetup copy = setup;
    EXPECT_FALSE(runAndClose(copy, addresses.table(), folder(), false));
    EXPECT_EQ(copy, setup);
    EXPECT_TRUE(runAndClose(copy, addresses.table(), folder(), true));
    EXPECT_EQ(copy.descript, "Renamed");
    EXPECT_EQ(copy.retLines, setup.retLines);
    EXPECT_EQ(copy.envName, setup.envName);
}

TEST(ReturnAddressDialogTest, ShowsTheLinesAndHandsBackTheEdit) {
    ReturnAddressDialog dialog({"One", "Two"});
    EXPECT_EQ(dialog.windowTitle(), "Return Address");
    EXPECT_EQ(dialog.helpTopic(), 1040);
    EXPECT_EQ(dialog.textEdit()->toPlainText(), "One\nTwo");
    EXPECT_EQ(dialog.saveButton()->text(), "Save");
    EXPECT_EQ(dialog.cancelButton()->text(), "Cancel");
    dialog.textEdit()->setPlainText("A\n\nC\n");
    EXPECT_EQ(dialog.lines(), QStringList({"A", "", "C"}));
    EXPECT_TRUE(ReturnAddressDialog::splitLines("").isEmpty());
    ReturnAddressDialog empty({});
    EXPECT_TRUE(empty.textEdit()->toPlainText().isEmpty());
}

}  // namespace
}  // namespace rp

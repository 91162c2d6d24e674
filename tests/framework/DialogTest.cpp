// The dialog base: the centring rule, where a dialog lands over its parent's window, and its
// help buttons.
#include "framework/Dialog.h"

#include "framework/Background.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QWhatsThis>
#include <QWidget>

namespace {

using rp::Dialog;

class SizedDialog : public Dialog {
  public:
    SizedDialog(QWidget* parent, QSize size) : Dialog(parent, rp::HelpTopic::RecordPage) {
        setFixedSize(size);
    }
};

TEST(DialogCentring, EvenDifferencesSplitExactly) {
    EXPECT_EQ(Dialog::centredOver(QRect(10, 20, 400, 300), QSize(200, 100)), QPoint(110, 120));
    EXPECT_EQ(Dialog::centredOver(QRect(-40, -30, 300, 200), QSize(100, 100)), QPoint(60, 20));
}

TEST(DialogCentring, OddDifferencesDropTheHalfPixel) {
    EXPECT_EQ(Dialog::centredOver(QRect(0, 0, 401, 301), QSize(200, 100)), QPoint(100, 100));
}

TEST(DialogCentring, NegativeDifferencesTruncateTowardZero) {
    // (100 - 301) / 2 is -100, where rounding down would give -101.
    EXPECT_EQ(Dialog::centredOver(QRect(0, 0, 100, 50), QSize(301, 153)), QPoint(-100, -51));
    EXPECT_EQ(Dialog::centredOver(QRect(500, 400, 100, 50), QSize(301, 153)), QPoint(400, 349));
}

TEST(DialogPlacement, FirstShowCentresOverTheParentWindow) {
    QWidget main(nullptr, Qt::FramelessWindowHint);
    main.setGeometry(100, 80, 400, 300);
    main.show();
    SizedDialog dialog(&main, QSize(301, 151));
    dialog.setWindowFlag(Qt::FramelessWindowHint);
    dialog.show();
    EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(149, 154));
}

TEST(DialogPlacement, WindowFramesCountInTheCentring) {
    QWidget main;
    main.setGeometry(200, 100, 300, 200);
    main.show();
    SizedDialog dialog(&main, QSize(401, 99));
    dialog.show();
    const QRect mainFrame = main.frameGeometry();
    const QRect dialogFrame = dialog.frameGeometry();
    EXPECT_EQ(dialogFrame.left() - mainFrame.left(), (mainFrame.width() - dialogFrame.width()) / 2);
    EXPECT_EQ(dialogFrame.top() - mainFrame.top(), (mainFrame.height() - dialogFrame.height()) / 2);
}

TEST(DialogPlacement, ParentWidgetInsideTheWindowCentresOverTheWindow) {
    QWidget main(nullptr, Qt::FramelessWindowHint);
    main.setGeometry(200, 100, 300, 200);
    auto* inner = new QWidget(&main);
    inner->setGeometry(0, 0, 20, 20);
    main.show();
    SizedDialog dialog(inner, QSize(401, 99));
    dialog.setWindowFlag(Qt::FramelessWindowHint);
    dialog.show();
    EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(150, 150));
}

TEST(DialogPlacement, LaterShowsKeepWhereTheUserLeftIt) {
    QWidget main;
    main.setGeometry(100, 80, 400, 300);
    main.show();
    SizedDialog dialog(&main, QSize(200, 100));
    dialog.show();
    dialog.hide();
    dialog.move(5, 6);
    dialog.show();
    EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(5, 6));
}

TEST(DialogButtons, PointerHelpButtonEntersWhatsThisMode) {
    Dialog dialog(nullptr, rp::HelpTopic::RecordPage);
    QToolButton* pointer = dialog.makePointerHelpButton();
    EXPECT_EQ(pointer->toolTip(), QStringLiteral("Pointer help"));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    pointer->click();
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
}

TEST(DialogBackground, TilesTheBackgroundFromTheTopLeftCorner) {
    SizedDialog dialog(nullptr, QSize(250, 230));
    const QImage shot = dialog.grab().toImage();
    const QImage tile = rp::backgroundTile().toImage();
    ASSERT_EQ(tile.size(), QSize(108, 108));
    for (const QPoint& inTile : {QPoint(0, 0), QPoint(17, 91), QPoint(107, 107), QPoint(50, 3)}) {
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const QPoint at = inTile + QPoint(column * 108, row * 108);
                if (!shot.rect().contains(at)) continue;
                EXPECT_EQ(shot.pixel(at), tile.pixel(inTile)) << at.x() << "," << at.y();
            }
        }
    }
}

TEST(DialogButtons, HelpButtonIsCaptionedAndNeverTheDefault) {
    Dialog dialog(nullptr, rp::HelpTopic::Browse);
    EXPECT_EQ(dialog.makeHelpButton()->text(), QStringLiteral("Help"));
    QPushButton* own = dialog.makeHelpButton(QStringLiteral("&Help"));
    EXPECT_EQ(own->text(), QStringLiteral("&Help"));
    EXPECT_FALSE(own->autoDefault());
    EXPECT_EQ(dialog.helpTopic(), 1005);
}

}  // namespace

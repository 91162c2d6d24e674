// The design page's drawing offscreen: the envelope inside its gray border at each zoom, the
// items where the working values put them, the move handle by mouse and arrow keys, and the
// context menu of an item.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "envelopes/EnvelopeDesignView.h"

namespace rp {
namespace {

EnvelopeSetup number10() {
    EnvelopeSetup s = defaultEnvelopeSetup();
    s.envName = "Envelope #10";
    s.envWidth = 9.5f;
    s.envHeight = 4.125f;
    s.useReturn = true;
    s.useMessage = true;
    s.barcode = true;
    s.retTop = 0.25f;
    s.retLeft = 0.25f;
    s.delTop = 2.0f;
    s.delLeft = 4.0f;
    s.messTop = 3.5f;
    s.messLeft = 0.25f;
    s.retLines = {"Sender", "1 Road", "", "", ""};
    s.messText = "Please forward";
    s.retFontName = s.delFontName = s.messFontName = "Sans Serif";
    s.retFontSize = s.delFontSize = s.messFontSize = 10;
    s.retFontBold = s.delFontBold = s.messFontBold = false;
    s.retFontItalic = s.delFontItalic = s.messFontItalic = false;
    return s;
}

class EnvelopeDesignViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        view.setDeliveryLines({"Jane Public", "123 MAIN ST", "Springfield  IL 62701"});
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    QPoint inside(DesignItem item) const { return view.itemRect(item).center(); }

    EnvelopeDesignModel model{number10(), 96};
    EnvelopeDesignView view{model};
};

TEST_F(EnvelopeDesignViewTest, TheEnvelopeFillsItsBorderAtEachZoom) {
    struct Row {
        int zoom;
        QSize size;
        QPoint delivery;
    };
    for (const Row& row : {Row{100, {936, 420}, {396, 204}}, Row{75, {708, 321}, {300, 156}},
                           Row{50, {480, 222}, {204, 108}}}) {
        model.setZoom(row.zoom);
        view.updateArea();
        EXPECT_EQ(view.size(), row.size) << row.zoom;
        EXPECT_EQ(view.itemRect(DesignItem::Delivery).topLeft(), row.delivery) << row.zoom;
        const QImage image = view.grab().toImage();
        EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::gray)) << row.zoom;
        EXPECT_EQ(QColor(image.pixel(row.size.width() - 3, 40)), QColor(Qt::gray));
        EXPECT_EQ(QColor(image.pixel(kDesignBorder + 1, kDesignBorder + 1)), QColor(Qt::white));
    }
}

TEST_F(EnvelopeDesignViewTest, ItemsTakeTheSizeOfTheirText) {
    const QRect delivery = view.itemRect(DesignItem::Delivery);
    const QRect ret = view.itemRect(DesignItem::ReturnAddress);
    EXPECT_GT(delivery.width(), 0);
    EXPECT_EQ(delivery.height(), 3 * ret.height() / 2);  // three lines against two
    const int fullWidth = view.itemRect(DesignItem::Message).width();
    model.setZoom(50);
    view.updateArea();
    EXPECT_LT(view.itemRect(DesignItem::Message).width(), fullWidth);
    model.setUseReturn(false);
    EXPECT_TRUE(view.itemRect(DesignItem::ReturnAddress).isEmpty());
    EXPECT_FALSE(view.itemAt(ret.center()).has_value());
}

TEST_F(EnvelopeDesignViewTest, TheBarcodeIsDrawnAboveTheDeliveryAddress) {
    const QRect bars = view.barcodeRect();
    EXPECT_EQ(bars, QRect(396, 189, 248, 12));
    const QImage image = view.grab().toImage();
    int dark = 0;
    for (int x = bars.left(); x <= bars.right(); ++x)
        if (qGray(image.pixel(x, bars.bottom())) < 128) ++dark;
    EXPECT_GT(dark, 20);
    model.setBarcode(false);
    EXPECT_TRUE(view.barcodeRect().isEmpty());
    const QImage plain = view.grab().toImage();
    EXPECT_EQ(QColor(plain.pixel(bars.left() + 1, bars.bottom())), QColor(Qt::white));
}

TEST_F(EnvelopeDesignViewTest, DraggingTheHandleRemembersThePositions) {
    model.setZoom(50);
    view.updateArea();
    QSignalSpy remembered(&view, &EnvelopeDesignView::positionsRemembered);
    const QPoint start = inside(DesignItem::Delivery);
    QTest::mousePress(&view, Qt::LeftButton, {}, start);
    EXPECT_EQ(view.handleItem(), DesignItem::Delivery);
    QTest::mouseMove(&view, start + QPoint(10, 5));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, start + QPoint(10, 5));
    EXPECT_EQ(remembered.count(), 1);
    EXPECT_EQ(model.itemPosition(DesignItem::Delivery), QPoint(202, 101));
    EXPECT_EQ(model.rememberedPosition(DesignItem::Delivery), QPoint(404, 202));
    EXPECT_EQ(model.rememberedPosition(DesignItem::ReturnAddress), QPoint(24, 24));

    // A click without moving attaches the handle and changes nothing.
    QTest::mouseClick(&view, Qt::LeftButton, {}, inside(DesignItem::Message));
    EXPECT_EQ(view.handleItem(), DesignItem::Message);
    EXPECT_EQ(remembered.count(), 1);

    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(300, 30));
    EXPECT_FALSE(view.handleItem().has_value());
}

TEST_F(EnvelopeDesignViewTest, ArrowKeysMoveTheHandledItemOnePixel) {
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(model.itemPosition(DesignItem::ReturnAddress), QPoint(24, 24));  // no handle
    view.attachHandle(DesignItem::ReturnAddress);
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(model.itemPosition(DesignItem::ReturnAddress), QPoint(26, 23));
    EXPECT_EQ(model.rememberedPosition(DesignItem::ReturnAddress), QPoint(26, 23));
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(model.rememberedPosition(DesignItem::ReturnAddress), QPoint(25, 24));
}

TEST_F(EnvelopeDesignViewTest, TheRightButtonOnTheHandleDetachesIt) {
    view.attachHandle(DesignItem::Message);
    QTest::mouseClick(&view, Qt::RightButton, {}, inside(DesignItem::Message));
    EXPECT_FALSE(view.handleItem().has_value());
}

TEST_F(EnvelopeDesignViewTest, TheContextMenuOffersFontAndText) {
    QSignalSpy fonts(&view, &EnvelopeDesignView::fontRequested);
    QSignalSpy texts(&view, &EnvelopeDesignView::textRequested);
    for (DesignItem item : {DesignItem::ReturnAddress, DesignItem::Delivery, DesignItem::Message}) {
        QMenu* menu = view.contextMenuFor(item);
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), 2);
        EXPECT_EQ(actions[0]->text(), "Font");
        EXPECT_EQ(actions[1]->text(), "Text");
        EXPECT_TRUE(actions[0]->isEnabled());
        EXPECT_EQ(actions[1]->isEnabled(), item != DesignItem::Delivery);
        actions[0]->trigger();
        if (actions[1]->isEnabled()) actions[1]->trigger();
        delete menu;
    }
    ASSERT_EQ(fonts.count(), 3);
    EXPECT_EQ(fonts[1][0].value<DesignItem>(), DesignItem::Delivery);
    ASSERT_EQ(texts.count(), 2);
    EXPECT_EQ(texts[1][0].value<DesignItem>(), DesignItem::Message);
}

}  // namespace
}  // namespace rp

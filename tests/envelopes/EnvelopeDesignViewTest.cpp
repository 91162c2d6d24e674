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

TEST_F(EnvelopeDesignViewTest, NoItemIsDraggedOrSteppedOffTheEnvelope) {
    // Each item dragged far past each edge ends against that edge, its rectangle (the
    // delivery address with the barcode above it) wholly on the envelope.
    const QRect envelope(QPoint(kDesignBorder, kDesignBorder), model.areaSize());
    struct Row {
        DesignItem item;
        QPoint drag;
        bool left, right, top, bottom;  // which edge it ends against
    };
    const Row rows[] = {
        {DesignItem::ReturnAddress, {-400, 0}, true, false, false, false},
        {DesignItem::ReturnAddress, {0, -300}, false, false, true, false},
        {DesignItem::Delivery, {-600, 0}, true, false, false, false},
        {DesignItem::Delivery, {900, 0}, false, true, false, false},
        {DesignItem::Delivery, {0, -400}, false, false, true, false},
        {DesignItem::Delivery, {0, 400}, false, false, false, true},
        {DesignItem::Message, {900, 300}, false, true, false, true},
    };
    for (const Row& row : rows) {
        EnvelopeDesignModel fresh(number10(), 96);
        EnvelopeDesignView page(fresh);
        page.setDeliveryLines(view.deliveryLines());
        const QPoint start = page.itemRect(row.item).center();
        QTest::mousePress(&page, Qt::LeftButton, {}, start);
        QTest::mouseMove(&page, start + row.drag);
        QTest::mouseRelease(&page, Qt::LeftButton, {}, start + row.drag);
        QRect covered = page.itemRect(row.item);
        if (row.item == DesignItem::Delivery) covered = covered.united(page.barcodeRect());
        EXPECT_TRUE(envelope.contains(covered)) << row.drag.x() << "," << row.drag.y();
        EXPECT_EQ(covered.left() == envelope.left(), row.left) << row.drag.x();
        EXPECT_EQ(covered.right() == envelope.right(), row.right) << row.drag.x();
        EXPECT_EQ(covered.top() == envelope.top(), row.top) << row.drag.y();
        EXPECT_EQ(covered.bottom() == envelope.bottom(), row.bottom) << row.drag.y();
        EXPECT_EQ(fresh.rememberedPosition(row.item), fresh.itemPosition(row.item));
    }
}

TEST_F(EnvelopeDesignViewTest, ArrowKeysStopAtTheEdges) {
    view.attachHandle(DesignItem::ReturnAddress);
    for (int i = 0; i < 30; ++i) QTest::keyClick(&view, Qt::Key_Left);
    for (int i = 0; i < 30; ++i) QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(model.rememberedPosition(DesignItem::ReturnAddress), QPoint(0, 0));
    const QSize room = model.areaSize() - view.itemRect(DesignItem::Message).size();
    view.attachHandle(DesignItem::Message);
    for (int i = 0; i < 900; ++i) QTest::keyClick(&view, Qt::Key_Right);
    for (int i = 0; i < 60; ++i) QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(model.rememberedPosition(DesignItem::Message), QPoint(room.width(), room.height()));
}

TEST_F(EnvelopeDesignViewTest, AnItemLyingOffTheEnvelopeIsMovedJustInside) {
    EnvelopeSetup s = number10();
    s.delLeft = -1.938f;  // -186 pixels
    s.messTop = 4.1f;     // its line reaches past the bottom edge
    EnvelopeDesignModel off(s, 96);
    EnvelopeDesignView page(off);
    page.setDeliveryLines(view.deliveryLines());
    page.keepItemsInside();
    EXPECT_EQ(off.rememberedPosition(DesignItem::Delivery), QPoint(0, 192));
    EXPECT_EQ(off.rememberedPosition(DesignItem::Message).y(),
              396 - page.itemRect(DesignItem::Message).height());
    EXPECT_EQ(off.rememberedPosition(DesignItem::ReturnAddress), QPoint(24, 24));  // unmoved
}

TEST_F(EnvelopeDesignViewTest, AnEmptyItemHasAnOutlineToClickAndAMenu) {
    model.setReturnLines({});
    model.setMessageText(QString());
    view.setShowOutlines(false);
    for (DesignItem item : {DesignItem::ReturnAddress, DesignItem::Message}) {
        const QRect rect = view.itemRect(item);
        const QFontMetrics metrics(QFont(QStringLiteral("Sans Serif"), 10));
        EXPECT_EQ(rect.height(), 3 * metrics.height());
        EXPECT_EQ(rect.width(), 12 * metrics.horizontalAdvance(QLatin1Char('W')));
        EXPECT_EQ(view.itemAt(rect.center()), item);
        // Its outline shows even with "Show outlines" off.
        const QImage image = view.grab().toImage();
        EXPECT_EQ(QColor(image.pixel(rect.left() - 1, rect.top() - 1)), QColor(0xc0, 0xc0, 0xc0));
        // A click takes hold of it; the right button then lets go.
        QTest::mouseClick(&view, Qt::LeftButton, {}, rect.center());
        EXPECT_EQ(view.handleItem(), item);
        QTest::mouseClick(&view, Qt::RightButton, {}, rect.center());
        EXPECT_FALSE(view.handleItem().has_value());
    }
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

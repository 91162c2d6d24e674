#pragma once
// The drawing of the envelope designer's first page: the envelope in white inside a gray
// border of 12 pixels, with the return address, the delivery address, the barcode picture and
// the message line where the working values put them. A click on an item attaches the move
// handle to it; dragging the handle moves the item and, on release, the positions are
// remembered. The arrow keys move the item with the handle by one pixel. Neither takes an item
// off the envelope. Ctrl+Tab and Ctrl+Shift+Tab attach the handle to the next or previous item
// shown (Tab itself goes on to the dialog's next control). An item without text shows a dotted
// outline of usable size. The right mouse button on an item offers "Font" and "Text" ("Text"
// disabled on the delivery address).
#include <QStringList>
#include <QWidget>
#include <optional>

#include "envelopes/EnvelopeDesignModel.h"
#include "framework/AccessibleView.h"

class QMenu;

namespace rp {

inline constexpr int kDesignBorder = 12;

class EnvelopeDesignView : public QWidget, public AccessibleView {
    Q_OBJECT
  public:
    explicit EnvelopeDesignView(EnvelopeDesignModel& model, QWidget* parent = nullptr);

    // The delivery address lines of the current record.
    void setDeliveryLines(const QStringList& lines);
    const QStringList& deliveryLines() const { return deliveryLines_; }

    void setShowOutlines(bool on);
    bool showOutlines() const { return showOutlines_; }

    // Fits the widget to the envelope area at the model's zoom and repaints.
    void updateArea();

    // The item's rectangle in widget coordinates (border included); empty for a hidden item.
    QRect itemRect(DesignItem item) const;
    // The size of the item's text block at the current zoom, shown or not.
    QSize itemSize(DesignItem item) const;
    // Moves every item (shown or not) that lies partly off the envelope just inside it and
    // remembers the positions when one moved.
    void keepItemsInside();
    QRect barcodeRect() const;
    bool itemShown(DesignItem item) const;
    // The topmost shown item at a widget point.
    std::optional<DesignItem> itemAt(QPoint point) const;

    // The item with the move handle, if any.
    std::optional<DesignItem> handleItem() const { return handle_; }
    void attachHandle(DesignItem item);
    void detachHandle();
    // Attaches the handle to the item shown after (or before) the one holding it, in the order
    // return address, delivery address, message, going round.
    void attachToNextItem(bool forward);

    // The context menu of an item: "Font" and "Text".
    QMenu* contextMenuFor(DesignItem item);

    QSize sizeHint() const override;

    // For a screen reader: each item shown, as "Return address, 0.25 in from left, 0.25 in from
    // top" with its lines as the description, then the barcode.
    QList<AccessibleItem> accessibleItems() const override;

  signals:
    void fontRequested(rp::DesignItem item);
    void textRequested(rp::DesignItem item);
    // The items were moved and their positions remembered.
    void positionsRemembered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QFont zoomedFont(DesignItem item) const;
    QStringList linesOf(DesignItem item) const;
    void drawItem(QPainter& painter, DesignItem item) const;
    void drawHandle(QPainter& painter, const QRect& rect) const;

    EnvelopeDesignModel& model_;
    QStringList deliveryLines_;
    bool showOutlines_ = true;
    std::optional<DesignItem> handle_;
    bool dragging_ = false;
    bool moved_ = false;
    QPoint dragStart_;
    QPoint itemStart_;
};

}  // namespace rp

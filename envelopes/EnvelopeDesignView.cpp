#include "envelopes/EnvelopeDesignView.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "mailpiece/BarcodePicture.h"

namespace rp {
namespace {

constexpr int kGrip = 5;

}  // namespace

EnvelopeDesignView::EnvelopeDesignView(EnvelopeDesignModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAccessibleName(tr("Envelope design"));
    connect(this, &EnvelopeDesignView::positionsRemembered, this,
            [this] { announceViewChanged(*this); });
    updateArea();
}

void EnvelopeDesignView::setDeliveryLines(const QStringList& lines) {
    deliveryLines_ = lines;
    update();
    announceViewChanged(*this);
}

void EnvelopeDesignView::setShowOutlines(bool on) {
    showOutlines_ = on;
    update();
}

void EnvelopeDesignView::updateArea() {
    setFixedSize(sizeHint());
    update();
    announceViewChanged(*this);
}

QList<AccessibleItem> EnvelopeDesignView::accessibleItems() const {
    // Where a rectangle of the view lies on the envelope, in inches.
    const auto placed = [this](const QString& what, const QRect& rect) {
        const QPoint at =
            (rect.topLeft() - QPoint(kDesignBorder, kDesignBorder)) * 100 / model_.zoom();
        return tr("%1, %L2 in from left, %L3 in from top")
            .arg(what)
            .arg(model_.toInches(at.x()), 0, 'f', 2)
            .arg(model_.toInches(at.y()), 0, 'f', 2);
    };
    const std::pair<DesignItem, const char*> kinds[] = {
        {DesignItem::ReturnAddress, QT_TR_NOOP("Return address")},
        {DesignItem::Delivery, QT_TR_NOOP("Delivery address")},
        {DesignItem::Message, QT_TR_NOOP("Message")}};
    QList<AccessibleItem> items;
    for (const auto& [item, what] : kinds) {
        if (!itemShown(item)) continue;
        QStringList said;  // the lines that hold text, without the padding
        for (const QString& line : linesOf(item))
            if (!line.trimmed().isEmpty()) said << line.trimmed();
        items.push_back(
            {placed(tr(what), itemRect(item)), said.join(QLatin1Char('\n')), itemRect(item)});
    }
    if (const QRect barcode = barcodeRect(); !barcode.isEmpty())
        items.push_back({placed(tr("Barcode"), barcode), QString(), barcode});
    return items;
}

QSize EnvelopeDesignView::sizeHint() const {
    return model_.areaSize() + QSize(2 * kDesignBorder, 2 * kDesignBorder);
}

QFont EnvelopeDesignView::zoomedFont(DesignItem item) const {
    const DesignFont& f = model_.font(item);
    QFont font(f.name);
    font.setPointSize(std::max(1, model_.pointSizeAtZoom(f.size)));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    return font;
}

QStringList EnvelopeDesignView::linesOf(DesignItem item) const {
    switch (item) {
        case DesignItem::ReturnAddress:
            return model_.returnLines();
        case DesignItem::Delivery:
            return deliveryLines_;
        case DesignItem::Message:
            return {model_.messageText()};
    }
    return {};
}

bool EnvelopeDesignView::itemShown(DesignItem item) const {
    if (item == DesignItem::ReturnAddress) return model_.useReturn();
    if (item == DesignItem::Message) return model_.useMessage();
    return true;
}

QSize EnvelopeDesignView::itemSize(DesignItem item) const {
    const QFontMetrics metrics(zoomedFont(item));
    const TextMeasure measure{[&metrics](const QString& s) { return metrics.horizontalAdvance(s); },
                              metrics.height()};
    return EnvelopeDesignModel::blockSize(linesOf(item), measure);
}

QRect EnvelopeDesignView::itemRect(DesignItem item) const {
    if (!itemShown(item)) return {};
    const QPoint at = model_.itemPosition(item) + QPoint(kDesignBorder, kDesignBorder);
    return {at, itemSize(item)};
}

void EnvelopeDesignView::keepItemsInside() {
    bool moved = false;
    for (DesignItem item : {DesignItem::ReturnAddress, DesignItem::Delivery, DesignItem::Message}) {
        const QPoint at = model_.itemPosition(item);
        model_.moveItem(item, at, itemSize(item));
        moved = moved || model_.itemPosition(item) != at;
    }
    if (moved) model_.rememberPositions();
    update();
}

QRect EnvelopeDesignView::barcodeRect() const {
    if (!model_.barcode()) return {};
    return model_.barcodeRect().translated(kDesignBorder, kDesignBorder);
}

std::optional<DesignItem> EnvelopeDesignView::itemAt(QPoint point) const {
    for (DesignItem item : {DesignItem::Message, DesignItem::Delivery, DesignItem::ReturnAddress})
        if (itemRect(item).contains(point)) return item;
    return std::nullopt;
}

void EnvelopeDesignView::attachHandle(DesignItem item) {
    handle_ = item;
    update();
}

void EnvelopeDesignView::detachHandle() {
    handle_.reset();
    dragging_ = false;
    update();
}

void EnvelopeDesignView::attachToNextItem(bool forward) {
    const int start = handle_ ? static_cast<int>(*handle_) : (forward ? -1 : kDesignItemCount);
    for (int step = 1; step <= kDesignItemCount; ++step) {
        const int i = ((start + (forward ? step : -step)) % kDesignItemCount + kDesignItemCount) %
                      kDesignItemCount;
        const auto item = static_cast<DesignItem>(i);
        if (itemShown(item)) return attachHandle(item);
    }
}

QMenu* EnvelopeDesignView::contextMenuFor(DesignItem item) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(tr("Font"), this, [this, item] { emit fontRequested(item); });
    QAction* text = menu->addAction(tr("Text"), this, [this, item] { emit textRequested(item); });
    text->setEnabled(item != DesignItem::Delivery);
    return menu;
}

void EnvelopeDesignView::drawItem(QPainter& painter, DesignItem item) const {
    const QRect rect = itemRect(item);
    painter.fillRect(rect, Qt::white);
    painter.setFont(zoomedFont(item));
    painter.setPen(Qt::black);
    const QFontMetrics metrics(painter.font());
    int top = rect.top();
    for (const QString& line : linesOf(item)) {
        painter.drawText(rect.left(), top + metrics.ascent(), line);
        top += metrics.height();
    }
    // An item without text is seen by its outline alone.
    if (showOutlines_ || EnvelopeDesignModel::isEmptyText(linesOf(item))) {
        painter.setPen(QPen(QColor(0xc0, 0xc0, 0xc0), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(-1, -1, 0, 0));
    }
}

void EnvelopeDesignView::drawHandle(QPainter& painter, const QRect& rect) const {
    const QRect frame = rect.adjusted(-2, -2, 1, 1);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    const int xs[] = {frame.left(), frame.center().x(), frame.right()};
    const int ys[] = {frame.top(), frame.center().y(), frame.bottom()};
    for (int x : xs)
        for (int y : ys)
            if (x != frame.center().x() || y != frame.center().y())
                painter.drawRect(x - kGrip / 2, y - kGrip / 2, kGrip - 1, kGrip - 1);
}

void EnvelopeDesignView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::gray);
    painter.fillRect(QRect(QPoint(kDesignBorder, kDesignBorder), model_.areaSize()), Qt::white);
    if (model_.useReturn()) drawItem(painter, DesignItem::ReturnAddress);
    drawItem(painter, DesignItem::Delivery);
    if (model_.barcode()) {
        const QRect bars = barcodeRect();
        painter.drawImage(bars.topLeft(), barcodePicture(model_.symbology(), bars.size()));
    }
    if (model_.useMessage()) drawItem(painter, DesignItem::Message);
    if (handle_ && itemShown(*handle_)) drawHandle(painter, itemRect(*handle_));
}

void EnvelopeDesignView::mousePressEvent(QMouseEvent* event) {
    setFocus();
    const QPoint point = event->position().toPoint();
    const std::optional<DesignItem> item = itemAt(point);
    if (event->button() == Qt::RightButton) {
        if (handle_ && item == handle_) {
            detachHandle();
        } else if (item) {
            contextMenuFor(*item)->popup(event->globalPosition().toPoint());
        }
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    if (!item) {
        detachHandle();
        return;
    }
    attachHandle(*item);
    dragging_ = true;
    moved_ = false;
    dragStart_ = point;
    itemStart_ = model_.itemPosition(*item);
}

void EnvelopeDesignView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !handle_) return;
    const QPoint delta = event->position().toPoint() - dragStart_;
    if (delta.isNull() && !moved_) return;
    moved_ = true;
    model_.moveItem(*handle_, itemStart_ + delta, itemSize(*handle_));
    update();
}

void EnvelopeDesignView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    if (moved_) {
        model_.rememberPositions();
        emit positionsRemembered();
    }
    moved_ = false;
}

void EnvelopeDesignView::keyPressEvent(QKeyEvent* event) {
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (event->modifiers() & Qt::ControlModifier)) {
        attachToNextItem(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        return;
    }
    QPoint step;
    switch (event->key()) {
        case Qt::Key_Left:
            step = {-1, 0};
            break;
        case Qt::Key_Right:
            step = {1, 0};
            break;
        case Qt::Key_Up:
            step = {0, -1};
            break;
        case Qt::Key_Down:
            step = {0, 1};
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (!handle_) {
        QWidget::keyPressEvent(event);
        return;
    }
    model_.moveItem(*handle_, model_.itemPosition(*handle_) + step, itemSize(*handle_));
    model_.rememberPositions();
    emit positionsRemembered();
    update();
}

}  // namespace rp

#include "framework/PreviewPageView.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "framework/RecordedPages.h"

namespace rp {

PreviewPageView::PreviewPageView(const RecordedPages& pages, QWidget* parent)
    : QWidget(parent), pages_(pages) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Print preview"));
}

QSizeF PreviewPageView::contentSize(QSizeF pageInches, double pixelsPerInch) {
    return pageInches * pixelsPerInch * (1 + 2 * kMarginFraction);
}

void PreviewPageView::showPage(int index, double pixelsPerInch) {
    index_ = index;
    pixelsPerInch_ = pixelsPerInch;
    const QSizeF content = contentSize(pages_.pageSize(), pixelsPerInch);
    const QSize size(static_cast<int>(std::ceil(content.width())),
                     static_cast<int>(std::ceil(content.height())));
    if (size != this->size())
        resize(size);  // a resize repaints everything
    else
        update();
    announceViewChanged(*this);
}

QList<AccessibleItem> PreviewPageView::accessibleItems() const {
    if (index_ < 0 || index_ >= pages_.pageCount()) return {};
    const QSizeF page = pages_.pageSize() * pixelsPerInch_;
    const QRectF drawn(QPointF(page.width() * kMarginFraction, page.height() * kMarginFraction),
                       page);
    return {
        {tr("Page %1 of %2").arg(index_ + 1).arg(pages_.pageCount()), QString(), drawn.toRect()}};
}

void PreviewPageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (index_ < 0 || index_ >= pages_.pageCount()) return;
    // Only the exposed part is drawn; the page's operations outside it are clipped away.
    painter.setClipRegion(event->region());
    const QSizeF page = pages_.pageSize() * pixelsPerInch_;
    painter.translate(page.width() * kMarginFraction, page.height() * kMarginFraction);
    pages_.paintPage(index_, painter, pixelsPerInch_);
}

}  // namespace rp

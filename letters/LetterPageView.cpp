#include "letters/LetterPageView.h"

#include <QAbstractTextDocumentLayout>
#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>
#include <QTextDocument>
#include <cmath>

#include "framework/ErrorReport.h"

namespace rp {

LetterPageView::LetterPageView(QWidget* parent) : QScrollArea(parent) {
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Dark);
    sheet_ = new LetterSheet(*this);
    setWidget(sheet_);
    sheet_->resize(sheetSize() + QSize(2 * kSheetGap, 2 * kSheetGap));
}

int LetterPageView::pagePixels(int twips, int dpi) {
    return static_cast<int>(static_cast<long long>(twips) * dpi / 1440);
}

QSize LetterPageView::sheetSize(const PageLayout& page, int dpi, int zoom) {
    return {pagePixels(page.paperWidth, dpi) * zoom / 100,
            pagePixels(page.paperHeight, dpi) * zoom / 100};
}

int LetterPageView::marginPixels(int twips, int dpi, int zoom) {
    return static_cast<int>(std::lround(twips * (dpi / 1440.0) * (zoom / 100.0)));
}

QSizeF LetterPageView::textPixels(const PageLayout& page, int dpi) {
    const double perTwip = dpi / 1440.0;
    return {(page.paperWidth - page.leftMargin - page.rightMargin) * perTwip,
            (page.paperHeight - page.topMargin - page.bottomMargin) * perTwip};
}

void LetterPageView::setDocument(const QTextDocument* document, const PageLayout& page, int dpi) {
    document_ = document;
    page_ = page;
    dpi_ = dpi;
    pageIndex_ = 0;
    sheet_->resetFailure();
    setZoom(zoom_);
}

void LetterPageView::showPage(const QTextDocument* document, int page) {
    document_ = document;
    pageIndex_ = page;
    sheet_->update();
}

void LetterPageView::setZoom(int zoom) {
    zoom_ = zoom;
    const QSize size = sheetSize() + QSize(2 * kSheetGap, 2 * kSheetGap);
    if (size != sheet_->size())
        sheet_->resize(size);  // a resize draws everything again
    else
        sheet_->update();
}

QSize LetterPageView::room() const {
    return maximumViewportSize() - QSize(2 * kSheetGap, 2 * kSheetGap);
}

void LetterPageView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    emit resized();
}

LetterSheet::LetterSheet(LetterPageView& view) : QWidget(&view), view_(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect LetterSheet::sheetRect() const {
    return {QPoint(LetterPageView::kSheetGap, LetterPageView::kSheetGap), view_.sheetSize()};
}

void LetterSheet::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    const QRect sheet = sheetRect();
    if (sheet.isEmpty()) return;
    painter.fillRect(sheet.translated(LetterPageView::kShadow, LetterPageView::kShadow),
                     QColor(64, 64, 64));
    painter.fillRect(sheet, Qt::white);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
    if (!view_.document_ || failed_) return;
    try {
        painter.save();
        paintText(painter);
        painter.restore();
    } catch (...) {
        painter.restore();
        failed_ = true;
        // The message waits until the paint is over: a box shown from inside a paint event
        // would paint this widget again while it is still being painted.
        QMetaObject::invokeMethod(
            &view_, [view = &view_, cause = currentErrorText()] { emit view->drawFailed(cause); },
            Qt::QueuedConnection);
    }
}

void LetterSheet::paintText(QPainter& painter) {
    const QTextDocument& document = *view_.document_;
    const PageLayout& page = view_.page_;
    const int dpi = view_.dpi_;
    const int zoom = view_.zoom_;
    const QSizeF text = document.pageSize();
    const QRect sheet = sheetRect();
    painter.translate(sheet.left() + LetterPageView::marginPixels(page.leftMargin, dpi, zoom),
                      sheet.top() + LetterPageView::marginPixels(page.topMargin, dpi, zoom));
    // The document was laid out at the screen's dpi, so the zoom alone scales it.
    const double scale = zoom / 100.0;
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), text), Qt::IntersectClip);
    const double top = view_.pageIndex_ * text.height();
    painter.translate(0, -top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, top), text);
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
}

}  // namespace rp

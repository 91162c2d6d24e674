#include "framework/ReportOpPainter.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

#include "framework/ReportTextMetrics.h"

namespace rp {

ReportOpPainter::ReportOpPainter(QPainter& painter, double pixelsPerInch)
    : painter_(painter), scale_(pixelsPerInch) {}

double ReportOpPainter::penPixels(double inches, double pixelsPerInch) {
    return std::max(inches * pixelsPerInch, 1.0);
}

void ReportOpPainter::paint(const ReportOp& op) {
    std::visit(
        [this](const auto& o) {
            using T = std::decay_t<decltype(o)>;
            if constexpr (std::is_same_v<T, TextRun>)
                paintText(o);
            else if constexpr (std::is_same_v<T, LineOp>)
                paintLine(o);
            else if constexpr (std::is_same_v<T, RectOp>)
                paintRect(o);
            else if constexpr (std::is_same_v<T, FillOp>)
                paintFill(o);
            else if constexpr (std::is_same_v<T, ImageOp>)
                paintImage(o);
            else
                paintDocumentPage(o);
        },
        op);
}

QRectF ReportOpPainter::pixels(const QRectF& inches) const {
    return QRectF(pixels(inches.topLeft()), pixels(inches.bottomRight()));
}

QPen ReportOpPainter::pen(const ReportPen& pen) const {
    return QPen(pen.colour, penPixels(pen.width, scale_), pen.style, Qt::FlatCap, Qt::MiterJoin);
}

const QFont& ReportOpPainter::deviceFont(const ReportFont& font) {
    if (font_ != font) {
        // Point sizes follow the device's logical resolution; scale them to the requested one.
        deviceFont_ = font.toQFont();
        deviceFont_.setPointSizeF(font.points * scale_ / painter_.device()->logicalDpiY());
        deviceMetrics_.reset();
        font_ = font;
    }
    return deviceFont_;
}

const QFontMetricsF& ReportOpPainter::deviceMetrics() {
    if (!deviceMetrics_) deviceMetrics_.emplace(deviceFont_, painter_.device());
    return *deviceMetrics_;
}

void ReportOpPainter::paintText(const TextRun& run) {
    // Text laid out at this device's resolution is drawn where the canvas measured it.
    const bool shaped = run.glyphs && scale_ == ReportTextMetrics::kDotsPerInch;
    const QRectF box = pixels(run.box);
    // Left-aligned text starts on the box's left edge; only the others need the device's width.
    double x = box.left();
    if (shaped) {
        x = run.x * scale_;
    } else {
        deviceFont(run.font);
        if (run.align == TextAlign::Right)
            x = box.right() - deviceMetrics().horizontalAdvance(run.text);
        if (run.align == TextAlign::Centre)
            x = box.center().x() - deviceMetrics().horizontalAdvance(run.text) / 2;
    }

    // Font and pen are set by every operation that uses them; only a clip must be undone.
    if (run.clipped) {
        painter_.save();
        painter_.setClipRect(box, Qt::IntersectClip);
    }
    painter_.setPen(run.colour);
    const QPointF origin(x, run.baseline * scale_);
    if (shaped) {
        for (const QGlyphRun& glyphs : *run.glyphs) painter_.drawGlyphRun(origin, glyphs);
    } else {
        painter_.setFont(deviceFont_);
        painter_.drawText(origin, run.text);
    }
    if (run.clipped) painter_.restore();
}

void ReportOpPainter::paintLine(const LineOp& line) {
    painter_.setPen(pen(line.pen));
    painter_.drawLine(pixels(line.from), pixels(line.to));
}

void ReportOpPainter::paintRect(const RectOp& rect) {
    const QRectF area = pixels(rect.rect);
    if (rect.fill.isValid()) painter_.fillRect(area, rect.fill);
    if (!rect.outlined) return;
    painter_.setPen(pen(rect.pen));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(area);
}

void ReportOpPainter::paintFill(const FillOp& fill) {
    if (fill.rects.empty()) return;
    // Drawn from the first rectangle's corner: a barcode's rectangles then have the same small
    // coordinates wherever it stands, which keeps a PDF's page descriptions short.
    const QPointF corner = pixels(fill.rects.front().topLeft());
    std::vector<QRectF> rects;
    rects.reserve(fill.rects.size());
    for (const QRectF& rect : fill.rects) rects.push_back(pixels(rect).translated(-corner));
    const QTransform kept = painter_.worldTransform();
    painter_.translate(corner);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(fill.colour);
    painter_.drawRects(rects.data(), static_cast<int>(rects.size()));
    painter_.setWorldTransform(kept);
}

void ReportOpPainter::paintImage(const ImageOp& image) {
    painter_.drawImage(pixels(image.rect), image.image);
}

void ReportOpPainter::paintDocumentPage(const DocumentPageOp& op) {
    if (!op.document || op.layoutDpi <= 0) return;
    const QSizeF page = op.document->pageSize();
    const double scale = scale_ / op.layoutDpi;
    painter_.save();
    painter_.translate(pixels(op.rect.topLeft()));
    painter_.scale(scale, scale);
    painter_.setClipRect(QRectF(QPointF(0, 0), page), Qt::IntersectClip);
    painter_.translate(0, -op.page * page.height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, op.page * page.height()), page);
    context.palette.setColor(QPalette::Text, Qt::black);
    op.document->documentLayout()->draw(&painter_, context);
    painter_.restore();
}

}  // namespace rp

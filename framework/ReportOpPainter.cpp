#include "framework/ReportOpPainter.h"

#include <QFontMetricsF>
#include <algorithm>

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
            else
                paintImage(o);
        },
        op);
}

QRectF ReportOpPainter::pixels(const QRectF& inches) const {
    return QRectF(pixels(inches.topLeft()), pixels(inches.bottomRight()));
}

QPen ReportOpPainter::pen(const ReportPen& pen) const {
    return QPen(pen.colour, penPixels(pen.width, scale_), pen.style, Qt::FlatCap, Qt::MiterJoin);
}

void ReportOpPainter::paintText(const TextRun& run) {
    // Point sizes follow the device's logical resolution; scale them to the requested one.
    QFont font = run.font.toQFont();
    font.setPointSizeF(run.font.points * scale_ / painter_.device()->logicalDpiY());
    const QFontMetricsF metrics(font, painter_.device());
    const double width = metrics.horizontalAdvance(run.text);
    const QRectF box = pixels(run.box);
    double x = box.left();
    if (run.align == TextAlign::Right) x = box.right() - width;
    if (run.align == TextAlign::Centre) x = box.center().x() - width / 2;

    painter_.save();
    if (run.clipped) painter_.setClipRect(box, Qt::IntersectClip);
    painter_.setFont(font);
    painter_.setPen(run.colour);
    painter_.drawText(QPointF(x, run.baseline * scale_), run.text);
    painter_.restore();
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

void ReportOpPainter::paintImage(const ImageOp& image) {
    painter_.drawImage(pixels(image.rect), image.image);
}

}  // namespace rp

// The report canvas's pens, lines, rectangles and pictures.
#include "framework/ReportCanvas.h"

#include <algorithm>

namespace rp {

void ReportCanvas::setPen(const QColor& colour, Qt::PenStyle style, int hundredths) {
    penColour_ = colour;
    penStyle_ = style;
    penHundredths_ = hundredths;
}

ReportPen ReportCanvas::pen() const {
    const double width = std::max(penHundredths_ / 100.0, 1.0 / surface_.resolution());
    return ReportPen{penColour_, penStyle_, width};
}

void ReportCanvas::lineTo(double x, double y) {
    line(penAt_.x(), penAt_.y(), x, y);
}

void ReportCanvas::line(double x1, double y1, double x2, double y2) {
    drawLine(x1, y1, x2, y2);
    penAt_ = QPointF(x2, y2);
}

void ReportCanvas::drawLine(double x1, double y1, double x2, double y2) {
    draw(LineOp{onPaper(QPointF(x1, y1)), onPaper(QPointF(x2, y2)), pen()});
}

void ReportCanvas::rectangle(const QRectF& rect) {
    draw(RectOp{onPaper(rect), true, pen(), brush_, 0});
}

void ReportCanvas::shadeRectangle(const QRectF& rect, int percent) {
    draw(RectOp{onPaper(rect), false, pen(), shadeColour(percent), percent});
}

void ReportCanvas::fillRectangles(const std::vector<QRectF>& rects, const QColor& colour) {
    FillOp fill{{}, colour};
    fill.rects.reserve(rects.size());
    for (const QRectF& rect : rects) fill.rects.push_back(onPaper(rect));
    draw(fill);
}

void ReportCanvas::picture(const QRectF& rect, const QImage& image) {
    draw(ImageOp{onPaper(rect), image});
}

}  // namespace rp

#include "mailpiece/BarSection.h"

#include <vector>

#include "framework/ReportCanvas.h"
#include "mailpiece/PostnetBars.h"

namespace rp {
namespace {

// The bar at the current position as a solid rectangle the pen's width wide, centred on the
// position (where the pen's stroke lay), from its top down to the baseline; the current
// position moves one pitch to the right.
QRectF barRect(ReportCanvas& canvas, Bar bar) {
    const double width = canvas.pen().width;
    const double x = canvas.x();
    const double y = canvas.y();
    canvas.gotoXY(x + kBarPitch, y);
    return QRectF(QPointF(x - width / 2, y + barTop(bar)),
                  QPointF(x + width / 2, y + kFullBarHeight));
}

void drawBars(ReportCanvas& canvas, const std::vector<Bar>& bars) {
    canvas.setPen(Qt::black, Qt::SolidLine, kBarPenHundredths);
    std::vector<QRectF> rects;
    rects.reserve(bars.size());
    for (Bar bar : bars) rects.push_back(barRect(canvas, bar));
    canvas.fillRectangles(rects, Qt::black);
}

}  // namespace

void bigBar(ReportCanvas& canvas) {
    drawBars(canvas, {Bar::Full});
}

void littleBar(ReportCanvas& canvas) {
    drawBars(canvas, {Bar::Half});
}

void fourStateSection(ReportCanvas& canvas, const std::vector<FourStateBar>& bars) {
    const QPointF at(canvas.x(), canvas.y());
    std::vector<QRectF> rects;
    rects.reserve(bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i)
        rects.push_back(fourStateBarRect(bars[i], int(i)).translated(at));
    canvas.fillRectangles(rects, Qt::black);
}

void barSection(ReportCanvas& canvas, const QString& barcodeText) {
    drawBars(canvas, postnetBars(barcodeText));
}

}  // namespace rp

#include "mailpiece/BarSection.h"

#include "framework/ReportCanvas.h"
#include "mailpiece/PostnetBars.h"

namespace rp {
namespace {

void DrawBar(ReportCanvas& canvas, Bar bar) {
    const double x = canvas.x();
    const double y = canvas.y();
    canvas.moveTo(x, y + BarTop(bar));
    canvas.lineTo(x, y + kFullBarHeight);
    canvas.gotoXY(x + kBarPitch, y);
}

}  // namespace

void BigBar(ReportCanvas& canvas) {
    DrawBar(canvas, Bar::Full);
}

void LittleBar(ReportCanvas& canvas) {
    DrawBar(canvas, Bar::Half);
}

void BarSection(ReportCanvas& canvas, const QString& barcodeText) {
    canvas.setPen(Qt::black, Qt::SolidLine, kBarPenHundredths);
    for (Bar bar : PostnetBars(barcodeText)) DrawBar(canvas, bar);
}

}  // namespace rp

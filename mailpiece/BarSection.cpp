#include "mailpiece/BarSection.h"

#include "framework/ReportCanvas.h"
#include "mailpiece/PostnetBars.h"

namespace rp {
namespace {

void drawBar(ReportCanvas& canvas, Bar bar) {
    const double x = canvas.x();
    const double y = canvas.y();
    canvas.moveTo(x, y + barTop(bar));
    canvas.lineTo(x, y + kFullBarHeight);
    canvas.gotoXY(x + kBarPitch, y);
}

}  // namespace

void bigBar(ReportCanvas& canvas) {
    drawBar(canvas, Bar::Full);
}

void littleBar(ReportCanvas& canvas) {
    drawBar(canvas, Bar::Half);
}

void barSection(ReportCanvas& canvas, const QString& barcodeText) {
    canvas.setPen(Qt::black, Qt::SolidLine, kBarPenHundredths);
    for (Bar bar : postnetBars(barcodeText)) drawBar(canvas, bar);
}

}  // namespace rp

#include "framework/PrinterPaper.h"

#include <QPageSize>
#include <QPrinter>

#include "framework/ReportCanvas.h"

namespace rp {
namespace {

// The paper's size in inches as exactly as Qt knows it. Qt keeps the inch sizes of the papers
// it knows rounded to two decimals (an Envelope #10 of 4.125 inches as 4.12) but their points
// exact; papers defined in millimetres convert exactly from those.
QSizeF sizeInInches(const QPageSize& size) {
    if (size.definitionUnits() == QPageSize::Millimeter) return size.definitionSize() / 25.4;
    if (size.id() == QPageSize::Custom && size.definitionUnits() == QPageSize::Inch)
        return size.definitionSize();
    return QSizeF(size.sizePoints()) / 72.0;
}

}  // namespace

void usePrinterPaper(ReportCanvas& canvas, const QPrinter& printer) {
    const QPageSize size = printer.pageLayout().pageSize();
    switch (size.id()) {
        case QPageSize::Letter:
            canvas.setPaper(PaperKind::Letter);
            return;
        case QPageSize::A4:
            canvas.setPaper(PaperKind::A4);
            return;
        case QPageSize::A5:
            canvas.setPaper(PaperKind::A5);
            return;
        default:
            break;
    }
    const QSizeF inches = sizeInInches(size);
    canvas.setCustomPaper(inches.width(), inches.height());
}

}  // namespace rp

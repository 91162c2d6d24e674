#include "framework/PrinterPaper.h"

#include <QPageSize>
#include <QPrinter>

#include "framework/ReportCanvas.h"

namespace rp {

void UsePrinterPaper(ReportCanvas& canvas, const QPrinter& printer)
{
    const QPageSize size = printer.pageLayout().pageSize();
    switch (size.id()) {
    case QPageSize::Letter: canvas.setPaper(PaperKind::Letter); return;
    case QPageSize::A4: canvas.setPaper(PaperKind::A4); return;
    case QPageSize::A5: canvas.setPaper(PaperKind::A5); return;
    default: break;
    }
    const QSizeF inches = size.size(QPageSize::Inch);
    canvas.setCustomPaper(inches.width(), inches.height());
}

}  // namespace rp

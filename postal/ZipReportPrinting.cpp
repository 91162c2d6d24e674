#include "postal/ZipReportPrinting.h"

#include <QCoreApplication>
#include <QPrinter>

#include "framework/Messages.h"
#include "framework/PrintDialogs.h"
#include "framework/PrinterCatalog.h"
#include "framework/PrinterPaper.h"
#include "framework/PrinterSurface.h"
#include "framework/RecordedPages.h"
#include "framework/RecordingPreview.h"
#include "framework/ReportCanvas.h"
#include "postal/ZipCountDialog.h"
#include "postal/ZipReport.h"

namespace rp {
namespace {

ReportJob zipReportJob(const QPrinter& printer, const QStringList& lines) {
    return [&printer, &lines](ReportCanvas& canvas, const std::function<bool()>& keepGoing) {
        usePrinterPaper(canvas, printer);
        printZipReport(canvas, lines, keepGoing);
    };
}

}  // namespace

std::optional<PrintOutcome> printZipCounts(const QStringList& lines, PrinterCatalog& catalog,
                                           QWidget* parent) {
    if (!catalog.showPrintDialog(QStringLiteral("zip-count.pdf"))) return std::nullopt;
    const auto surface = catalog.jobSurface();
    PrintStatusDialog status(*surface, zipReportJob(catalog.printer(), lines), false, parent);
    status.exec();
    return status.outcome();
}

PrintOutcome previewZipCounts(const QStringList& lines, PrinterCatalog& catalog,
                              const PreviewHook& preview, QWidget* parent) {
    QPrinter& printer = catalog.printer();
    // Laid out for the printer's unprintable margins and resolution, as it would print.
    const PrinterSurface printerSide(printer);
    RecordedPages pages(printerSide.unprintableMargins(), printerSide.resolution());
    return previewJob(pages, zipReportJob(printer, lines),
                      QCoreApplication::translate("ZipReportPrinting", "Preview Zipcode Count"), {},
                      parent, {{}, preview});
}

void zipReportPrintSetup(PrinterCatalog& catalog, const PrinterAccess* printers) {
    if (!printers || !printers->anyInstalled()) {
        showInformation(
            QCoreApplication::translate("ZipReportPrinting", "There are no printers installed"));
        return;
    }
    printDialogs().setup(catalog.printer());
}

void connectZipReport(ZipCountDialog& window, PrinterCatalog& catalog,
                      const PrinterAccess* printers, PreviewHook preview) {
    window.printReport = [&window, &catalog, preview = std::move(preview)](const QStringList& lines,
                                                                           bool wantPreview) {
        if (wantPreview)
            previewZipCounts(lines, catalog, preview, &window);
        else
            printZipCounts(lines, catalog, &window);
    };
    window.printSetup = [&catalog, printers] { zipReportPrintSetup(catalog, printers); };
}

}  // namespace rp

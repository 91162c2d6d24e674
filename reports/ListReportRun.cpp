#include "reports/ListReportRun.h"

#include <QPrinter>

#include "data/TableRestore.h"
#include "framework/PrinterCatalog.h"
#include "framework/PrinterPaper.h"
#include "framework/PrinterSurface.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"
#include "xbase/Table.h"

namespace rp {
namespace {

// Clears the table's key range when the run ends, whichever way.
class ScopeCleared {
  public:
    explicit ScopeCleared(xbase::Table& table) : table_(table) {}
    ~ScopeCleared() {
        try {
            table_.setScope({}, {});
        } catch (...) {  // the next move on the table meets the same fault and reports it
        }
    }
    ScopeCleared(const ScopeCleared&) = delete;
    ScopeCleared& operator=(const ScopeCleared&) = delete;

  private:
    xbase::Table& table_;
};

PrintOutcome run(xbase::Table& table, const ListReportRequest& request, ReportSurface& surface,
                 const QPrinter& printer, bool preview, const ListReportWindows& windows,
                 QWidget* parent) {
    const TableRestore restore(table);
    const ScopeCleared scope(table);
    chooseReportRecords(table, request, table.recNo());
    const ReportJob job = listReportJob(table, request);
    PrintStatusDialog status(
        surface,
        [&](ReportCanvas& canvas, const std::function<bool()>& keepGoing) {
            usePrinterPaper(canvas, printer);
            job(canvas, keepGoing);
        },
        preview, parent, listReportStatusTexts());
    if (windows.showStatus)
        windows.showStatus(status);
    else
        status.exec();
    return status.outcome();
}

}  // namespace

void printListReport(xbase::Table& table, const ListReportRequest& request, PrinterCatalog& catalog,
                     const ListReportWindows& windows, QWidget* parent) {
    if (!catalog.showPrintDialog(QStringLiteral("report.pdf"))) return;
    const auto surface = catalog.jobSurface();
    run(table, request, *surface, catalog.printer(), false, windows, parent);
}

PrintOutcome previewListReport(xbase::Table& table, const ListReportRequest& request,
                               PrinterCatalog& catalog, const ListReportWindows& windows,
                               QWidget* parent) {
    QPrinter& printer = catalog.printer();
    const PrinterSurface printerSide(printer);
    RecordedPages pages(printerSide.unprintableMargins(), printerSide.resolution());
    const PrintOutcome outcome = run(table, request, pages, printer, true, windows, parent);
    if (outcome != PrintOutcome::Cancelled && windows.showPreview)
        windows.showPreview(pages, kReportPreviewCaption);
    return outcome;
}

}  // namespace rp

#include "reports/ListReportRun.h"

#include <QPrinter>

#include "data/TableRestore.h"
#include "framework/PrinterCatalog.h"
#include "framework/PrinterPaper.h"
#include "framework/PrinterSurface.h"
#include "framework/RecordedPages.h"
#include "framework/RecordingPreview.h"
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

// The table prepared for the request, the job on the printer's paper handed to work, and the
// table put back however work ends.
PrintOutcome withReportJob(xbase::Table& table, const ListReportRequest& request,
                           const QPrinter& printer,
                           const std::function<PrintOutcome(const ReportJob&)>& work) {
    const TableRestore restore(table);
    const ScopeCleared scope(table);
    chooseReportRecords(table, request, table.recNo());
    const ReportJob job = listReportJob(table, request);
    return work([&](ReportCanvas& canvas, const std::function<bool()>& keepGoing) {
        usePrinterPaper(canvas, printer);
        job(canvas, keepGoing);
    });
}

}  // namespace

void printListReport(xbase::Table& table, const ListReportRequest& request, PrinterCatalog& catalog,
                     const ListReportWindows& windows, QWidget* parent) {
    if (!catalog.showPrintDialog(QStringLiteral("report.pdf"))) return;
    const auto surface = catalog.jobSurface();
    withReportJob(table, request, catalog.printer(), [&](const ReportJob& job) {
        PrintStatusDialog status(*surface, job, false, parent, listReportStatusTexts());
        if (windows.showStatus)
            windows.showStatus(status);
        else
            status.exec();
        return status.outcome();
    });
}

PrintOutcome previewListReport(xbase::Table& table, const ListReportRequest& request,
                               PrinterCatalog& catalog, const ListReportWindows& windows,
                               QWidget* parent) {
    QPrinter& printer = catalog.printer();
    const PrinterSurface printerSide(printer);
    RecordedPages pages(printerSide.unprintableMargins(), printerSide.resolution());
    return withReportJob(table, request, printer, [&](const ReportJob& job) {
        return previewJob(pages, job, reportPreviewCaption(), listReportStatusTexts(), parent,
                          windows);
    });
}

}  // namespace rp

#pragma once
// One run of the list report from "Print Report": the table prepared for the request, the job in
// the print status window (to a printer, or recorded for the preview window, which shows the
// pages as they are recorded), and the table's order, query, key range and record put back in
// every outcome.
#include <functional>

#include "framework/PrintStatusDialog.h"
#include "reports/ListReport.h"

class QPrinter;
class QWidget;

namespace rp {

class PrinterCatalog;
class RecordedPages;

struct ListReportWindows {
    // Shows the print status window until the job has ended; by default modally.
    std::function<void(PrintStatusDialog&)> showStatus;
    // Shows the recorded pages of a preview under a caption once they are all recorded (a
    // test's hook; the status window then runs through showStatus first). Unset, the preview
    // window shows the pages while they are recorded.
    std::function<void(const RecordedPages& pages, const QString& caption)> showPreview;
};

// "Print Now": the print dialog ("report.pdf" proposed for "PDF file"), then the run; nothing
// when the user cancels the dialog.
void printListReport(xbase::Table& table, const ListReportRequest& request, PrinterCatalog& catalog,
                     const ListReportWindows& windows, QWidget* parent);

// "Preview": the run recorded as the selected printer would print it, then the preview.
PrintOutcome previewListReport(xbase::Table& table, const ListReportRequest& request,
                               PrinterCatalog& catalog, const ListReportWindows& windows,
                               QWidget* parent);

}  // namespace rp

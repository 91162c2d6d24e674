#pragma once
// One run of the list report from "Print Report": the table prepared for the request, the job in
// the print status window (to a printer, or recorded for the preview window, which shows the
// pages as they are recorded), and the table's order, query, key range and record put back in
// every outcome.
#include <functional>

#include "framework/PrintStatusDialog.h"
#include "framework/RecordingPreview.h"
#include "reports/ListReport.h"

class QPrinter;
class QWidget;

namespace rp {

class PrinterCatalog;
class RecordedPages;

// The windows' hooks: showStatus also runs a print's status window (modally when unset).
using ListReportWindows = PreviewHooks;

// "Print Now": the print dialog ("report.pdf" proposed for "PDF file"), then the run; nothing
// when the user cancels the dialog.
void printListReport(xbase::Table& table, const ListReportRequest& request, PrinterCatalog& catalog,
                     const ListReportWindows& windows, QWidget* parent);

// "Preview": the run recorded as the selected printer would print it, then the preview.
PrintOutcome previewListReport(xbase::Table& table, const ListReportRequest& request,
                               PrinterCatalog& catalog, const ListReportWindows& windows,
                               QWidget* parent);

}  // namespace rp

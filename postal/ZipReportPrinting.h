#pragma once
// Printing the ZIP code count report from the Count Zip Codes window: to the selected printer
// or into recorded pages for a preview, through the print status window, and the printer
// set-up.
#include <QStringList>
#include <functional>
#include <optional>

#include "framework/PrintStatusDialog.h"

class QWidget;

namespace rp {

class PrinterAccess;
class PrinterCatalog;
class RecordedPages;
class ZipCountDialog;

// Shows recorded pages under a caption, modally; the pages live until it returns.
using PreviewHook = std::function<void(const RecordedPages& pages, const QString& caption)>;

// The print dialog on the selected printer ("zip-count.pdf" proposed for "PDF file"), then
// the report in the print status window. Nothing when the user cancelled the dialog.
std::optional<PrintOutcome> printZipCounts(const QStringList& lines, PrinterCatalog& catalog,
                                           QWidget* parent);

// The report recorded as the selected printer would print it for "Preview Zipcode Count": with
// no hook the preview window shows the pages while they are recorded; a hook (tests) gets them
// once the print status window has recorded them all, unless the recording was cancelled.
PrintOutcome previewZipCounts(const QStringList& lines, PrinterCatalog& catalog,
                              const PreviewHook& preview, QWidget* parent);

// The printer set-up dialog for the selected printer; "There are no printers installed" when
// printers is null or has none.
void zipReportPrintSetup(PrinterCatalog& catalog, const PrinterAccess* printers);

// Gives the window its Print, Preview and Print Setup. The catalog and printers must outlive it.
void connectZipReport(ZipCountDialog& window, PrinterCatalog& catalog,
                      const PrinterAccess* printers, PreviewHook preview);

}  // namespace rp

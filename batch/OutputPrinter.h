#pragma once
// Where a printing command prints, as the program's print dialog would have it: the system
// printer --printer names; else the PDF file --output names; else the printer the dialog
// selects (the system's default, or what the dialog remembers), and when that is "PDF file",
// the file the dialog proposes, in the current folder. A PDF is written through a partial
// file and put in place only when the job completes.
#include <QString>
#include <functional>

#include "framework/PrinterCatalog.h"
#include "mailpiece/PrinterCalibration.h"

namespace rp {

class BatchArgs;

class OutputPrinter {
  public:
    // pdfName: the file the print dialog proposes for "PDF file". recall applies what the
    // dialog remembers to the catalog; it is left out when --printer or --output is given.
    // Throws BatchError naming the printer when there is no such printer.
    OutputPrinter(const BatchArgs& args, const QString& pdfName,
                  const std::function<void(PrinterCatalog&)>& recall = {});

    QPrinter& printer() { return catalog_.printer(); }
    PrinterCatalog& catalog() { return catalog_; }
    bool toPdf() const { return catalog_.pdfSelected(); }
    // True when --printer or --output chose the printer.
    bool named() const { return named_; }
    // The correction RAVENP.INI of the data folder keeps for the printer; none for a PDF.
    PrinterCorrection correction(const QString& dataFolder) const;

  private:
    PrinterCatalog catalog_;
    bool named_ = false;
};

}  // namespace rp

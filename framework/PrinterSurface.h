#pragma once
// Paints a report on a QPrinter. The printer's print-dialog settings apply: only the pages
// from fromPage() to toPage() are printed (all when fromPage() is 0), and when the printer
// cannot make copies itself the pages are kept and sent copyCount() times, collated or not
// as the printer says. A job to a file (the "PDF file" printer) writes a partial file beside
// it and puts that in the file's place only when the job completes: an aborted or failed job
// leaves the file as it was. A job to a PDF file is written by PdfDocument rather than the
// printer's own PDF writer: it puts each shaped line of text into the file as one string.
#include <QPainter>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "framework/PdfDocument.h"
#include "framework/ReportOpPainter.h"
#include "framework/ReportSurface.h"

class QPrinter;

namespace rp {

class PrinterSurface : public ReportSurface {
  public:
    // fileWritten is told the path of the file a completed job wrote.
    explicit PrinterSurface(QPrinter& printer,
                            std::function<void(const QString& path)> fileWritten = {});
    ~PrinterSurface() override;

    bool begin(const ReportPaper& paper) override;
    void newPage() override;
    void draw(const ReportOp& op) override;
    void end() override;
    void abort() override;
    QPointF unprintableMargins() const override;
    double resolution() const override;
    // Only while the job keeps its pages to send them again for copies.
    bool keepsOperations() const override { return keepPages_; }

    // Pages that reached the printer, copies included.
    int pagesPrinted() const { return pagesPrinted_; }

  private:
    bool inRange(int page) const;
    void startPrinterPage();
    void openPrinterPage();
    void paint(const ReportOp& op);
    bool startFile();
    void finishFile(bool completed);

    QPrinter& printer_;
    std::function<void(const QString& path)> fileWritten_;
    QString file_;     // the file the job is for, while it runs
    QString partial_;  // where the job writes it meanwhile
    QPainter painter_;
    std::optional<ReportOpPainter> ops_;  // paints into painter_ while the job runs
    std::optional<PdfDocument> pdf_;      // or writes the PDF file itself
    int page_ = 0;
    int pagesPrinted_ = 0;
    bool pageOpen_ = false;   // the printer's current page has been used
    bool keepPages_ = false;  // copies are made here rather than by the printer
    std::vector<std::vector<ReportOp>> kept_;
};

}  // namespace rp

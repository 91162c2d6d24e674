#pragma once
// Paints a report on a QPrinter. The printer's print-dialog settings apply: only the pages
// from fromPage() to toPage() are printed (all when fromPage() is 0), and when the printer
// cannot make copies itself the pages are kept and sent copyCount() times, collated or not
// as the printer says. An aborted job to a file leaves no file behind.
#include <QPainter>
#include <memory>
#include <vector>

#include "framework/ReportSurface.h"

class QPrinter;

namespace rp {

class PrinterSurface : public ReportSurface {
public:
    explicit PrinterSurface(QPrinter& printer);
    ~PrinterSurface() override;

    bool begin(const ReportPaper& paper) override;
    void newPage() override;
    void draw(const ReportOp& op) override;
    void end() override;
    void abort() override;
    QPointF unprintableMargins() const override;
    double resolution() const override;

    // Pages that reached the printer, copies included.
    int pagesPrinted() const { return pagesPrinted_; }

private:
    bool inRange(int page) const;
    void startPrinterPage();
    void openPrinterPage();
    void paint(const std::vector<ReportOp>& page);

    QPrinter& printer_;
    QPainter painter_;
    int page_ = 0;
    int pagesPrinted_ = 0;
    bool pageOpen_ = false;      // the printer's current page has been used
    bool keepPages_ = false;     // copies are made here rather than by the printer
    std::vector<std::vector<ReportOp>> kept_;
};

}  // namespace rp

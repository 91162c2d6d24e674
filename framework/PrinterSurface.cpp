#include "framework/PrinterSurface.h"

#include <QFile>
#include <QPrinter>

#include "framework/ReportOpPainter.h"

namespace rp {

PrinterSurface::PrinterSurface(QPrinter& printer) : printer_(printer) {}

PrinterSurface::~PrinterSurface()
{
    if (painter_.isActive()) painter_.end();
}

bool PrinterSurface::begin(const ReportPaper& paper)
{
    printer_.setFullPage(true);
    printer_.setPageLayout(paper.pageLayout());
    keepPages_ = printer_.copyCount() > 1 && !printer_.supportsMultipleCopies();
    kept_.clear();
    page_ = 1;
    pagesPrinted_ = 0;
    pageOpen_ = false;
    if (!painter_.begin(&printer_)) return false;
    if (inRange(page_)) startPrinterPage();
    return true;
}

bool PrinterSurface::inRange(int page) const
{
    if (printer_.fromPage() == 0) return true;
    return page >= printer_.fromPage() && (printer_.toPage() == 0 || page <= printer_.toPage());
}

void PrinterSurface::startPrinterPage()
{
    if (keepPages_) {
        kept_.emplace_back();
        return;
    }
    openPrinterPage();
}

void PrinterSurface::openPrinterPage()
{
    // The printer opens its first page itself.
    if (pageOpen_) printer_.newPage();
    pageOpen_ = true;
    ++pagesPrinted_;
}

void PrinterSurface::newPage()
{
    ++page_;
    if (inRange(page_)) startPrinterPage();
}

void PrinterSurface::paint(const std::vector<ReportOp>& page)
{
    ReportOpPainter ops(painter_, printer_.resolution());
    for (const ReportOp& op : page) ops.paint(op);
}

void PrinterSurface::draw(const ReportOp& op)
{
    if (!inRange(page_)) return;
    if (keepPages_) kept_.back().push_back(op);
    else ReportOpPainter(painter_, printer_.resolution()).paint(op);
}

void PrinterSurface::end()
{
    if (keepPages_) {
        const int copies = printer_.copyCount();
        const bool collate = printer_.collateCopies();
        const int pages = static_cast<int>(kept_.size());
        for (int i = 0; i < copies * pages; ++i) {
            const int page = collate ? i % pages : i / copies;
            openPrinterPage();
            paint(kept_[static_cast<std::size_t>(page)]);
        }
        kept_.clear();
    }
    painter_.end();
}

void PrinterSurface::abort()
{
    kept_.clear();
    const bool abandoned = printer_.abort();
    if (painter_.isActive()) painter_.end();
    // Output to a file that the engine could not abandon is removed, half-written as it is.
    if (!abandoned && !printer_.outputFileName().isEmpty()) QFile::remove(printer_.outputFileName());
}

QPointF PrinterSurface::unprintableMargins() const
{
    QPageLayout layout = printer_.pageLayout();
    layout.setUnits(QPageLayout::Inch);
    return QPointF(layout.minimumMargins().left(), layout.minimumMargins().top());
}

double PrinterSurface::resolution() const
{
    return printer_.resolution();
}

}  // namespace rp

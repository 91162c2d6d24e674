#pragma once
// Where a report canvas sends its drawing: a printer, a recorded page stream, or a test log.
// Every operation is in inches from the paper's top-left corner.
#include <QPointF>

#include "framework/ReportOps.h"
#include "framework/ReportPaper.h"

namespace rp {

class ReportSurface {
  public:
    virtual ~ReportSurface() = default;
    // Starts a document whose first page is open; false when the output cannot start.
    virtual bool begin(const ReportPaper& paper) = 0;
    virtual void newPage() = 0;
    virtual void draw(const ReportOp& op) = 0;
    virtual void end() = 0;
    // Abandons the document: nothing more reaches the output.
    virtual void abort() = 0;
    // The strips along the paper's left and top edges that the device cannot print on.
    virtual QPointF unprintableMargins() const = 0;
    // Dots per inch of the device; no pen is drawn thinner than one dot.
    virtual double resolution() const = 0;
    // Whether operations are kept once draw has returned (recorded, logged, or held back to be
    // sent again for copies): what an operation points to must then stay as it is.
    virtual bool keepsOperations() const { return true; }
};

}  // namespace rp

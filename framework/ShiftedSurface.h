#pragma once
// A report surface that hands everything on to another, every position moved by the same
// offset in inches: how output is made to land where it should on a printer that puts it off
// by a measured amount.
//
// The offset is on the sheet as it goes through the printer, portrait. A landscape page is that
// sheet turned a quarter turn anticlockwise (its top along the sheet's left edge, as the print
// system lays a landscape job on the sheet), so on it the offset turns with the sheet.
#include <QPointF>

#include "framework/ReportSurface.h"

namespace rp {

// The operation with every position in it moved by offset.
ReportOp shiftedOp(const ReportOp& op, QPointF offset);

// The sheet's offset on a page of that orientation.
QPointF pageOffset(QPointF sheetOffset, bool landscape);

class ShiftedSurface : public ReportSurface {
  public:
    // target must outlive the surface.
    ShiftedSurface(ReportSurface& target, QPointF sheetOffset)
        : target_(target), sheetOffset_(sheetOffset), offset_(sheetOffset) {}

    bool begin(const ReportPaper& paper) override;
    void newPage() override { target_.newPage(); }
    void draw(const ReportOp& op) override { target_.draw(shiftedOp(op, offset_)); }
    void end() override { target_.end(); }
    void abort() override { target_.abort(); }
    QPointF unprintableMargins() const override { return target_.unprintableMargins(); }
    double resolution() const override { return target_.resolution(); }
    bool keepsOperations() const override { return target_.keepsOperations(); }

  private:
    ReportSurface& target_;
    QPointF sheetOffset_;
    QPointF offset_;  // on the page begun
};

}  // namespace rp

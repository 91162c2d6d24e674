#pragma once
// A report surface that hands everything on to another, every position moved by the same
// offset in inches: how output is made to land where it should on a printer that puts it off
// by a measured amount.
#include <QPointF>

#include "framework/ReportSurface.h"

namespace rp {

// The operation with every position in it moved by offset.
ReportOp shiftedOp(const ReportOp& op, QPointF offset);

class ShiftedSurface : public ReportSurface {
  public:
    // target must outlive the surface.
    ShiftedSurface(ReportSurface& target, QPointF offset) : target_(target), offset_(offset) {}

    bool begin(const ReportPaper& paper) override { return target_.begin(paper); }
    void newPage() override { target_.newPage(); }
    void draw(const ReportOp& op) override { target_.draw(shiftedOp(op, offset_)); }
    void end() override { target_.end(); }
    void abort() override { target_.abort(); }
    QPointF unprintableMargins() const override { return target_.unprintableMargins(); }
    double resolution() const override { return target_.resolution(); }
    bool keepsOperations() const override { return target_.keepsOperations(); }

  private:
    ReportSurface& target_;
    QPointF offset_;
};

}  // namespace rp

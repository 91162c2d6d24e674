#include "framework/RecordedPages.h"

#include <QPainter>

#include "framework/ReportOpPainter.h"

namespace rp {

RecordedPages::RecordedPages(QPointF unprintableMargins, double resolution)
    : unprintable_(unprintableMargins), resolution_(resolution) {}

bool RecordedPages::begin(const ReportPaper& paper) {
    paper_ = paper;
    pages_.clear();
    pages_.startPage();
    finished_ = false;
    return true;
}

void RecordedPages::newPage() {
    pages_.startPage();
    if (listener_) listener_();
}

void RecordedPages::draw(const ReportOp& op) {
    pages_.add(op);
}

void RecordedPages::end() {
    pages_.finishPage();
    finished_ = true;
    if (listener_) listener_();
}

void RecordedPages::abort() {
    pages_.clear();
    finished_ = false;
    if (listener_) listener_();
}

void RecordedPages::paintPage(int index, QPainter& painter, double pixelsPerInch) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), pageSize() * pixelsPerInch), Qt::white);
    ReportOpPainter ops(painter, pixelsPerInch);
    for (const ReportOp& op : page(index)) ops.paint(op);
    painter.restore();
}

}  // namespace rp

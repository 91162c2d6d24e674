#include "framework/ReportCanvas.h"

#include <cmath>

namespace rp {

ReportCanvas::ReportCanvas(ReportSurface& surface)
    : surface_(surface), section_(QPointF(0, 0), paper_.pageSize()) {
    setFont(font_);
    home();
}

void ReportCanvas::setPaper(PaperKind kind) {
    const bool landscape = paper_.landscape();
    paper_ = ReportPaper::standard(kind);
    setLandscape(landscape);
}

void ReportCanvas::setCustomPaper(double width, double length) {
    const bool landscape = paper_.landscape();
    paper_ = ReportPaper::custom(width, length);
    setLandscape(landscape);
}

void ReportCanvas::setLandscape(bool landscape) {
    paper_.setLandscape(landscape);
    section_ = QRectF(QPointF(0, 0), paper_.pageSize());
}

void ReportCanvas::gotoXY(double x, double y) {
    cursor_ = QPointF(x, y);
}

void ReportCanvas::home() {
    cursor_ = QPointF(section_.left(), section_.top() + metrics_->ascent());
    nextTab_ = 0;
}

void ReportCanvas::newLine() {
    cursor_ = QPointF(section_.left(), cursor_.y() + metrics_->lineHeight());
    nextTab_ = 0;
}

int ReportCanvas::linesLeft() const {
    // A small allowance keeps a line that fits exactly from being lost to rounding.
    const double lines =
        std::floor((section_.bottom() - lineTop()) / metrics_->lineHeight() + 1e-9);
    return lines > 0 ? static_cast<int>(lines) : 0;
}

void ReportCanvas::breakPageWhenFull() {
    if (autoPaging_ && printing_ && !startingPage_ && linesLeft() == 0) newPage();
}

bool ReportCanvas::start() {
    aborted_ = false;
    if (!surface_.begin(paper_)) return false;
    printing_ = true;
    page_ = 1;
    pageStarted();
    return true;
}

void ReportCanvas::newPage() {
    if (!printing_) return;
    surface_.newPage();
    ++page_;
    pageStarted();
}

void ReportCanvas::pageStarted() {
    home();
    statusChanged();
    if (!pageStart_) return;
    startingPage_ = true;
    pageStart_(*this);
    startingPage_ = false;
}

void ReportCanvas::finish() {
    if (!printing_) return;
    printing_ = false;
    surface_.end();
}

void ReportCanvas::abort() {
    if (!printing_) return;
    printing_ = false;
    aborted_ = true;
    surface_.abort();
}

void ReportCanvas::draw(const ReportOp& op) {
    if (printing_) surface_.draw(op);
}

void ReportCanvas::setStatusFormat(const QString& format) {
    status_.setFormat(format);
    statusChanged();
}

void ReportCanvas::setStatusLine(int index, const QString& text) {
    status_.setLine(index, text);
    statusChanged();
}

void ReportCanvas::statusChanged() {
    if (statusListener_) statusListener_(statusText());
}

}  // namespace rp

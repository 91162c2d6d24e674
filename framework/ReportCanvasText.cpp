// The report canvas's fonts, text and tab stops.
#include "framework/ReportCanvas.h"

#include <stdexcept>

namespace rp {

void ReportCanvas::setFont(const ReportFont& font) {
    font_ = font;
    metrics_ = &fonts_.of(font);
}

void ReportCanvas::setFontName(const QString& family) {
    ReportFont font = font_;
    font.family = family;
    setFont(font);
}

void ReportCanvas::setFontSize(double points) {
    ReportFont font = font_;
    font.points = points;
    setFont(font);
}

void ReportCanvas::setBold(bool bold) {
    ReportFont font = font_;
    font.bold = bold;
    setFont(font);
}

void ReportCanvas::setItalic(bool italic) {
    ReportFont font = font_;
    font.italic = italic;
    setFont(font);
}

void ReportCanvas::emitText(const QString& text, const ShapedText& shaped, double x, QRectF box,
                            TextAlign align, bool clipped) {
    TextRun run;
    run.text = text;
    run.font = font_;
    run.colour = textColour_;
    run.x = origin_.x() + x;
    run.baseline = origin_.y() + cursor_.y();
    run.width = shaped.width;
    run.box = onPaper(box);
    run.align = align;
    run.clipped = clipped;
    run.glyphs = shaped.glyphs;
    draw(run);
}

void ReportCanvas::print(const QString& text) {
    breakPageWhenFull();
    const ShapedText& shaped = metrics_->shaped(text);
    const QRectF box(cursor_.x(), lineTop(), shaped.width, lineHeight());
    emitText(text, shaped, cursor_.x(), box, TextAlign::Left, false);
    cursor_.setX(cursor_.x() + shaped.width);
}

void ReportCanvas::println(const QString& text) {
    print(text);
    newLine();
}

void ReportCanvas::printLeft(const QString& text, double x) {
    const ShapedText& shaped = metrics_->shaped(text);
    emitText(text, shaped, x, QRectF(x, lineTop(), shaped.width, lineHeight()), TextAlign::Left,
             false);
}

void ReportCanvas::printRight(const QString& text, double x) {
    const ShapedText& shaped = metrics_->shaped(text);
    const double left = x - shaped.width;
    emitText(text, shaped, left, QRectF(left, lineTop(), shaped.width, lineHeight()),
             TextAlign::Right, false);
}

void ReportCanvas::printCentre(const QString& text, double x) {
    const ShapedText& shaped = metrics_->shaped(text);
    const double left = x - shaped.width / 2;
    emitText(text, shaped, left, QRectF(left, lineTop(), shaped.width, lineHeight()),
             TextAlign::Centre, false);
}

void ReportCanvas::printClipped(const QString& text, const QRectF& rect) {
    const QPointF kept = cursor_;
    cursor_.setY(rect.top() + metrics_->ascent());
    emitText(text, metrics_->shaped(text), rect.left(), rect, TextAlign::Left, true);
    cursor_ = kept;
}

void ReportCanvas::clearTabs() {
    tabs_.clear();
    nextTab_ = 0;
}

void ReportCanvas::saveTabs() {
    savedTabs_.push_back(tabs_);
}

void ReportCanvas::restoreTabs() {
    if (savedTabs_.empty()) throw std::logic_error("no saved tab stops to restore");
    tabs_ = savedTabs_.back();
    savedTabs_.pop_back();
    nextTab_ = 0;
}

void ReportCanvas::printTab(const QString& text) {
    if (nextTab_ >= tabs_.count()) throw std::logic_error("no tab stop left on the line");
    breakPageWhenFull();
    const int index = nextTab_++;
    const TabStop& stop = tabs_.stop(index);
    const QRectF cell(tabs_.left(index), lineTop(), stop.width, lineHeight());

    if (stop.shade > 0) shadeRectangle(cell, stop.shade);
    if (stop.boxes.testFlag(BoxLine::Left))
        drawLine(cell.left(), cell.top(), cell.left(), cell.bottom());
    if (stop.boxes.testFlag(BoxLine::Right))
        drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
    if (stop.boxes.testFlag(BoxLine::Top))
        drawLine(cell.left(), cell.top(), cell.right(), cell.top());
    if (stop.boxes.testFlag(BoxLine::Bottom))
        drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());

    const QRectF inner = cell.adjusted(stop.margin, 0, -stop.margin, 0);
    const ShapedText& shaped = metrics_->shaped(text);
    double x = inner.left();
    if (stop.align == TextAlign::Right) x = inner.right() - shaped.width;
    if (stop.align == TextAlign::Centre) x = inner.center().x() - shaped.width / 2;
    if (!text.isEmpty()) emitText(text, shaped, x, inner, stop.align, true);
    cursor_.setX(cell.right());
}

}  // namespace rp

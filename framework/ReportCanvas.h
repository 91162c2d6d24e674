#pragma once
// The page a report draws on, in inches. Page set-up, a printing area (the section), an
// origin added to every position, a current position whose y is the baseline of the current
// line, fonts, text, tab stops, pens and shapes, pages and a status text. Everything drawn is
// sent as primitive operations to a ReportSurface (printer, recorded pages or test log).
//
// Positions given to the canvas, the current position and the section edges are all measured
// from the origin; the origin itself is measured from the paper's top-left corner.
#include <QRectF>
#include <functional>
#include <optional>
#include <vector>

#include "framework/ReportOps.h"
#include "framework/ReportPaper.h"
#include "framework/ReportStatus.h"
#include "framework/ReportSurface.h"
#include "framework/ReportTabStops.h"
#include "framework/ReportTextMetrics.h"

namespace rp {

class ReportCanvas {
  public:
    explicit ReportCanvas(ReportSurface& surface);

    // --- Page set-up (before start). Changing the paper resets the section to the whole page.
    void setPaper(PaperKind kind);
    void setCustomPaper(double width, double length);
    void setLandscape(bool landscape);
    const ReportPaper& paper() const { return paper_; }
    double pageWidth() const { return paper_.pageSize().width(); }
    double pageHeight() const { return paper_.pageSize().height(); }
    double unprintableLeft() const { return surface_.unprintableMargins().x(); }
    double unprintableTop() const { return surface_.unprintableMargins().y(); }

    // --- Printing area. A margin sets the section edge at that distance from the page edge.
    void setMarginLeft(double inches) { section_.setLeft(inches); }
    void setMarginTop(double inches) { section_.setTop(inches); }
    void setMarginRight(double inches) { section_.setRight(pageWidth() - inches); }
    void setMarginBottom(double inches) { section_.setBottom(pageHeight() - inches); }
    void setSection(const QRectF& section) { section_ = section; }
    void setSectionLeft(double x) { section_.setLeft(x); }
    void setSectionTop(double y) { section_.setTop(y); }
    void setSectionRight(double x) { section_.setRight(x); }
    void setSectionBottom(double y) { section_.setBottom(y); }
    const QRectF& section() const { return section_; }

    // --- Origin and current position.
    void setOrigin(double x, double y) { origin_ = QPointF(x, y); }
    QPointF origin() const { return origin_; }
    double x() const { return cursor_.x(); }
    double y() const { return cursor_.y(); }
    void gotoXY(double x, double y);
    // The first line of the section, at its left edge.
    void home();
    // The next line at the section's left edge; tab stops start again with the first.
    void newLine();
    // Whole lines of the current font that still fit above the section bottom, this one included.
    int linesLeft() const;
    double lineHeight() const { return metrics_->lineHeight(); }
    // The top of the current line: its baseline less the font's ascent.
    double lineTop() const { return cursor_.y() - metrics_->ascent(); }
    // When on, text printed at the current position on a line that no longer fits starts a
    // new page first (never while the page start handler runs). Off by default: reports that
    // place headings and footers outside the section decide on their pages themselves.
    void setAutoPaging(bool on) { autoPaging_ = on; }

    // --- Fonts and text.
    void setFont(const ReportFont& font);
    void setFontName(const QString& family);
    void setFontSize(double points);
    void setBold(bool bold);
    void setItalic(bool italic);
    const ReportFont& font() const { return font_; }
    void setTextColour(const QColor& colour) { textColour_ = colour; }
    double textWidth(const QString& text) const { return metrics_->width(text); }
    // At the current position; the position moves to the text's end.
    void print(const QString& text);
    // At the current position, then a new line.
    void println(const QString& text);
    // On the current line, starting, ending or centred at x.
    void printLeft(const QString& text, double x);
    void printRight(const QString& text, double x);
    void printCentre(const QString& text, double x);
    // First line of the rectangle, left-aligned; nothing outside the rectangle is drawn.
    void printClipped(const QString& text, const QRectF& rect);

    // --- Tab stops.
    void clearTabs();
    void addTab(const TabStop& stop) { tabs_.add(stop); }
    const ReportTabStops& tabs() const { return tabs_; }
    void saveTabs();
    void restoreTabs();  // the set saved last; throws std::logic_error when none is saved
    // Into the next tab stop of the current line: shade, box lines, then the text justified
    // inside the inner margins. Throws std::logic_error past the last stop.
    void printTab(const QString& text);

    // --- Pens and shapes.
    void setPen(const QColor& colour, Qt::PenStyle style, int hundredths);
    // The pen as drawn: never thinner than one dot of the output.
    ReportPen pen() const;
    void setBrush(const QColor& colour) { brush_ = colour; }  // invalid: hollow rectangles
    void moveTo(double x, double y) { penAt_ = QPointF(x, y); }
    void lineTo(double x, double y);
    // A line on its own; the pen is left at its end.
    void line(double x1, double y1, double x2, double y2);
    // Outlined with the pen, filled with the brush.
    void rectangle(const QRectF& rect);
    void shadeRectangle(const QRectF& rect, int percent);
    // Solid rectangles of one colour, no outline, sent to the surface as one operation.
    void fillRectangles(const std::vector<QRectF>& rects, const QColor& colour);
    void picture(const QRectF& rect, const QImage& image);

    // --- The job.
    // Starts the output with page 1; false when the output could not start.
    bool start();
    void newPage();
    void finish();
    void abort();
    bool aborted() const { return aborted_; }
    bool printing() const { return printing_; }
    int pageNumber() const { return page_; }
    // Called at the start of every page, the first included, after the position went home.
    void setPageStartHandler(std::function<void(ReportCanvas&)> handler) {
        pageStart_ = std::move(handler);
    }

    // --- Status.
    QString statusText() const { return status_.text(page_); }
    void setStatusFormat(const QString& format);
    void setStatusLine(int index, const QString& text);
    // Told the new status text whenever it changes.
    void setStatusListener(std::function<void(const QString&)> listener) {
        statusListener_ = std::move(listener);
    }

  private:
    QPointF onPaper(QPointF p) const { return p + origin_; }
    QRectF onPaper(const QRectF& r) const { return r.translated(origin_); }
    void breakPageWhenFull();
    void pageStarted();
    void drawLine(double x1, double y1, double x2, double y2);
    // The text as shaped (callers have measured it already).
    void emitText(const QString& text, const ShapedText& shaped, double x, QRectF box,
                  TextAlign align, bool clipped);
    void draw(const ReportOp& op);
    void statusChanged();

    ReportSurface& surface_;
    ReportPaper paper_;
    QRectF section_;
    QPointF origin_;
    QPointF cursor_;
    QPointF penAt_;
    ReportFont font_;
    ReportFontMeasures fonts_;
    const ReportTextMetrics* metrics_ = nullptr;  // of font_
    QColor textColour_ = Qt::black;
    QColor penColour_ = Qt::black;
    Qt::PenStyle penStyle_ = Qt::SolidLine;
    int penHundredths_ = 1;
    QColor brush_;
    ReportTabStops tabs_;
    std::vector<ReportTabStops> savedTabs_;
    int nextTab_ = 0;
    bool autoPaging_ = false;
    bool startingPage_ = false;
    ReportStatus status_;
    std::function<void(const QString&)> statusListener_;
    std::function<void(ReportCanvas&)> pageStart_;
    int page_ = 0;
    bool printing_ = false;
    bool aborted_ = false;
};

}  // namespace rp

#pragma once
// Paints report operations into a QPainter at a given number of device pixels per inch. Text
// is measured with the device's own fonts and placed by its alignment box; pens are never
// thinner than one device pixel. One painter serves a whole page or job: it keeps the device
// font of the last text run for the next.
#include <QFontMetricsF>
#include <QPainter>
#include <optional>

#include "framework/ReportOps.h"

namespace rp {

class ReportOpPainter {
  public:
    ReportOpPainter(QPainter& painter, double pixelsPerInch);
    void paint(const ReportOp& op);

    // The pen width in device pixels for a width in inches.
    static double penPixels(double inches, double pixelsPerInch);

  private:
    void paintText(const TextRun& run);
    void paintLine(const LineOp& line);
    void paintRect(const RectOp& rect);
    void paintFill(const FillOp& fill);
    void paintImage(const ImageOp& image);
    void paintDocumentPage(const DocumentPageOp& page);
    QPen pen(const ReportPen& pen) const;
    // The run's font at the device's resolution.
    const QFont& deviceFont(const ReportFont& font);
    const QFontMetricsF& deviceMetrics();
    QPointF pixels(QPointF inches) const { return inches * scale_; }
    QRectF pixels(const QRectF& inches) const;

    QPainter& painter_;
    double scale_;
    std::optional<ReportFont> font_;  // the font deviceFont_ was made for
    QFont deviceFont_;
    std::optional<QFontMetricsF> deviceMetrics_;
};

}  // namespace rp

#pragma once
// Paints report operations into a QPainter at a given number of device pixels per inch. Text
// is measured with the device's own fonts and placed by its alignment box; pens are never
// thinner than one device pixel.
#include <QPainter>

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
    void paintImage(const ImageOp& image);
    QPen pen(const ReportPen& pen) const;
    QPointF pixels(QPointF inches) const { return inches * scale_; }
    QRectF pixels(const QRectF& inches) const;

    QPainter& painter_;
    double scale_;
};

}  // namespace rp

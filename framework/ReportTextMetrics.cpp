#include "framework/ReportTextMetrics.h"

#include <QImage>

namespace rp {
namespace {

// A paint device whose only use is to tell the font engine the measuring resolution.
const QPaintDevice* measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMetre = qRound(ReportTextMetrics::kDotsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return &device;
}

}  // namespace

ReportTextMetrics::ReportTextMetrics(const ReportFont& font)
    : metrics_(font.toQFont(), measuringDevice()) {}

double ReportTextMetrics::width(const QString& text) const {
    if (const auto found = widths_.constFind(text); found != widths_.cend()) return found.value();
    if (widths_.size() >= kRemembered) widths_.clear();
    const double measured = metrics_.horizontalAdvance(text) / kDotsPerInch;
    widths_.insert(text, measured);
    return measured;
}

}  // namespace rp

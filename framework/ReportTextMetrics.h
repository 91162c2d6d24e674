#pragma once
// Text measures of one report font in inches. They are taken at a fixed 1200 dots per inch,
// whatever the output device, so that a report lays out the same on paper, in the preview
// and in tests.
#include <QFontMetricsF>

#include "framework/ReportOps.h"

namespace rp {

class ReportTextMetrics {
  public:
    static constexpr double kDotsPerInch = 1200;

    explicit ReportTextMetrics(const ReportFont& font);

    double width(const QString& text) const {
        return metrics_.horizontalAdvance(text) / kDotsPerInch;
    }
    double ascent() const { return metrics_.ascent() / kDotsPerInch; }
    double descent() const { return metrics_.descent() / kDotsPerInch; }
    // From one baseline to the next.
    double lineHeight() const { return metrics_.lineSpacing() / kDotsPerInch; }

  private:
    QFontMetricsF metrics_;
};

}  // namespace rp

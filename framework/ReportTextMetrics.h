#pragma once
// Text measures of one report font in inches. They are taken at a fixed 1200 dots per inch,
// whatever the output device, so that a report lays out the same on paper, in the preview
// and in tests.
#include <QFontMetricsF>
#include <QHash>

#include "framework/ReportOps.h"

namespace rp {

class ReportTextMetrics {
  public:
    static constexpr double kDotsPerInch = 1200;

    explicit ReportTextMetrics(const ReportFont& font);

    // Measures are remembered (up to kRemembered texts, then they start again): a line is
    // often measured to fit it, then to print it, and labels repeat cities and names.
    double width(const QString& text) const;
    double ascent() const { return metrics_.ascent() / kDotsPerInch; }
    double descent() const { return metrics_.descent() / kDotsPerInch; }
    // From one baseline to the next.
    double lineHeight() const { return metrics_.lineSpacing() / kDotsPerInch; }

  private:
    static constexpr qsizetype kRemembered = 4096;

    QFontMetricsF metrics_;
    mutable QHash<QString, double> widths_;
};

}  // namespace rp

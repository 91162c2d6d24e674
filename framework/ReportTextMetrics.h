#pragma once
// Text measures of one report font in inches. They are taken at a fixed 1200 dots per inch,
// whatever the output device, so that a report lays out the same on paper, in the preview
// and in tests.
#include <QFontMetricsF>
#include <QHash>
#include <memory>
#include <utility>
#include <vector>

#include "framework/ReportOps.h"

namespace rp {

class DirectTextShaper;

// A text shaped once: its width in inches and its glyphs at ReportTextMetrics::kDotsPerInch,
// one line with its baseline at y 0. A device of that resolution draws the glyphs as they are,
// without shaping the text again.
struct ShapedText {
    double width = 0;
    std::shared_ptr<const QList<QGlyphRun>> glyphs;  // none for an empty text
};

class ReportTextMetrics {
  public:
    static constexpr double kDotsPerInch = 1200;

    explicit ReportTextMetrics(const ReportFont& font);
    ~ReportTextMetrics();

    // Widths are remembered (up to kRemembered texts, then they start again): a line is often
    // measured to fit it, then to print it, and labels repeat cities and names.
    double width(const QString& text) const;
    // Shapes are kept in two generations of up to kShapesRemembered each: a line measured to
    // fit it is then printed, and texts that repeat (a country, a title, a company) are moved
    // on to the newer generation each time they are used, so they stay.
    const ShapedText& shaped(const QString& text) const;
    double ascent() const { return metrics_.ascent() / kDotsPerInch; }
    double descent() const { return metrics_.descent() / kDotsPerInch; }
    // From one baseline to the next.
    double lineHeight() const { return metrics_.lineSpacing() / kDotsPerInch; }

  private:
    static constexpr qsizetype kRemembered = 4096;
    static constexpr qsizetype kShapesRemembered = 16;

    ShapedText shape(const QString& text) const;

    QFont font_;
    QFontMetricsF metrics_;
    // Plain lines are shaped without a layout, which is most of the time of laying one out;
    // made when the first text is shaped.
    mutable std::unique_ptr<DirectTextShaper> direct_;
    mutable QHash<QString, double> widths_;
    mutable QHash<QString, ShapedText> shapes_;
    mutable QHash<QString, ShapedText> olderShapes_;
};

// The measures of each font a job uses, made once and kept, so that a font taken up again (the
// return address's, then the delivery address's on every envelope) keeps its shapes. Up to
// kKept fonts; then they start again.
class ReportFontMeasures {
  public:
    const ReportTextMetrics& of(const ReportFont& font);

  private:
    static constexpr std::size_t kKept = 16;
    std::vector<std::pair<ReportFont, std::unique_ptr<ReportTextMetrics>>> fonts_;
};

}  // namespace rp

#include "framework/ReportTextMetrics.h"

#include <QImage>
#include <QTextLayout>
#include <algorithm>
#include <utility>

#include "framework/DirectTextShaper.h"
#include "framework/LineGlyphRuns.h"

namespace rp {
namespace {

// A paint device whose only use is to tell the font engine the measuring resolution.
QPaintDevice* measuringDevice() {
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMetre = qRound(ReportTextMetrics::kDotsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return &device;
}

// Wider than any line of a page, in dots; lines are never wrapped anyway.
constexpr qreal kUnbounded = 1e6;

// Kerned pairs, ligatures, punctuation, digits and letters beyond ASCII: a text on which every
// way of rounding the font's measures would show.
const QString kProbe = QStringLiteral(
    "AVATAR Tay Wa Yo LT P. F, \"Ty\" office fiery flat 0123456789 Jane Q. Public, 1234 Main "
    "St., Apt. #5 - \u00C6r\u00F8 \u00D8ster \u00C5by Stra\u00DFe \u0141\u00F3d\u017A ");

// The text laid out as one line that never wraps, in runs of one font with the baseline at y 0,
// and its width in device units.
std::pair<QList<QGlyphRun>, qreal> layOut(const QString& text, const QFont& font) {
    QTextLayout layout(text, font, measuringDevice());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(kUnbounded);
    line.setPosition(QPointF(0, -line.ascent()));
    layout.endLayout();
    return {glyphRunsInTextOrder(line, 0, static_cast<int>(text.size())), line.horizontalAdvance()};
}

}  // namespace

ReportTextMetrics::ReportTextMetrics(const ReportFont& font)
    : font_(font.toQFont()), metrics_(font_, measuringDevice()) {}

ReportTextMetrics::~ReportTextMetrics() = default;

ShapedText ReportTextMetrics::shape(const QString& text) const {
    if (text.isEmpty()) return {};
    if (!direct_) {
        direct_ = std::make_unique<DirectTextShaper>(QFont(font_, measuringDevice()));
        auto [runs, width] = layOut(kProbe, font_);
        direct_->calibrate(kProbe, runs.size() == 1
                                       ? std::optional<ShapedLine>({runs.front(), width})
                                       : std::nullopt);
    }
    if (std::optional<ShapedLine> line = direct_->shape(text))
        return {line->width / kDotsPerInch,
                std::make_shared<const QList<QGlyphRun>>(QList<QGlyphRun>{line->glyphs})};
    auto [runs, width] = layOut(text, font_);
    return {width / kDotsPerInch, std::make_shared<const QList<QGlyphRun>>(std::move(runs))};
}

double ReportTextMetrics::width(const QString& text) const {
    if (const auto found = widths_.constFind(text); found != widths_.cend()) return found.value();
    if (widths_.size() >= kRemembered) widths_.clear();
    const double measured = shaped(text).width;
    widths_.insert(text, measured);
    return measured;
}

const ShapedText& ReportTextMetrics::shaped(const QString& text) const {
    if (const auto found = shapes_.constFind(text); found != shapes_.cend()) return found.value();
    if (shapes_.size() >= kShapesRemembered) olderShapes_ = std::exchange(shapes_, {});
    const auto older = olderShapes_.constFind(text);
    return shapes_.insert(text, older != olderShapes_.cend() ? older.value() : shape(text)).value();
}

const ReportTextMetrics& ReportFontMeasures::of(const ReportFont& font) {
    const auto known = std::find_if(fonts_.begin(), fonts_.end(),
                                    [&](const auto& entry) { return entry.first == font; });
    if (known != fonts_.end()) return *known->second;
    if (fonts_.size() >= kKept) fonts_.clear();
    return *fonts_.emplace_back(font, std::make_unique<ReportTextMetrics>(font)).second;
}

}  // namespace rp

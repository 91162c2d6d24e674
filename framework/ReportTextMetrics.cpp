#include "framework/ReportTextMetrics.h"

#include <QImage>
#include <QTextLayout>
#include <utility>

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

// The text laid out as one line that never wraps, its baseline at y 0.
ShapedText shape(const QString& text, const QFont& font) {
    if (text.isEmpty()) return {};
    auto layout = std::make_shared<QTextLayout>(text, font, measuringDevice());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout->setTextOption(option);
    // Kept after the layout, for drawing.
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(kUnbounded);
    line.setPosition(QPointF(0, -line.ascent()));
    layout->endLayout();
    return {line.horizontalAdvance() / ReportTextMetrics::kDotsPerInch, std::move(layout)};
}

}  // namespace

ReportTextMetrics::ReportTextMetrics(const ReportFont& font)
    : font_(font.toQFont()), metrics_(font_, measuringDevice()) {}

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
    return shapes_.insert(text, older != olderShapes_.cend() ? older.value() : shape(text, font_))
        .value();
}

}  // namespace rp

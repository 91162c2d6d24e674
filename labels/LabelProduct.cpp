#include "labels/LabelProduct.h"

#include <cmath>

#include "data/SideFileValues.h"
#include "framework/PageLimits.h"
#include "labels/LabelFiles.h"

namespace rp {
namespace {

constexpr int kMostAcross = 10;
constexpr int kMostDown = 30;
// A sheet within this of one of the list's papers is that paper.
constexpr double kPaperTolerance = 0.01;

bool lengthsFit(const LabelTemplate& t, const PaperSheet& paper) {
    const LabelGrid& g = t.grids.front();
    for (double inches : {t.labelWidth, t.labelHeight, g.left, g.top, g.horizontalPitch,
                          g.verticalPitch, paper.width, paper.height})
        if (inches < 0 || inches > kLargestPageSideInches) return false;
    return true;
}

float stored(double inches) {
    return roundTo3Decimals(static_cast<float>(inches));
}

// The paper list's entry for the sheet: Letter or A4 when it is one of them (portrait), else a
// user-defined portrait paper of the sheet's size.
void setPaper(LabelDefinition& d, const PaperSheet& paper) {
    for (const PaperSize& p : paperSizes()) {
        if (p.code != QLatin1String("LTR") && p.code != QLatin1String("A4")) continue;
        if (std::abs(paper.width - double(*p.width)) < kPaperTolerance &&
            std::abs(paper.height - double(*p.depth)) < kPaperTolerance) {
            d.paperSize = p.code;
            d.sheetWidth = *p.width;
            d.sheetDepth = *p.depth;
            return;
        }
    }
    d.paperSize = paperCodeAt(paperListIndex(QStringLiteral("USERP")));
    d.sheetWidth = stored(paper.width);
    d.sheetDepth = stored(paper.height);
}

}  // namespace

QString LabelProduct::name() const {
    return brand + QLatin1Char(' ') + part;
}

std::optional<LabelDefinition> labelStockOf(const LabelTemplate& t, const PaperSheet& paper,
                                            const QString& name) {
    if (!t.unreadable.isEmpty() || t.shapes.size() != 1 ||
        t.shapes.front() != QLatin1String("Label-rectangle") || t.grids.size() != 1)
        return std::nullopt;
    const LabelGrid& g = t.grids.front();
    if (g.across < 1 || g.across > kMostAcross || g.down < 1 || g.down > kMostDown ||
        !lengthsFit(t, paper))
        return std::nullopt;
    LabelDefinition d;
    d.description = name.left(kStockDescriptionWidth).trimmed();
    d.labelWidth = stored(t.labelWidth);
    d.labelHeight = stored(t.labelHeight);
    d.across = g.across;
    d.down = g.down;
    d.leftMargin = stored(g.left);
    d.topMargin = stored(g.top);
    // A single column or row has no pitch of its own in the files; the label's size stands in.
    d.horizontalPitch = g.across == 1 && g.horizontalPitch < t.labelWidth
                            ? d.labelWidth
                            : stored(g.horizontalPitch);
    d.verticalPitch =
        g.down == 1 && g.verticalPitch < t.labelHeight ? d.labelHeight : stored(g.verticalPitch);
    d.printerType = kLaserPrinter;
    setPaper(d, paper);
    if (!validLabel(d).isEmpty()) return std::nullopt;
    return d;
}

}  // namespace rp

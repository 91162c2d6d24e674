#include "framework/ReportOps.h"

#include <algorithm>
#include <cmath>

namespace rp {

QFont ReportFont::toQFont() const {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QColor shadeColour(int percent) {
    const int clamped = std::clamp(percent, 0, 100);
    return QColor(0, 0, 0, static_cast<int>(std::lround(255.0 * clamped / 100.0)));
}

}  // namespace rp

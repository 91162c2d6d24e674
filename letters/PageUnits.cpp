#include "letters/PageUnits.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/PageLimits.h"

namespace rp {

namespace {

double twipsPerUnit(PageUnit unit) {
    switch (unit) {
        case PageUnit::Inch:
            return kTwipsPerInch;
        case PageUnit::Cm:
            return kTwipsPerCm;
        case PageUnit::Twips:
            break;
    }
    return 1.0;
}

}  // namespace

QString formatTwips(int twips, PageUnit unit) {
    if (unit == PageUnit::Twips) return QString::number(twips);
    return QString::number(twips / twipsPerUnit(unit), 'f', 2);
}

std::optional<int> parseToTwips(const QString& text, PageUnit unit) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return 0;
    // C notation only: no group separators, no ",", no exponent, no "+".
    static const QRegularExpression kNumber(QStringLiteral("^-?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!kNumber.match(trimmed).hasMatch()) return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok) return std::nullopt;
    const double twips = std::round(value * twipsPerUnit(unit));
    if (twips < std::numeric_limits<int>::min() || twips > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(twips);
}

std::optional<PageLayoutFault> findPageLayoutFault(const PageLayout& layout) {
    if (layout.paperWidth <= 0)
        return PageLayoutFault{PageField::Width, QCoreApplication::translate(
                                                     "PageUnits", "Width must be greater than 0")};
    if (layout.paperHeight <= 0)
        return PageLayoutFault{
            PageField::Height,
            QCoreApplication::translate("PageUnits", "Height must be greater than 0")};
    if (!isPrintablePageSide(layout.paperWidth / kTwipsPerInch))
        return PageLayoutFault{PageField::Width, pageSideTooLargeText(QCoreApplication::translate(
                                                     "PageUnits", "Width"))};
    if (!isPrintablePageSide(layout.paperHeight / kTwipsPerInch))
        return PageLayoutFault{PageField::Height, pageSideTooLargeText(QCoreApplication::translate(
                                                      "PageUnits", "Height"))};
    if (layout.topMargin < 0)
        return PageLayoutFault{
            PageField::Top, QCoreApplication::translate("PageUnits", "Top must not be negative")};
    if (layout.bottomMargin < 0)
        return PageLayoutFault{PageField::Bottom, QCoreApplication::translate(
                                                      "PageUnits", "Bottom must not be negative")};
    if (layout.leftMargin < 0)
        return PageLayoutFault{
            PageField::Left, QCoreApplication::translate("PageUnits", "Left must not be negative")};
    if (layout.rightMargin < 0)
        return PageLayoutFault{PageField::Right, QCoreApplication::translate(
                                                     "PageUnits", "Right must not be negative")};
    // Sums in 64 bits: two margins near the int limit must not wrap round to a small value.
    if (qint64{layout.leftMargin} + layout.rightMargin >= layout.paperWidth)
        return PageLayoutFault{
            PageField::Left, QCoreApplication::translate(
                                 "PageUnits", "Left and Right leave no room for text on the page")};
    if (qint64{layout.topMargin} + layout.bottomMargin >= layout.paperHeight)
        return PageLayoutFault{
            PageField::Top, QCoreApplication::translate(
                                "PageUnits", "Top and Bottom leave no room for text on the page")};
    return std::nullopt;
}

int textWidthPixels(const PageLayout& page, int dpi) {
    const qint64 twips = qint64{page.paperWidth} - page.leftMargin - page.rightMargin;
    const qint64 pixels = twips * dpi / 1440;
    return static_cast<int>(std::clamp<qint64>(pixels, 1, std::numeric_limits<int>::max()));
}

std::optional<QString> pageLayoutFault(const PageLayout& layout) {
    if (auto fault = findPageLayoutFault(layout)) return fault->message;
    return std::nullopt;
}

}  // namespace rp

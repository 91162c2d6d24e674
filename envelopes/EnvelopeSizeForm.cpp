#include "envelopes/EnvelopeSizeForm.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

#include "framework/PageLimits.h"

namespace rp {

QString shownLength(double inches, LengthUnit unit) {
    if (unit == LengthUnit::Inches) return QString::number(inches, 'f', 2);
    return QString::number(std::round(inches * kMillimetresPerInch), 'f', 0);
}

double inchesFromShown(const QString& text, LengthUnit unit) {
    bool ok = false;
    double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok) value = 0;
    return unit == LengthUnit::Inches ? value : value * kInchesPerMillimetre;
}

EnvelopeSizeForm::EnvelopeSizeForm(double widthInches, double heightInches)
    : width_(widthInches), height_(heightInches) {
    show();
}

void EnvelopeSizeForm::takeShown() {
    width_ = inchesFromShown(widthText, unit_);
    height_ = inchesFromShown(heightText, unit_);
}

void EnvelopeSizeForm::show() {
    widthText = shownLength(width_, unit_);
    heightText = shownLength(height_, unit_);
}

void EnvelopeSizeForm::setUnit(LengthUnit unit) {
    if (unit == unit_) return;
    takeShown();
    unit_ = unit;
    show();
}

std::optional<QString> EnvelopeSizeForm::save(const QString& name, const QString& description) {
    takeShown();
    if (height_ < 2) return QCoreApplication::translate("EnvelopeSizeForm", kHeightTooSmall);
    if (width_ < 2) return QCoreApplication::translate("EnvelopeSizeForm", kWidthTooSmall);
    if (name.isEmpty()) return QCoreApplication::translate("EnvelopeSizeForm", kNameRequired);
    if (description.isEmpty())
        return QCoreApplication::translate("EnvelopeSizeForm", kDescriptionRequired);
    if (height_ > kLargestPageSideInches)
        return pageSideTooLargeText(
            QCoreApplication::translate("EnvelopeSizeForm", kHeightCaption));
    if (width_ > kLargestPageSideInches)
        return pageSideTooLargeText(QCoreApplication::translate("EnvelopeSizeForm", kWidthCaption));
    return std::nullopt;
}

}  // namespace rp

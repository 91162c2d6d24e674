#include "mailpiece/Postnet.h"

#include "mailpiece/DeliveryPoint.h"

namespace rp {
namespace {

constexpr qsizetype kZipDigits = 5;
constexpr qsizetype kZipPlus4Digits = 9;
constexpr qsizetype kZipPlus4Length = 10;

}  // namespace

QString digitsOnly(const QString& text) {
    QString digits;
    for (QChar c : text)
        if (isZipDigit(c)) digits += c;
    return digits;
}

bool isZipDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isZipCharacter(QChar c) {
    return isZipDigit(c) || c == QLatin1Char(' ') || c == QLatin1Char('-');
}

QString postnetCheckDigit(const QString& digits) {
    int sum = 0;
    for (QChar c : digits) sum += c.unicode() - '0';
    return QString::number((10 - sum % 10) % 10);
}

bool barcodeEligible(bool barcodeOn, const QString& zip) {
    if (!barcodeOn || zip.size() < kZipDigits) return false;
    if (zip < QLatin1String("00000") || zip > QLatin1String("99999-9999")) return false;
    for (QChar c : zip)
        if (c.digitValue() >= 0 && !isZipDigit(c)) return false;
    const qsizetype digits = digitsOnly(zip).size();
    return digits == kZipDigits || digits == kZipPlus4Digits;
}

QString barcodeText(const QString& zip, const QString& street) {
    if (zip.size() == kZipPlus4Length && digitsOnly(zip).size() == kZipPlus4Digits)
        return zip + deliveryPointDigits(street);
    return zip;
}

}  // namespace rp

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
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) digits += c;
    return digits;
}

QString postnetCheckDigit(const QString& digits) {
    int sum = 0;
    for (QChar c : digits) sum += c.unicode() - '0';
    return QString::number((10 - sum % 10) % 10);
}

bool barcodeEligible(bool barcodeOn, const QString& zip) {
    if (!barcodeOn || zip.size() < kZipDigits) return false;
    if (zip < QLatin1String("00000") || zip > QLatin1String("99999-9999")) return false;
    const qsizetype digits = digitsOnly(zip).size();
    return digits == kZipDigits || digits == kZipPlus4Digits;
}

QString barcodeText(const QString& zip, const QString& street) {
    if (zip.size() == kZipPlus4Length && digitsOnly(zip).size() == kZipPlus4Digits)
        return zip + deliveryPointDigits(street);
    return zip;
}

}  // namespace rp

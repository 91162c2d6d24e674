#include "mailpiece/IntelligentMail.h"

#include <zint.h>

#include <QCoreApplication>
#include <memory>
#include <stdexcept>

#include "mailpiece/Postnet.h"

namespace rp {
namespace {

bool allDigits(const QString& text) {
    for (QChar c : text)
        if (!isZipDigit(c)) return false;
    return true;
}

std::uint64_t serialLimit(const QString& mailerId) {
    std::uint64_t limit = 1;
    for (int i = 0; i < serialLength(mailerId); ++i) limit *= 10;
    return limit;
}

// The text of an error of the barcode: what is wrong, after what it concerns.
std::string barcodeError(const QString& problem) {
    return QCoreApplication::translate("IntelligentMail", "Intelligent Mail barcode: %1")
        .arg(problem)
        .toStdString();
}

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

// Whether the module at row and column is dark: libzint keeps each row's modules as bits.
bool moduleSet(const zint_symbol& symbol, int row, int column) {
    return (symbol.encoded_data[row][column >> 3] >> (column & 7)) & 1;
}

}  // namespace

QRectF fourStateBarRect(FourStateBar bar, int index) {
    constexpr double reach = (kFourStateFullHeight - kFourStateTrackerHeight) / 2;
    const bool up = bar == FourStateBar::Full || bar == FourStateBar::Ascender;
    const bool down = bar == FourStateBar::Full || bar == FourStateBar::Descender;
    const double top = up ? 0.0 : reach;
    const double bottom = down ? kFourStateFullHeight : reach + kFourStateTrackerHeight;
    const double left = index * kFourStatePitch;
    return QRectF(QPointF(left, top), QPointF(left + kFourStateBarWidth, bottom));
}

QString barcodeIdProblem(const QString& barcodeId) {
    if (barcodeId.size() != 2 || !allDigits(barcodeId) || barcodeId[1] > QLatin1Char('4'))
        return QCoreApplication::translate(
            "IntelligentMail",
            "The barcode identifier must be 2 digits, the second of them 0 to 4.");
    return {};
}

QString serviceTypeProblem(const QString& serviceType) {
    if (serviceType.size() != 3 || !allDigits(serviceType))
        return QCoreApplication::translate("IntelligentMail", "The service type must be 3 digits.");
    return {};
}

QString mailerIdProblem(const QString& mailerId) {
    if ((mailerId.size() != 6 && mailerId.size() != 9) || !allDigits(mailerId))
        return QCoreApplication::translate("IntelligentMail",
                                           "The mailer ID must be 6 or 9 digits.");
    if ((mailerId.size() == 9) != (mailerId[0] == QLatin1Char('9')))
        return QCoreApplication::translate(
            "IntelligentMail",
            "A mailer ID of 6 digits begins with 0 to 8, one of 9 digits begins with 9.");
    return {};
}

QString serialProblem(const QString& serial, const QString& mailerId) {
    const int length = serialLength(mailerId);
    if (serial.isEmpty() || serial.size() > length || !allDigits(serial))
        return QCoreApplication::translate(
                   "IntelligentMail",
                   "With a mailer ID of %1 digits the serial number is 1 to %2 digits.")
            .arg(mailerId.size() == 9 ? 9 : 6)
            .arg(length);
    return {};
}

QString typedTrackingProblem(const QString& barcodeId, const QString& serviceType,
                             const QString& mailerId, const QString& serial) {
    for (const QString& problem : {barcodeIdProblem(barcodeId), serviceTypeProblem(serviceType),
                                   mailerIdProblem(mailerId), serialProblem(serial, mailerId)})
        if (!problem.isEmpty()) return problem;
    return {};
}

QString trackingProblem(const MailerTracking& tracking) {
    return typedTrackingProblem(tracking.barcodeId, tracking.serviceType, tracking.mailerId,
                                QString::number(tracking.serial));
}

int serialLength(const QString& mailerId) {
    return mailerId.size() == 9 ? 6 : 9;
}

std::uint64_t followingSerial(std::uint64_t serial, const QString& mailerId) {
    return (serial + 1) % serialLimit(mailerId);
}

QString routingProblem(const QString& zip) {
    for (QChar c : zip)
        if (!isZipCharacter(c))
            return QCoreApplication::translate(
                "IntelligentMail", "The ZIP code may hold only digits, blanks and hyphens.");
    switch (digitsOnly(zip).size()) {
        case 0:
        case 5:
        case 9:
        case 11:
            return {};
        default:
            return QCoreApplication::translate(
                "IntelligentMail", "The ZIP code must have 5, 9 or 11 digits, or none.");
    }
}

QString trackingDigits(const MailerTracking& tracking) {
    return tracking.barcodeId + tracking.serviceType + tracking.mailerId +
           QStringLiteral("%1").arg(tracking.serial, serialLength(tracking.mailerId), 10,
                                    QLatin1Char('0'));
}

std::vector<FourStateBar> intelligentMailBars(const MailerTracking& tracking,
                                              const QString& routingDigits) {
    QString problem = trackingProblem(tracking);
    if (problem.isEmpty()) problem = routingProblem(routingDigits);
    if (problem.isEmpty() && digitsOnly(routingDigits) != routingDigits)
        problem =
            QCoreApplication::translate("IntelligentMail", "The routing code must be digits only.");
    if (!problem.isEmpty()) throw std::invalid_argument(barcodeError(problem));

    QString data = trackingDigits(tracking);
    if (!routingDigits.isEmpty()) data += QLatin1Char('-') + routingDigits;
    const QByteArray bytes = data.toLatin1();
    std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol)
        throw std::runtime_error(
            QCoreApplication::translate("IntelligentMail", "Out of memory for the barcode")
                .toStdString());
    symbol->symbology = BARCODE_USPS_IMAIL;
    const int error = ZBarcode_Encode(
        symbol.get(), reinterpret_cast<const unsigned char*>(bytes.constData()), int(bytes.size()));
    if (error >= ZINT_ERROR)
        throw std::invalid_argument(barcodeError(QString::fromUtf8(symbol->errtxt)));
    // Three rows: the ascenders, the trackers and the descenders; bars stand on the even
    // columns with a space between each two.
    if (symbol->rows != 3 || symbol->width != 2 * kIntelligentMailBars - 1)
        throw std::runtime_error(barcodeError(
            QCoreApplication::translate("IntelligentMail", "unexpected symbol from libzint")));

    std::vector<FourStateBar> bars;
    bars.reserve(kIntelligentMailBars);
    for (int column = 0; column < symbol->width; column += 2) {
        const bool up = moduleSet(*symbol, 0, column);
        const bool down = moduleSet(*symbol, 2, column);
        bars.push_back(up && down ? FourStateBar::Full
                       : up       ? FourStateBar::Ascender
                       : down     ? FourStateBar::Descender
                                  : FourStateBar::Tracker);
    }
    return bars;
}

QString barLetters(const std::vector<FourStateBar>& bars) {
    QString letters;
    letters.reserve(qsizetype(bars.size()));
    for (FourStateBar bar : bars) {
        switch (bar) {
            case FourStateBar::Full:
                letters += QLatin1Char('F');
                break;
            case FourStateBar::Ascender:
                letters += QLatin1Char('A');
                break;
            case FourStateBar::Descender:
                letters += QLatin1Char('D');
                break;
            case FourStateBar::Tracker:
                letters += QLatin1Char('T');
                break;
        }
    }
    return letters;
}

}  // namespace rp

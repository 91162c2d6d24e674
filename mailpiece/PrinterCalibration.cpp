#include "mailpiece/PrinterCalibration.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>
#include <stdexcept>

#include "data/IniFile.h"
#include "framework/PrinterCatalog.h"

namespace rp {
namespace {

constexpr double kMillimetresPerInch = 25.4;

const QString kSection = QString::fromLatin1(kCalibrationSection);

double toHundredth(double inches) {
    const double rounded = std::round(inches * 100) / 100;
    return rounded == 0 ? 0 : rounded;  // never a negative zero
}

}  // namespace

double measuredInches(double value, MeasureUnit unit) {
    return toHundredth(unit == MeasureUnit::Millimetres ? value / kMillimetresPerInch : value);
}

double inUnit(double inches, MeasureUnit unit) {
    return unit == MeasureUnit::Millimetres ? inches * kMillimetresPerInch : inches;
}

PrinterCorrection roundedCorrection(PrinterCorrection correction) {
    return {toHundredth(correction.right), toHundredth(correction.down)};
}

QString correctionText(PrinterCorrection correction) {
    const PrinterCorrection c = roundedCorrection(correction);
    return QString::number(c.right, 'f', 2) + QLatin1Char(',') + QString::number(c.down, 'f', 2);
}

std::optional<PrinterCorrection> parseCorrection(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2) return std::nullopt;
    bool rightOk = false;
    bool downOk = false;
    const double right = parts[0].trimmed().toDouble(&rightOk);
    const double down = parts[1].trimmed().toDouble(&downOk);
    if (!rightOk || !downOk || !std::isfinite(right) || !std::isfinite(down)) return std::nullopt;
    return roundedCorrection({right, down});
}

bool calibratable(const QString& printer) {
    return !printer.isEmpty() && printer != PrinterCatalog::pdfPrinterName();
}

PrinterCorrection loadPrinterCorrection(const SettingRead& read, const QString& printer) {
    if (!calibratable(printer)) return {};
    return parseCorrection(read(kSection, printer)).value_or(PrinterCorrection{});
}

PrinterCorrection loadPrinterCorrection(const IniFile& ini, const QString& printer) {
    return loadPrinterCorrection(
        [&ini](const QString& section, const QString& key) { return ini.readString(section, key); },
        printer);
}

void storePrinterCorrection(IniFile& ini, const QString& printer, PrinterCorrection correction) {
    if (!calibratable(printer))
        throw std::invalid_argument(
            QCoreApplication::translate("PrinterCalibration",
                                        "The printer \"%1\" cannot be calibrated: it prints "
                                        "exactly what is drawn.")
                .arg(printer)
                .toStdString());
    const PrinterCorrection rounded = roundedCorrection(correction);
    ini.writeString(kSection, printer, rounded.none() ? QString() : correctionText(rounded));
}

QPointF correctedPosition(QPointF expected, PrinterCorrection correction) {
    return expected + correction.drawingOffset();
}

}  // namespace rp

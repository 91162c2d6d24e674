#pragma once
// The correction of a printer that puts its output off: how far its marks landed to the right of
// and below where they should be (inches, to the hundredth; negative for left and above), kept
// per printer name in the preferences file (section Calibration, the printer's name as the key,
// "X,Y" as the value). Labels and envelopes that printer prints are moved back by those amounts.
// The "PDF file" printer writes exactly what is drawn and is never corrected.
#include <QPointF>
#include <QString>
#include <optional>

#include "mailpiece/PostalBarcode.h"

namespace rp {

class IniFile;

inline constexpr char kCalibrationSection[] = "Calibration";

struct PrinterCorrection {
    double right = 0;  // inches the printer's marks lie right of where they should
    double down = 0;   // inches they lie below

    bool none() const { return right == 0 && down == 0; }
    // Where drawing goes so that it lands where it should: back by the measured amounts.
    QPointF drawingOffset() const { return {-right, -down}; }
    bool operator==(const PrinterCorrection&) const = default;
};

enum class MeasureUnit { Inches, Millimetres };

// A measured figure in inches, rounded to the hundredth.
double measuredInches(double value, MeasureUnit unit);
// The figure in the unit, as the user enters it.
double inUnit(double inches, MeasureUnit unit);

// Both figures rounded to the hundredth.
PrinterCorrection roundedCorrection(PrinterCorrection correction);

// "X,Y" with two decimals, as stored.
QString correctionText(PrinterCorrection correction);
// "X,Y" as stored or typed (inches, any number of decimals, rounded to the hundredth); nothing
// for anything else.
std::optional<PrinterCorrection> parseCorrection(const QString& text);

// Whether a printer can have a correction: any named printer but "PDF file".
bool calibratable(const QString& printer);

// The correction kept for the printer; none for "PDF file" or when none (or no valid one) is kept.
PrinterCorrection loadPrinterCorrection(const SettingRead& read, const QString& printer);
PrinterCorrection loadPrinterCorrection(const IniFile& ini, const QString& printer);

// Keeps the correction for the printer; a correction of none removes the one kept. Throws
// std::invalid_argument for a printer that cannot have one, IniFileError when the file cannot
// be written.
void storePrinterCorrection(IniFile& ini, const QString& printer, PrinterCorrection correction);

// Where a mark meant for expected is drawn on the corrected printer.
QPointF correctedPosition(QPointF expected, PrinterCorrection correction);

}  // namespace rp

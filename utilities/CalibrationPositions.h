#pragma once
// What the Calibrate Printer window shows of a calibration page: each crosshair with where it
// should land on the paper and where it is drawn once the printer's correction applies, in
// inches or millimetres.
#include <QSizeF>
#include <QString>
#include <vector>

#include "mailpiece/PrinterCalibration.h"

namespace rp {

struct CalibrationPosition {
    QString mark;       // "Top left", ...
    QString expected;   // "1.50, 1.50 in": from the left edge, from the top edge
    QString corrected;  // where it is drawn to land there
};

// A position from the paper's left and top edges in the unit, two decimals.
QString positionText(QPointF inches, MeasureUnit unit);

// The crosshairs of a page of that size, in the order of calibrationCrosshairs().
std::vector<CalibrationPosition> calibrationPositions(QSizeF page, PrinterCorrection correction,
                                                      MeasureUnit unit);

}  // namespace rp

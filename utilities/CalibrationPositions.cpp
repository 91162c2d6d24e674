#include "utilities/CalibrationPositions.h"

#include <QCoreApplication>

#include "framework/CalibrationPage.h"

namespace rp {

QString positionText(QPointF inches, MeasureUnit unit) {
    const QString x = QString::number(inUnit(inches.x(), unit), 'f', 2);
    const QString y = QString::number(inUnit(inches.y(), unit), 'f', 2);
    return unit == MeasureUnit::Millimetres
               ? QCoreApplication::translate("CalibrationPositions", "%1, %2 mm").arg(x, y)
               : QCoreApplication::translate("CalibrationPositions", "%1, %2 in").arg(x, y);
}

std::vector<CalibrationPosition> calibrationPositions(QSizeF page, PrinterCorrection correction,
                                                      MeasureUnit unit) {
    static const char* const kMarks[] = {
        QT_TRANSLATE_NOOP("CalibrationPositions", "Top left"),
        QT_TRANSLATE_NOOP("CalibrationPositions", "Top right"),
        QT_TRANSLATE_NOOP("CalibrationPositions", "Bottom left"),
        QT_TRANSLATE_NOOP("CalibrationPositions", "Bottom right"),
        QT_TRANSLATE_NOOP("CalibrationPositions", "Centre"),
    };
    std::vector<CalibrationPosition> out;
    const std::vector<QPointF> crosshairs = calibrationCrosshairs(page);
    for (std::size_t i = 0; i < crosshairs.size() && i < std::size(kMarks); ++i)
        out.push_back({QCoreApplication::translate("CalibrationPositions", kMarks[i]),
                       positionText(crosshairs[i], unit),
                       positionText(correctedPosition(crosshairs[i], correction), unit)});
    return out;
}

}  // namespace rp

#pragma once
// The printer calibration page, in inches from the paper's top-left corner: a frame 0.5 inch in
// from every edge, crosshairs at known positions, and two rulers in 1/32 inch (along the top,
// numbered in inches from the left edge, and down the left, numbered from the top edge). Every
// mark is labelled with where it should lie, so that a person with a ruler can tell how far the
// printer put it off.
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "framework/PrintStatusDialog.h"

class QPrinter;

namespace rp {

class ReportCanvas;

inline constexpr double kCalibrationFrameInset = 0.5;
// The rulers' ticks are this far apart.
inline constexpr double kCalibrationTick = 1.0 / 32;

// The crosshairs of a page: 1.5 inch in from each corner, and the page's centre.
std::vector<QPointF> calibrationCrosshairs(QSizeF page);

// A ruler: its line at "at" (y of the horizontal one, x of the vertical one), from first to
// last (whole inches from the paper's edge).
struct CalibrationRuler {
    double at = 0;
    double first = 0;
    double last = 0;
};
CalibrationRuler horizontalRuler(QSizeF page);
CalibrationRuler verticalRuler(QSizeF page);

// How long a ruler tick is drawn at a distance from the paper's edge: longest at whole inches,
// shorter at halves, quarters, eighths, sixteenths and thirty-seconds.
double rulerTickLength(double inches);

// The whole page on a started canvas, on its paper; printerName is written in its title.
void drawCalibrationPage(ReportCanvas& canvas, const QString& printerName);

// The page on the paper the printer is set to, as a print job; the printer must outlive it.
ReportJob calibrationPageJob(const QPrinter& printer, const QString& printerName);

}  // namespace rp

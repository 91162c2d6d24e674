#include "framework/CalibrationPage.h"

#include <QCoreApplication>
#include <cmath>

#include "framework/PrinterPaper.h"
#include "framework/ReportCanvas.h"

namespace rp {
namespace {

constexpr double kCrosshairInset = 1.5;
constexpr double kCrosshairArm = 0.25;
constexpr double kAcrossRulerAt = 2.5;  // the horizontal ruler's line, down from the top edge
constexpr double kDownRulerAt = 3.5;    // the vertical ruler's line, in from the left edge
constexpr double kRulerStart = 3.0;     // where both rulers begin, in inches from the edge
constexpr double kRulerEndInset = 1.0;  // they end on the last whole inch this far in

QString inches(double value) {
    return QString::number(value, 'f', 2);
}

QString translate(const char* text) {
    return QCoreApplication::translate("CalibrationPage", text);
}

// At baseline y, starting at x.
void textAt(ReportCanvas& canvas, double x, double y, const QString& text) {
    canvas.gotoXY(x, y);
    canvas.print(text);
}

// The label stands above the arm on the side facing the page's middle, so that it stays on
// the paper.
void drawCrosshair(ReportCanvas& canvas, QPointF at, double pageWidth) {
    canvas.line(at.x() - kCrosshairArm, at.y(), at.x() + kCrosshairArm, at.y());
    canvas.line(at.x(), at.y() - kCrosshairArm, at.x(), at.y() + kCrosshairArm);
    const QString label =
        translate("%1 in from left, %2 in from top").arg(inches(at.x()), inches(at.y()));
    canvas.gotoXY(0, at.y() - 0.05);
    if (at.x() > pageWidth / 2 + kCrosshairArm)
        canvas.printRight(label, at.x() - 0.05);
    else
        canvas.printLeft(label, at.x() + 0.05);
}

// The ticks of a ruler; across(d, length) draws the tick at distance d reaching length away
// from the ruler's line, number(d) writes the whole inch d beside its tick.
template <class Tick, class Number>
void drawTicks(const CalibrationRuler& ruler, Tick tick, Number number) {
    const long count = std::lround((ruler.last - ruler.first) / kCalibrationTick);
    for (long i = 0; i <= count; ++i) {
        const double at = ruler.first + double(i) * kCalibrationTick;
        tick(at, rulerTickLength(at));
        if (i % 32 == 0) number(at);
    }
}

void drawRulers(ReportCanvas& canvas, QSizeF page) {
    const CalibrationRuler across = horizontalRuler(page);
    canvas.line(across.first, across.at, across.last, across.at);
    drawTicks(
        across, [&](double x, double length) { canvas.line(x, across.at, x, across.at + length); },
        [&](double x) {
            textAt(canvas, x + 0.03, across.at + 0.45, QString::number(std::lround(x)));
        });
    textAt(canvas, across.first, across.at - 0.1,
           translate("Ruler in 1/32 inch: each number is its distance in inches from the left "
                     "edge of the paper"));

    const CalibrationRuler down = verticalRuler(page);
    canvas.line(down.at, down.first, down.at, down.last);
    drawTicks(
        down, [&](double y, double length) { canvas.line(down.at, y, down.at + length, y); },
        [&](double y) {
            textAt(canvas, down.at + 0.35, y + 0.05, QString::number(std::lround(y)));
        });
    textAt(canvas, down.at + 0.7, down.first + 0.35,
           translate("Ruler in 1/32 inch: each number is its distance"));
    textAt(canvas, down.at + 0.7, down.first + 0.55,
           translate("in inches from the top edge of the paper"));
}

}  // namespace

std::vector<QPointF> calibrationCrosshairs(QSizeF page) {
    const double right = page.width() - kCrosshairInset;
    const double bottom = page.height() - kCrosshairInset;
    return {QPointF(kCrosshairInset, kCrosshairInset), QPointF(right, kCrosshairInset),
            QPointF(kCrosshairInset, bottom), QPointF(right, bottom),
            QPointF(page.width() / 2, page.height() / 2)};
}

CalibrationRuler horizontalRuler(QSizeF page) {
    return {kAcrossRulerAt, kRulerStart, std::floor(page.width() - kRulerEndInset)};
}

CalibrationRuler verticalRuler(QSizeF page) {
    return {kDownRulerAt, kRulerStart, std::floor(page.height() - kRulerEndInset)};
}

double rulerTickLength(double inches) {
    const long thirtySeconds = std::lround(inches / kCalibrationTick);
    if (thirtySeconds % 32 == 0) return 0.3;
    if (thirtySeconds % 16 == 0) return 0.2;
    if (thirtySeconds % 8 == 0) return 0.15;
    if (thirtySeconds % 4 == 0) return 0.12;
    if (thirtySeconds % 2 == 0) return 0.09;
    return 0.06;
}

void drawCalibrationPage(ReportCanvas& canvas, const QString& printerName) {
    const QSizeF page(canvas.pageWidth(), canvas.pageHeight());
    canvas.setOrigin(0, 0);
    canvas.setPen(Qt::black, Qt::SolidLine, 0);
    canvas.setBrush(QColor());
    canvas.setFont(ReportFont{QStringLiteral("Arial"), 8, false, false});

    canvas.rectangle(QRectF(kCalibrationFrameInset, kCalibrationFrameInset,
                            page.width() - 2 * kCalibrationFrameInset,
                            page.height() - 2 * kCalibrationFrameInset));
    textAt(
        canvas, kCalibrationFrameInset + 0.05, kCalibrationFrameInset + 0.15,
        translate("Frame: %1 in from each edge of the paper").arg(inches(kCalibrationFrameInset)));
    for (const QPointF& at : calibrationCrosshairs(page)) drawCrosshair(canvas, at, page.width());
    drawRulers(canvas, page);

    canvas.setFont(ReportFont{QStringLiteral("Arial"), 10, true, false});
    const double left = verticalRuler(page).at + 0.7;
    double y = verticalRuler(page).first + 1.2;
    textAt(canvas, left, y, translate("Calibration page for %1").arg(printerName));
    canvas.setFont(ReportFont{QStringLiteral("Arial"), 9, false, false});
    for (const char* line :
         {QT_TRANSLATE_NOOP("CalibrationPage",
                            "Measure how far the marks landed to the right of and below"),
          QT_TRANSLATE_NOOP("CalibrationPage",
                            "where they should be (negative for left and above), and"),
          QT_TRANSLATE_NOOP("CalibrationPage",
                            "enter the two figures in Utilities > Calibrate Printer.")}) {
        y += 0.2;
        textAt(canvas, left, y, translate(line));
    }
}

ReportJob calibrationPageJob(const QPrinter& printer, const QString& printerName) {
    return [&printer, printerName](ReportCanvas& canvas, const std::function<bool()>&) {
        usePrinterPaper(canvas, printer);
        if (!canvas.start()) return;
        drawCalibrationPage(canvas, printerName);
    };
}

}  // namespace rp

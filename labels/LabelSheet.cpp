#include "labels/LabelSheet.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdlib>

#include "framework/ReportCanvas.h"
#include "labels/LabelSetup.h"

namespace rp {
namespace {

long hundredths(double inches) {
    return std::lround(inches * 100);
}

double roundTo2Decimals(double inches) {
    return static_cast<double>(hundredths(inches)) / 100;
}

}  // namespace

QPointF labelOrigin(const LabelSetup& s, int column, int row) {
    return QPointF(column * double(s.horizontalPitch) + double(s.leftMargin) + double(s.xOffset),
                   row * double(s.verticalPitch) + double(s.topMargin) + double(s.yOffset));
}

int labelsPerSheet(const LabelSetup& setup) {
    return setup.across * setup.down;
}

QRectF labelRect(const LabelSetup& s, int column, int row) {
    return QRectF(column * double(s.horizontalPitch) + double(s.leftMargin),
                  row * double(s.verticalPitch) + double(s.topMargin), double(s.labelWidth),
                  double(s.labelHeight));
}

int labelAt(const LabelSetup& setup, QPointF point) {
    for (int row = 0; row < setup.down; ++row)
        for (int column = 0; column < setup.across; ++column)
            if (labelRect(setup, column, row).contains(point))
                return row * setup.across + column + 1;
    return 0;
}

bool landscapeStock(const LabelSetup& setup) {
    const QString& code = setup.paperSize;
    return code == QLatin1String("LTRL") || code == QLatin1String("A4L") ||
           code == QLatin1String("USERL");
}

QSizeF sheetInPrinter(const LabelSetup& setup) {
    const bool landscape = landscapeStock(setup);
    return QSizeF(roundTo2Decimals(landscape ? setup.sheetDepth : setup.sheetWidth),
                  roundTo2Decimals(landscape ? setup.sheetWidth : setup.sheetDepth));
}

ReportPaper labelPaper(const LabelSetup& setup) {
    const bool landscape = landscapeStock(setup);
    const QString& code = setup.paperSize;
    ReportPaper paper;
    if (code == QLatin1String("LTR") || code == QLatin1String("LTRL"))
        paper = ReportPaper::standard(PaperKind::Letter);
    else if (code == QLatin1String("A4") || code == QLatin1String("A4L"))
        paper = ReportPaper::standard(PaperKind::A4);
    else if (code == QLatin1String("A5"))
        paper = ReportPaper::standard(PaperKind::A5);
    else {
        const QSizeF sheet = sheetInPrinter(setup);
        paper = ReportPaper::custom(sheet.width(), sheet.height());
    }
    paper.setLandscape(landscape);
    return paper;
}

void selectPaper(ReportCanvas& canvas, const ReportPaper& paper) {
    if (paper.kind() == PaperKind::Custom)
        canvas.setCustomPaper(paper.width(), paper.length());
    else
        canvas.setPaper(paper.kind());
    canvas.setLandscape(paper.landscape());
}

bool paperDiffers(QSizeF page, const LabelSetup& setup) {
    return std::labs(hundredths(page.width()) - hundredths(setup.sheetWidth)) > 5 ||
           std::labs(hundredths(page.height()) - hundredths(setup.sheetDepth)) > 5;
}

QString paperQuestion(const LabelSetup& setup) {
    const QSizeF sheet = sheetInPrinter(setup);
    return QCoreApplication::translate(
               "LabelSheet",
               "Ravenpost was unable to confirm that the paper size was set to\r\n\r\n%1\" by "
               "%2\"\r\n\r\n(you may have the wrong printer selected)\r\n\r\nWould you like "
               "to try printing anyways?")
        .arg(QString::number(sheet.width(), 'f', 2), QString::number(sheet.height(), 'f', 2));
}

}  // namespace rp

#include "labels/LabelSheet.h"

#include <cmath>
#include <cstdlib>

#include "framework/ReportCanvas.h"
#include "labels/LabelSetup.h"

namespace rp {
namespace {

long Hundredths(double inches) {
    return std::lround(inches * 100);
}

double RoundTo2Decimals(double inches) {
    return static_cast<double>(Hundredths(inches)) / 100;
}

}  // namespace

QPointF LabelOrigin(const LabelSetup& s, int column, int row) {
    return QPointF(column * double(s.horizontalPitch) + double(s.leftMargin) + double(s.xOffset),
                   row * double(s.verticalPitch) + double(s.topMargin) + double(s.yOffset));
}

bool LandscapeStock(const LabelSetup& setup) {
    const QString& code = setup.paperSize;
    return code == QLatin1String("LTRL") || code == QLatin1String("A4L") ||
           code == QLatin1String("USERL");
}

QSizeF SheetInPrinter(const LabelSetup& setup) {
    const bool landscape = LandscapeStock(setup);
    return QSizeF(RoundTo2Decimals(landscape ? setup.sheetDepth : setup.sheetWidth),
                  RoundTo2Decimals(landscape ? setup.sheetWidth : setup.sheetDepth));
}

ReportPaper LabelPaper(const LabelSetup& setup) {
    const bool landscape = LandscapeStock(setup);
    const QString& code = setup.paperSize;
    ReportPaper paper;
    if (code == QLatin1String("LTR") || code == QLatin1String("LTRL"))
        paper = ReportPaper::standard(PaperKind::Letter);
    else if (code == QLatin1String("A4") || code == QLatin1String("A4L"))
        paper = ReportPaper::standard(PaperKind::A4);
    else if (code == QLatin1String("A5"))
        paper = ReportPaper::standard(PaperKind::A5);
    else {
        const QSizeF sheet = SheetInPrinter(setup);
        paper = ReportPaper::custom(sheet.width(), sheet.height());
    }
    paper.setLandscape(landscape);
    return paper;
}

void SelectPaper(ReportCanvas& canvas, const ReportPaper& paper) {
    if (paper.kind() == PaperKind::Custom)
        canvas.setCustomPaper(paper.width(), paper.length());
    else
        canvas.setPaper(paper.kind());
    canvas.setLandscape(paper.landscape());
}

bool PaperDiffers(QSizeF page, const LabelSetup& setup) {
    return std::labs(Hundredths(page.width()) - Hundredths(setup.sheetWidth)) > 5 ||
           std::labs(Hundredths(page.height()) - Hundredths(setup.sheetDepth)) > 5;
}

QString PaperQuestion(const LabelSetup& setup) {
    const QSizeF sheet = SheetInPrinter(setup);
    const QString inch = QStringLiteral("\"");
    return QStringLiteral(
               "Ravenpost was unable to confirm that the paper size was set to\r\n\r\n") +
           QString::number(sheet.width(), 'f', 2) + inch + QStringLiteral(" by ") +
           QString::number(sheet.height(), 'f', 2) + inch + QStringLiteral("\r\n\r\n") +
           QStringLiteral("(you may have the wrong printer selected)") +
           QStringLiteral("\r\n\r\n") + QStringLiteral("Would you like to try printing anyways?");
}

}  // namespace rp

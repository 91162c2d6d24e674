#pragma once
// Where labels lie on a sheet of label stock and which paper the sheet is printed on. All
// lengths are inches from the sheet's top-left corner.
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "framework/ReportPaper.h"

namespace rp {

class ReportCanvas;
struct LabelSetup;

// The text origin of the label in column and row (both from 0): the label's corner moved by
// the setup's text offsets.
QPointF labelOrigin(const LabelSetup& setup, int column, int row);

// The labels on one sheet: across times down.
int labelsPerSheet(const LabelSetup& setup);

// The label in column and row (both from 0) as it lies on the sheet.
QRectF labelRect(const LabelSetup& setup, int column, int row);

// The number (from 1, across, then down) of the label at a point of the sheet; 0 for none.
int labelAt(const LabelSetup& setup, QPointF point);

// Stock fed sideways: the paper codes "LTRL", "A4L" and "USERL".
bool landscapeStock(const LabelSetup& setup);

// The sheet's width and length as it lies in the printer: its width and depth, each rounded
// to 2 decimals, swapped for landscape stock.
QSizeF sheetInPrinter(const LabelSetup& setup);

// The paper of the stock: Letter, A4 or A5 by the paper code, any other code a custom paper of
// the sheet in the printer; turned for landscape stock.
ReportPaper labelPaper(const LabelSetup& setup);

// Puts that paper on the canvas.
void selectPaper(ReportCanvas& canvas, const ReportPaper& paper);

// Whether a page (as the printer took the paper) differs from the stock's sheet by more than
// 0.05 inch in width or height, both compared in whole hundredths.
bool paperDiffers(QSizeF page, const LabelSetup& setup);

// The question asked when it does: may the labels be printed anyway?
QString paperQuestion(const LabelSetup& setup);

}  // namespace rp

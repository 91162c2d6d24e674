#pragma once
// Drawing a POSTNET barcode with the report canvas's pen: the bars stand side by side from
// the canvas's current position (the barcode's top-left corner), all ending on one baseline.
#include <QString>

namespace rp {

class ReportCanvas;

// Draws the barcode of a barcode text (its digits and their correction digit between two
// frame bars) with a solid black pen kBarPenHundredths wide. The current position ends one
// pitch right of the last bar.
void barSection(ReportCanvas& canvas, const QString& barcodeText);

// One bar at the current position, then the current position one pitch to the right.
void bigBar(ReportCanvas& canvas);
void littleBar(ReportCanvas& canvas);

}  // namespace rp

#pragma once
// Drawing a POSTNET barcode on the report canvas: the bars stand side by side from the canvas's
// current position (the barcode's top-left corner), all ending on one baseline. Each bar is a
// solid black rectangle as wide as the canvas's pen of kBarPenHundredths (never thinner than a
// device dot), centred on its position; all the bars of a call are filled as one operation.
#include <QString>
#include <vector>

#include "mailpiece/IntelligentMail.h"

namespace rp {

class ReportCanvas;

// Draws the barcode of a barcode text (its digits and their correction digit between two
// frame bars); the canvas's pen is left solid black, kBarPenHundredths wide. The current
// position ends one pitch right of the last bar.
void barSection(ReportCanvas& canvas, const QString& barcodeText);

// Draws the bars of an Intelligent Mail barcode with their top-left corner at the current
// position, filled as one operation; the current position is left where it was.
void fourStateSection(ReportCanvas& canvas, const std::vector<FourStateBar>& bars);

// One bar at the current position, then the current position one pitch to the right.
void bigBar(ReportCanvas& canvas);
void littleBar(ReportCanvas& canvas);

}  // namespace rp

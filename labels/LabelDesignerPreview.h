#pragma once
// The designer's life-size picture of one label: the address lines in the working font at the
// working text position on a white rounded label, and the barcode picture above the text when
// the barcode is on. Everything is measured in screen pixels at the model's PPI.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QStringList>

#include "framework/AccessibleView.h"
#include "mailpiece/PostalBarcode.h"

namespace rp {

class LabelDesignerModel;

// The silver the picture is filled with before the label is drawn.
inline const QColor kPreviewBackground(192, 192, 192);
// The rounded corners of the label: 20 x 20 pixels, a radius of 10.
inline constexpr int kLabelCornerSize = 20;

// The fixed picture of bars drawn for the barcode, 248 x 12 pixels: black bars on white.
QImage labelBarcodePicture(BarcodeSymbology symbology = BarcodeSymbology::Postnet);

// The screen font of the label text: its pixel height truncate(size x PPI / 72) with the bold
// and italic switches; a printer pitch font ("... 10CPI") is stretched to its character width
// and drawn bold when its name holds "BOLD".
QFont labelPreviewFont(const LabelDesignerModel& model);

// Draws the label onto a device exactly the model's label size: silver fill, the white
// rounded label, lines clipped to the label with line k's baseline at
// Y + (k + 1) x pitch - descent, starting at X, and the barcode picture at its position.
void drawLabelPreview(QPainter& painter, const LabelDesignerModel& model, const QStringList& lines);

// What a screen reader finds on the picture: each line of text that is not blank, named by its
// text, where drawLabelPreview draws it, then the barcode picture when the barcode is on.
QList<AccessibleItem> labelPreviewItems(const LabelDesignerModel& model, const QStringList& lines);

// The same onto a new picture of the label's size.
QImage labelPreviewImage(const LabelDesignerModel& model, const QStringList& lines);

}  // namespace rp

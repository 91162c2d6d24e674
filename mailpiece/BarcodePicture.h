#pragma once
// The picture of a postal barcode the designers show where the barcode will print: black bars
// on white in the look of the chosen symbology (POSTNET's full and half bars on one baseline,
// or the Intelligent Mail barcode's four kinds of bar), filling the picture's size.
#include <QImage>
#include <QSize>

#include "mailpiece/PostalBarcode.h"

namespace rp {

QImage barcodePicture(BarcodeSymbology symbology, QSize size);

}  // namespace rp

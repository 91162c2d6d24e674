#pragma once
// "--barcode postnet|imb" of the printing commands: the postal barcode RAVENP.INI of the data
// folder chooses, or the one the option names; and the next serial stored after a run that
// printed Intelligent Mail barcodes to the end.
#include <QString>

#include "mailpiece/PostalBarcode.h"

namespace rp {

class BatchArgs;

// The settings of the data folder's RAVENP.INI with --barcode applied. Throws BatchError for
// an unknown --barcode value, or for Intelligent Mail with a tracking code that is not right.
PostalBarcodeSettings barcodeOption(const BatchArgs& args, const QString& dataFolder);

// After a completed run: the next serial into the data folder's RAVENP.INI when the run used
// any.
void storeNextSerial(const PieceBarcoder& barcoder, const QString& dataFolder);

}  // namespace rp

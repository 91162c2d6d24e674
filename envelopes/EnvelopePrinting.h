#pragma once
// Printing one envelope (doPrint): to the selected printer or, for a preview, into recorded
// pages, through the print status window; the preview window then shows the recorded page
// under "Preview Envelope" unless the run was cancelled.
#include <QString>
#include <functional>

#include "envelopes/EnvelopeSetup.h"
#include "framework/PrintStatusDialog.h"
#include "mailpiece/AddressBlock.h"
#include "mailpiece/PrinterCalibration.h"

class QPrinter;
class QWidget;

namespace rp {

class PieceBarcoder;
class PrinterCatalog;
class RecordedPages;
class ReportSurface;

// Shows recorded pages under a caption, modally; the pages live until it returns.
using EnvelopePreview = std::function<void(const RecordedPages& pages, const QString& caption)>;

// The run in the print status window on any surface, on the printer's paper; the barcode
// comes from barcoder, POSTNET when there is none.
PrintOutcome runEnvelopeJob(ReportSurface& surface, const QPrinter& printer,
                            const EnvelopeSetup& setup, const AddressValues& address, bool preview,
                            QWidget* parent, PieceBarcoder* barcoder = nullptr);

// To the selected printer, whose print dialog has been confirmed, moved back by the printer's
// correction.
PrintOutcome printEnvelopeOn(PrinterCatalog& catalog, const EnvelopeSetup& setup,
                             const AddressValues& address, PrinterCorrection correction,
                             QWidget* parent, PieceBarcoder* barcoder = nullptr);

// Recorded as the printer would print it and shown in the preview window, or with a hook
// (tests) recorded in the print status window and then handed to the hook unless cancelled.
PrintOutcome previewEnvelope(QPrinter& printer, const EnvelopeSetup& setup,
                             const AddressValues& address, const EnvelopePreview& preview,
                             QWidget* parent, PieceBarcoder* barcoder = nullptr);

}  // namespace rp

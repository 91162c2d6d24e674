#include "envelopes/EnvelopePrinting.h"

#include <QCoreApplication>
#include <QPrinter>

#include "envelopes/EnvelopeRun.h"
#include "framework/PrinterCatalog.h"
#include "framework/PrinterPaper.h"
#include "framework/PrinterSurface.h"
#include "framework/RecordedPages.h"
#include "framework/RecordingPreview.h"
#include "framework/ReportCanvas.h"
#include "framework/ShiftedSurface.h"

namespace rp {

namespace {

// The envelope on the printer's paper; everything it refers to must outlive the job.
ReportJob envelopeJob(const QPrinter& printer, const EnvelopeSetup& setup,
                      const AddressValues& address, bool preview, PieceBarcoder* barcoder) {
    return [&printer, &setup, &address, preview, barcoder](ReportCanvas& canvas,
                                                           const std::function<bool()>&) {
        usePrinterPaper(canvas, printer);
        runEnvelope(canvas, setup, address, preview, barcoder);
    };
}

}  // namespace

PrintOutcome runEnvelopeJob(ReportSurface& surface, const QPrinter& printer,
                            const EnvelopeSetup& setup, const AddressValues& address, bool preview,
                            QWidget* parent, PieceBarcoder* barcoder) {
    PrintStatusDialog status(surface, envelopeJob(printer, setup, address, preview, barcoder),
                             preview, parent, envelopeStatusTexts());
    status.exec();
    return status.outcome();
}

PrintOutcome printEnvelopeOn(PrinterCatalog& catalog, const EnvelopeSetup& setup,
                             const AddressValues& address, PrinterCorrection correction,
                             QWidget* parent, PieceBarcoder* barcoder) {
    const auto surface = catalog.jobSurface();
    ShiftedSurface calibrated(*surface, correction.drawingOffset());
    return runEnvelopeJob(calibrated, catalog.printer(), setup, address, false, parent, barcoder);
}

PrintOutcome previewEnvelope(QPrinter& printer, const EnvelopeSetup& setup,
                             const AddressValues& address, const EnvelopePreview& preview,
                             QWidget* parent, PieceBarcoder* barcoder) {
    // Laid out for the printer's unprintable margins and resolution, as it would print.
    const PrinterSurface printerSide(printer);
    RecordedPages pages(printerSide.unprintableMargins(), printerSide.resolution());
    return previewJob(pages, envelopeJob(printer, setup, address, true, barcoder),
                      QCoreApplication::translate("EnvelopePrinting", "Preview Envelope"),
                      envelopeStatusTexts(), parent, {{}, preview});
}

}  // namespace rp

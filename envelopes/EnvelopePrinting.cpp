#include "envelopes/EnvelopePrinting.h"

#include <QPrinter>

#include "envelopes/EnvelopeRun.h"
#include "framework/PrinterCatalog.h"
#include "framework/PrinterPaper.h"
#include "framework/PrinterSurface.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"

namespace rp {

PrintOutcome runEnvelopeJob(ReportSurface& surface, const QPrinter& printer,
                            const EnvelopeSetup& setup, const AddressValues& address, bool preview,
                            QWidget* parent, PieceBarcoder* barcoder) {
    PrintStatusDialog status(
        surface,
        [&](ReportCanvas& canvas, const std::function<bool()>&) {
            usePrinterPaper(canvas, printer);
            runEnvelope(canvas, setup, address, preview, barcoder);
        },
        preview, parent, envelopeStatusTexts());
    status.exec();
    return status.outcome();
}

PrintOutcome printEnvelopeOn(PrinterCatalog& catalog, const EnvelopeSetup& setup,
                             const AddressValues& address, QWidget* parent,
                             PieceBarcoder* barcoder) {
    const auto surface = catalog.jobSurface();
    return runEnvelopeJob(*surface, catalog.printer(), setup, address, false, parent, barcoder);
}

PrintOutcome previewEnvelope(QPrinter& printer, const EnvelopeSetup& setup,
                             const AddressValues& address, const EnvelopePreview& preview,
                             QWidget* parent, PieceBarcoder* barcoder) {
    // Laid out for the printer's unprintable margins and resolution, as it would print.
    const PrinterSurface printerSide(printer);
    RecordedPages pages(printerSide.unprintableMargins(), printerSide.resolution());
    const PrintOutcome outcome =
        runEnvelopeJob(pages, printer, setup, address, true, parent, barcoder);
    if (outcome != PrintOutcome::Cancelled && preview)
        preview(pages, QStringLiteral("Preview Envelope"));
    return outcome;
}

}  // namespace rp

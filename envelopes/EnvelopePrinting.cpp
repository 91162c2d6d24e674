#include "envelopes/EnvelopePrinting.h"

#include <QPrinter>

#include "envelopes/EnvelopeRun.h"
#include "framework/PrinterCatalog.h"
#include "framework/PrinterPaper.h"
#include "framework/PrinterSurface.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"

namespace rp {

PrintOutcome RunEnvelopeJob(ReportSurface& surface, const QPrinter& printer,
                            const EnvelopeSetup& setup, const AddressValues& address, bool preview,
                            QWidget* parent) {
    TPrintStatus status(
        surface,
        [&](ReportCanvas& canvas, const std::function<bool()>&) {
            UsePrinterPaper(canvas, printer);
            RunEnvelope(canvas, setup, address, preview);
        },
        preview, parent, EnvelopeStatusTexts());
    status.exec();
    return status.outcome();
}

PrintOutcome PrintEnvelopeOn(PrinterCatalog& catalog, const EnvelopeSetup& setup,
                             const AddressValues& address, QWidget* parent) {
    const auto surface = catalog.jobSurface();
    return RunEnvelopeJob(*surface, catalog.printer(), setup, address, false, parent);
}

PrintOutcome PreviewEnvelope(QPrinter& printer, const EnvelopeSetup& setup,
                             const AddressValues& address, const EnvelopePreview& preview,
                             QWidget* parent) {
    // Laid out for the printer's unprintable margins and resolution, as it would print.
    const PrinterSurface printerSide(printer);
    RecordedPages pages(printerSide.unprintableMargins(), printerSide.resolution());
    const PrintOutcome outcome = RunEnvelopeJob(pages, printer, setup, address, true, parent);
    if (outcome != PrintOutcome::Cancelled && preview)
        preview(pages, QStringLiteral("Preview Envelope"));
    return outcome;
}

}  // namespace rp

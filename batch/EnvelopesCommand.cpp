// "envelopes": the envelope run of the Print Envelope dialog, one page per chosen record (or
// the one record --record names), to a PDF file or a printer. The paper is --paper when given;
// else a PDF is the envelope itself, as the dialog makes it, and a printer keeps its own.
#include <QCoreApplication>
#include <QDir>
#include <QPrinter>

#include "batch/BarcodeOption.h"
#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "batch/OutputPrinter.h"
#include "batch/PaperOption.h"
#include "batch/SetupLookup.h"
#include "data/AddressTable.h"
#include "data/DataFolder.h"
#include "envelopes/EnvelopePrinter.h"
#include "envelopes/EnvelopeRun.h"
#include "framework/PrinterPaper.h"
#include "framework/PrinterSurface.h"
#include "framework/ReportCanvas.h"
#include "framework/ShiftedSurface.h"
#include "mailpiece/AddressBlock.h"
#include "xbase/Table.h"

namespace rp {
namespace {

OptionNames envelopeOptions() {
    OptionNames names = commonOptions();
    for (const char* name : {"setup", "record", "output", "printer", "paper", "barcode"})
        names.withValue.insert(QString::fromLatin1(name));
    return names;
}

}  // namespace

int runEnvelopes(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, envelopeOptions());
    if (!args.has(QStringLiteral("setup")))
        throw BatchError(
            QCoreApplication::translate("EnvelopesCommand", "--setup DESCRIPTION is needed"));
    paperOption(args);  // a bad --paper is told before anything else is opened
    const bool oneRecord = args.has(QStringLiteral("record"));
    args.number(QStringLiteral("record"), 1, 1);  // a bad --record is told before anything opens

    BatchJob job(args, executableFolder);
    PieceBarcoder barcoder(barcodeOption(args, job.dataFolder()));
    EnvelopeSetup setup;
    {
        const auto setups =
            openSideTable(job.engine(), job.dataFolder() + QStringLiteral("RVPESU.DBF"));
        setup = findEnvelopeSetup(*setups, args.value(QStringLiteral("setup")));
    }
    // The printer, source, paper and orientation the dialog remembers for the setup; a PDF
    // named by --output is the envelope itself. --paper puts its paper in either.
    OutputPrinter output(args, QStringLiteral("envelope.pdf"), [&](PrinterCatalog& catalog) {
        EnvelopePrinter(catalog).recall(
            iniPreferenceAccess(job.dataFolder() + QLatin1String(kIniFileName)), setup);
    });
    QPrinter& printer = output.printer();
    if (output.named() && output.toPdf()) printer.setPageSize(envelopeSheet(setup));
    if (const auto paper = paperOption(args)) printer.setPageSize(*paper);

    xbase::Table& table = job.table();
    std::uint64_t total = 1;
    if (oneRecord) {
        if (args.has(QStringLiteral("filter")))
            throw BatchError(QCoreApplication::translate(
                "EnvelopesCommand", "--record prints that one record: leave out --filter"));
        job.goToRecordOption();
    } else {
        job.chooseRecords();
        total = table.visibleCount();
        table.goTop();
    }
    if (total == 0)
        throw BatchError(QCoreApplication::translate(
            "EnvelopesCommand", "no record is chosen: there is no envelope to print"));

    job.startPass(QStringLiteral("envelopes"), total);
    PrinterSurface surface(printer);
    ShiftedSurface calibrated(surface, output.correction(job.dataFolder()).drawingOffset());
    ReportCanvas canvas(calibrated);
    usePrinterPaper(canvas, printer);
    beforePrintEnvelope(canvas, setup);
    if (!canvas.start()) return kExitError;
    std::uint64_t printed = 0;
    while (printed < total && !table.eof()) {
        if (printed > 0) canvas.newPage();
        printEnvelope(canvas, setup, readAddressValues(table), false, &barcoder);
        ++printed;
        if (!job.recordDone()) {
            canvas.abort();
            return kExitStopped;
        }
        if (!oneRecord) table.skip();
    }
    canvas.finish();
    storeNextSerial(barcoder, job.dataFolder());
    return kExitDone;
}

}  // namespace rp

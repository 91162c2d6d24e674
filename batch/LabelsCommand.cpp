// "labels": the label run of the Print Labels dialog on the chosen records, to a PDF file or a
// printer. A presorted run writes its PRESORT.PSL into a private work folder, so a running
// program's list is never changed under it.
#include <QCoreApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>

#include "batch/BarcodeOption.h"
#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "batch/OutputPrinter.h"
#include "batch/SetupLookup.h"
#include "data/AddressTable.h"
#include "data/Households.h"
#include "framework/Messages.h"
#include "framework/PrinterSurface.h"
#include "framework/ReportCanvas.h"
#include "framework/ShiftedSurface.h"
#include "labels/LabelPrintJob.h"
#include "labels/LabelSheet.h"
#include "postal/Presort.h"
#include "xbase/Table.h"

namespace rp {
namespace {

OptionNames labelOptions() {
    OptionNames names = commonOptions();
    for (const char* name :
         {"setup", "copies", "start-record", "start-label", "output", "printer", "barcode"})
        names.withValue.insert(QString::fromLatin1(name));
    names.switches.insert(QStringLiteral("presort"));
    names.switches.insert(QStringLiteral("households"));
    return names;
}

}  // namespace

int runLabels(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, labelOptions());
    if (!args.has(QStringLiteral("setup")))
        throw BatchError(
            QCoreApplication::translate("LabelsCommand", "--setup DESCRIPTION is needed"));
    LabelPrintRequest request;
    request.records = LabelRecords::Filtered;
    request.copies = args.number(QStringLiteral("copies"), 1, 1);
    request.presort = args.has(QStringLiteral("presort"));
    request.households = args.has(QStringLiteral("households"));
    request.startFromCurrent = args.has(QStringLiteral("start-record"));
    const auto start =
        static_cast<std::uint32_t>(args.number(QStringLiteral("start-record"), 1, 1));

    BatchJob job(args, executableFolder);
    PieceBarcoder barcoder(barcodeOption(args, job.dataFolder()));
    OutputPrinter output(args, QStringLiteral("labels.pdf"));
    QPrinter& printer = output.printer();
    {
        const auto setups =
            openSideTable(job.engine(), job.dataFolder() + QStringLiteral("RVPLSU.DBF"));
        request.setup = findLabelSetup(*setups, args.value(QStringLiteral("setup")));
    }
    request.startLabel = args.number(QStringLiteral("start-label"), 1, 1);
    if (request.startLabel > std::max(labelsPerSheet(request.setup), 1))
        throw BatchError(
            QCoreApplication::translate("LabelsCommand",
                                        "--start-label: the setup's sheet has %1 labels, not %2")
                .arg(labelsPerSheet(request.setup))
                .arg(request.startLabel));

    job.chooseRecords();
    xbase::Table& table = job.table();
    const std::uint64_t total = table.visibleCount();
    chooseLabelRecords(table, request, start);

    QTemporaryDir work;
    if (request.presort) {
        job.startPass(QStringLiteral("presort"), total);
        PresortHooks hooks;
        hooks.afterRecord = [&] { return job.recordDone(); };
        const PresortResult presorted =
            runPresort(table, work.path(), hooks,
                       request.households ? PresortCount::Households : PresortCount::Records);
        if (presorted == PresortResult::Cancelled) return kExitStopped;
        if (presorted == PresortResult::Failed) return kExitError;
        table.setOrder("ZIP");
        showInformation(presortOrderMessage());
    }
    if (!confirmLabelPaper(printer, request.setup)) return kExitError;

    Households households;
    if (request.households) {
        job.startPass(QStringLiteral("households"), total);
        if (!readLabelHouseholds(table, request, households, [&] { return job.recordDone(); }))
            return kExitStopped;
        std::fprintf(stderr, "%s\n",
                     piecesSavedText(households.piecesSaved()).toLocal8Bit().constData());
    }
    job.startPass(QStringLiteral("labels"), total);
    PrinterSurface surface(printer);
    ShiftedSurface calibrated(surface, output.correction(job.dataFolder()).drawingOffset());
    ReportCanvas canvas(calibrated);
    labelReportJob(table, request, work.path(), &barcoder,
                   request.households ? &households : nullptr)(canvas, [&] {
        if (!job.recordDone()) canvas.abort();
        return !canvas.aborted();
    });
    const bool stopped = canvas.aborted();
    if (canvas.printing()) canvas.finish();
    if (stopped) return kExitStopped;
    storeNextSerial(barcoder, job.dataFolder());
    return kExitDone;
}

}  // namespace rp

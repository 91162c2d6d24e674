// "zip-count": the count of the Count Zip Codes window over the chosen records, printed as its
// report to a PDF file or a printer (on the paper --paper names or else the printer's), or with
// --text as the count lines on standard output.
#include <QCoreApplication>
#include <QDir>
#include <QPrinter>
#include <cstdio>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "batch/OutputPrinter.h"
#include "batch/PaperOption.h"
#include "framework/PrinterPaper.h"
#include "framework/PrinterSurface.h"
#include "framework/ReportCanvas.h"
#include "postal/ZipCount.h"
#include "postal/ZipReport.h"
#include "xbase/Table.h"

namespace rp {
namespace {

OptionNames zipCountOptions() {
    OptionNames names = commonOptions();
    names.withValue.insert(QStringLiteral("output"));
    names.withValue.insert(QStringLiteral("printer"));
    names.withValue.insert(QStringLiteral("paper"));
    names.switches.insert(QStringLiteral("text"));
    return names;
}

}  // namespace

int runZipCount(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, zipCountOptions());
    const bool text = args.has(QStringLiteral("text"));
    if (text && (args.has(QStringLiteral("output")) || args.has(QStringLiteral("printer"))))
        throw BatchError(QCoreApplication::translate(
            "ZipCountCommand",
            "--text writes to standard output; leave out --output and --printer"));
    if (text && args.has(QStringLiteral("paper")))
        throw BatchError(QCoreApplication::translate(
            "ZipCountCommand", "--text prints on no paper; leave out --paper"));
    const std::optional<QPageSize> paper = paperOption(args);

    BatchJob job(args, executableFolder);
    std::optional<OutputPrinter> output;
    if (!text) output.emplace(args, QStringLiteral("zip-count.pdf"));

    job.chooseRecords();
    xbase::Table& table = job.table();
    job.startPass(QStringLiteral("zip-count"), table.visibleCount());
    const std::optional<QStringList> lines =
        countZipCodes(table, {[](const QString&) {}, [&] { return job.recordDone(); }});
    if (!lines) return kExitStopped;

    if (text) {
        for (const QString& line : *lines) std::printf("%s\n", line.toLocal8Bit().constData());
        return kExitDone;
    }
    job.startPass(QStringLiteral("report"), static_cast<std::uint64_t>(lines->size()));
    QPrinter& printer = output->printer();
    if (paper) printer.setPageSize(*paper);
    PrinterSurface surface(printer);
    ReportCanvas canvas(surface);
    usePrinterPaper(canvas, printer);
    if (!printZipReport(canvas, *lines, [&] {
            if (!job.recordDone()) canvas.abort();
            return !canvas.aborted();
        }))
        throw BatchError(
            QCoreApplication::translate("ZipCountCommand", "the report could not be started on %1")
                .arg(output->toPdf() ? printer.outputFileName() : printer.printerName()));
    const bool stopped = canvas.aborted();
    if (canvas.printing()) canvas.finish();
    return stopped ? kExitStopped : kExitDone;
}

}  // namespace rp

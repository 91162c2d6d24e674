// "report": the list report of the Print Report dialog on the chosen records, in one of its
// four layouts, to a PDF file or a printer, on the paper --paper names or else the printer's.
#include <QCoreApplication>
#include <QPrinter>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "batch/OutputPrinter.h"
#include "batch/PaperOption.h"
#include "framework/PrinterPaper.h"
#include "framework/PrinterSurface.h"
#include "framework/ReportCanvas.h"
#include "reports/ListReport.h"
#include "xbase/Table.h"

namespace rp {
namespace {

OptionNames reportOptions() {
    OptionNames names = commonOptions();
    for (const char* name : {"layout", "title", "start-record", "output", "printer", "paper"})
        names.withValue.insert(QString::fromLatin1(name));
    names.switches.insert(QStringLiteral("memo"));
    names.switches.insert(QStringLiteral("codes"));
    return names;
}

}  // namespace

int runReport(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, reportOptions());
    if (!args.has(QStringLiteral("layout")))
        throw BatchError(QCoreApplication::translate("ReportCommand", "--layout 1..4 is needed"));
    if (!args.has(QStringLiteral("title")))
        throw BatchError(QCoreApplication::translate("ReportCommand", "--title TEXT is needed"));
    const std::optional<QPageSize> paper = paperOption(args);
    ListReportRequest request;
    request.layout = args.number(QStringLiteral("layout"), 1, 1);
    if (request.layout > 4)
        throw BatchError(
            QCoreApplication::translate("ReportCommand", "--layout takes 1, 2, 3 or 4, not %1")
                .arg(request.layout));
    request.title = args.value(QStringLiteral("title"));
    request.memo = args.has(QStringLiteral("memo"));
    request.codes = args.has(QStringLiteral("codes"));
    request.records = ReportRecords::Filtered;
    request.startFromCurrent = args.has(QStringLiteral("start-record"));
    const auto start =
        static_cast<std::uint32_t>(args.number(QStringLiteral("start-record"), 1, 1));

    BatchJob job(args, executableFolder);
    request.dateFormat = job.shortDateFormat();
    OutputPrinter output(args, QStringLiteral("report.pdf"));
    QPrinter& printer = output.printer();
    if (paper) printer.setPageSize(*paper);

    job.chooseRecords();
    xbase::Table& table = job.table();
    const std::uint64_t total = table.visibleCount();
    chooseReportRecords(table, request, start);

    job.startPass(QStringLiteral("report"), total);
    PrinterSurface surface(printer);
    ReportCanvas canvas(surface);
    usePrinterPaper(canvas, printer);
    listReportJob(table, request)(canvas, [&] {
        if (!job.recordDone()) canvas.abort();
        return !canvas.aborted();
    });
    if (!canvas.printing() && !canvas.aborted())
        throw BatchError(
            QCoreApplication::translate("ReportCommand", "the report could not be started on %1")
                .arg(output.toPdf() ? printer.outputFileName() : printer.printerName()));
    const bool stopped = canvas.aborted();
    if (canvas.printing()) canvas.finish();
    return stopped ? kExitStopped : kExitDone;
}

}  // namespace rp

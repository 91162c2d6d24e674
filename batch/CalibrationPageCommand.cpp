// "calibration-page": the printer calibration page on a printer or into a PDF file, on the paper
// --paper names or else the printer's. It is printed as drawn, whatever correction the printer
// has, so that what is measured on it is the printer's own error.
#include <QCoreApplication>
#include <QPrinter>

#include "batch/BatchArgs.h"
#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/OutputPrinter.h"
#include "batch/PaperOption.h"
#include "framework/CalibrationPage.h"
#include "framework/PrinterSurface.h"
#include "framework/ReportCanvas.h"

namespace rp {

int runCalibrationPage(const QStringList& arguments, const QString&) {
    OptionNames names;
    // --home is taken like every command's, though the page needs no data folder.
    names.withValue = {QStringLiteral("printer"), QStringLiteral("output"), QStringLiteral("paper"),
                       QStringLiteral("home")};
    const BatchArgs args(arguments, names);
    if (args.positional().size() > 1)
        throw BatchError(QCoreApplication::translate("CalibrationPageCommand",
                                                     "calibration-page takes no address file"));
    const auto paper = paperOption(args);
    OutputPrinter output(args, QStringLiteral("calibration.pdf"));
    QPrinter& printer = output.printer();
    if (paper) printer.setPageSize(*paper);

    PrinterSurface surface(printer);
    ReportCanvas canvas(surface);
    calibrationPageJob(printer, output.catalog().selected())(canvas, [] { return true; });
    if (!canvas.printing())
        throw BatchError(
            QCoreApplication::translate("CalibrationPageCommand",
                                        "the calibration page could not be started on %1")
                .arg(output.toPdf() ? printer.outputFileName() : printer.printerName()));
    canvas.finish();
    return kExitDone;
}

}  // namespace rp

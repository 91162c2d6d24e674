#include "batch/OutputPrinter.h"

#include <QDir>
#include <QPrinter>

#include "batch/BatchArgs.h"
#include "batch/BatchError.h"

namespace rp {

bool chooseOutputPrinter(QPrinter& printer, const BatchArgs& args, const QString& missingText) {
    const QString name = args.value(QStringLiteral("printer"));
    const QString output = args.value(QStringLiteral("output"));
    if (!name.isEmpty()) {
        printer.setPrinterName(name);
        if (!printer.isValid())
            throw BatchError(QStringLiteral("--printer: there is no printer %1").arg(name));
        return false;
    }
    if (output.isEmpty()) throw BatchError(missingText);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir::current().absoluteFilePath(output));
    return true;
}

}  // namespace rp

#include "batch/OutputPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrinter>
#include <cstdio>

#include "batch/BatchArgs.h"
#include "batch/BatchError.h"
#include "data/DataFolder.h"
#include "data/IniFile.h"

namespace rp {

OutputPrinter::OutputPrinter(const BatchArgs& args, const QString& pdfName,
                             const std::function<void(PrinterCatalog&)>& recall)
    : catalog_(PrinterCatalog::fromSystem()) {
    const QString name = args.value(QStringLiteral("printer"));
    const QString output = args.value(QStringLiteral("output"));
    named_ = !name.isEmpty() || !output.isEmpty();
    if (!name.isEmpty()) {
        if (name == PrinterCatalog::pdfPrinterName() || !catalog_.select(name))
            throw BatchError(
                QCoreApplication::translate(
                    "OutputPrinter", "--printer: there is no printer %1; the printers are %2")
                    .arg(name, catalog_.names().join(QStringLiteral(", "))));
    } else if (!output.isEmpty()) {
        catalog_.select(PrinterCatalog::pdfPrinterName());
    } else if (recall) {
        recall(catalog_);
    }
    if (!toPdf()) return;
    const QString file = QDir::current().absoluteFilePath(output.isEmpty() ? pdfName : output);
    if (output.isEmpty())
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate("OutputPrinter", "ravenpost-batch: printing to %1")
                         .arg(QDir::toNativeSeparators(file))
                         .toLocal8Bit()
                         .constData());
    catalog_.printer().setOutputFileName(file);
}

PrinterCorrection OutputPrinter::correction(const QString& dataFolder) const {
    return loadPrinterCorrection(IniFile(dataFolder + QLatin1String(kIniFileName)),
                                 catalog_.selected());
}

}  // namespace rp

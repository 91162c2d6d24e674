#include "framework/PrinterCatalog.h"

#include <QPrinterInfo>

#include "framework/FileChooser.h"

namespace rp {

PrinterCatalog PrinterCatalog::fromSystem()
{
    return PrinterCatalog(QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName());
}

PrinterCatalog::PrinterCatalog(QStringList systemPrinters, QString systemDefault)
    : system_(std::move(systemPrinters)), systemDefault_(std::move(systemDefault))
{
    selected_ = defaultPrinter();
}

QStringList PrinterCatalog::names() const
{
    return system_ + QStringList{pdfPrinterName()};
}

QString PrinterCatalog::defaultPrinter() const
{
    return system_.contains(systemDefault_) ? systemDefault_ : pdfPrinterName();
}

bool PrinterCatalog::select(const QString& name)
{
    if (!names().contains(name)) return false;
    if (name != selected_) discardSettings();
    selected_ = name;
    return true;
}

void PrinterCatalog::restoreSelection()
{
    select(defaultPrinter());
    select(remembered_);
    discardSettings();
}

QPrinter& PrinterCatalog::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (pdfSelected()) printer_->setOutputFormat(QPrinter::PdfFormat);
        else printer_->setPrinterName(selected_);
    }
    return *printer_;
}

bool PrinterCatalog::prepareJob()
{
    if (!pdfSelected()) return true;
    FileRequest request;
    request.caption = QStringLiteral("Print to PDF File");
    request.filter = QStringLiteral("PDF Files|*.pdf");
    request.defaultSuffix = QStringLiteral("pdf");
    request.confirmOverwrite = true;
    const std::optional<QString> path = fileChooser().newFile(request);
    if (!path) return false;
    printer().setOutputFileName(*path);
    return true;
}

}  // namespace rp

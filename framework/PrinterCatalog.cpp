#include "framework/PrinterCatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <exception>

#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "framework/PrintDialogs.h"
#include "framework/PrinterSurface.h"

namespace rp {

PrinterCatalog PrinterCatalog::fromSystem() {
    return PrinterCatalog(QPrinterInfo::availablePrinterNames(),
                          QPrinterInfo::defaultPrinterName());
}

PrinterCatalog::PrinterCatalog(QStringList systemPrinters, QString systemDefault)
    : system_(std::move(systemPrinters)), systemDefault_(std::move(systemDefault)) {
    selected_ = defaultPrinter();
}

QStringList PrinterCatalog::names() const {
    return system_ + QStringList{pdfPrinterName()};
}

QString PrinterCatalog::defaultPrinter() const {
    return system_.contains(systemDefault_) ? systemDefault_ : pdfPrinterName();
}

bool PrinterCatalog::select(const QString& name) {
    if (!names().contains(name)) return false;
    if (name != selected_) discardSettings();
    selected_ = name;
    return true;
}

void PrinterCatalog::restoreSelection() {
    select(defaultPrinter());
    select(remembered_);
    discardSettings();
}

QPrinter& PrinterCatalog::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (pdfSelected())
            printer_->setOutputFormat(QPrinter::PdfFormat);
        else
            printer_->setPrinterName(selected_);
    }
    return *printer_;
}

QString PrinterCatalog::pdfFolder() const {
    const QString folder = pdfFolder_.read ? pdfFolder_.read() : QString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

bool PrinterCatalog::showPrintDialog(const QString& pdfName) {
    QPrinter& job = printer();
    if (pdfSelected()) job.setOutputFileName(QDir(pdfFolder()).filePath(pdfName));
    return printDialogs().print(job);
}

std::unique_ptr<PrinterSurface> PrinterCatalog::jobSurface() {
    return std::make_unique<PrinterSurface>(
        printer(), [this](const QString& file) { rememberPdfFolder(file); });
}

void PrinterCatalog::rememberPdfFolder(const QString& file) {
    if (!pdfFolder_.write) return;
    try {
        pdfFolder_.write(QDir::toNativeSeparators(QFileInfo(file).absolutePath()));
    } catch (const std::exception& e) {
        showError(e);
    }
}

}  // namespace rp

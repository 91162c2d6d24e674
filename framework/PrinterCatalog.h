#pragma once
// The printers a report can go to: the system's printers and a built-in printer, "PDF file",
// that writes a PDF file chosen through the file chooser, so that every machine can print.
// One printer is selected; its QPrinter keeps the settings of the print and set-up dialogs
// until the selection changes or the settings are discarded.
#include <QPrinter>
#include <QStringList>
#include <memory>

#include "framework/PrinterAccess.h"

namespace rp {

class PrinterCatalog : public PrinterAccess {
public:
    static QString pdfPrinterName() { return QStringLiteral("PDF file"); }

    // The system's printers as Qt lists them.
    static PrinterCatalog fromSystem();
    // A catalog over the given system printer names (empty default: none).
    PrinterCatalog(QStringList systemPrinters, QString systemDefault);

    // The system's printers, then "PDF file".
    QStringList names() const;
    bool anyInstalled() const override { return !names().isEmpty(); }
    // The system's default printer, or "PDF file" when the system has none.
    QString defaultPrinter() const;

    const QString& selected() const { return selected_; }
    // False (and the selection kept) for a name not in the list.
    bool select(const QString& name);
    bool pdfSelected() const { return selected_ == pdfPrinterName(); }

    // Keeps the current selection; restoreSelection() selects the default printer, then the
    // kept one, and discards the printer settings.
    void rememberSelection() override { remembered_ = selected_; }
    void restoreSelection() override;

    // The selected printer with the settings made so far.
    QPrinter& printer();
    // The next printer() starts again from the system's settings.
    void discardSettings() { printer_.reset(); }
    // Readies the printer for a job. For "PDF file" asks for the file to write, and returns
    // false when the user cancels.
    bool prepareJob();

private:
    QStringList system_;
    QString systemDefault_;
    QString selected_;
    QString remembered_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace rp

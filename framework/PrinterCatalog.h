#pragma once
// The printers a report can go to: the system's printers and a built-in printer, "PDF file",
// that writes a PDF file named in the print dialog, so that every machine can print.
// One printer is selected; its QPrinter keeps the settings of the print and set-up dialogs
// until the selection changes or the settings are discarded.
#include <QPrinter>
#include <QStringList>
#include <functional>
#include <memory>

#include "framework/PrinterAccess.h"

namespace rp {

class PrinterSurface;

// Where the folder of the last PDF written is kept between runs; the program keeps it in its
// preferences file. read gives an empty text when none is kept; write may throw
// std::exception, whose text names the file and the cause.
struct PdfFolderMemory {
    std::function<QString()> read;
    std::function<void(const QString& folder)> write;
};

class PrinterCatalog : public PrinterAccess {
  public:
    // Untranslated: the name is remembered with the printer choices and given to the batch
    // commands, like the system printers' names.
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

    void setPdfFolderMemory(PdfFolderMemory memory) { pdfFolder_ = std::move(memory); }
    // The folder a PDF is proposed in: the folder of the last PDF written while it exists,
    // else the home folder.
    QString pdfFolder() const;
    // The print dialog for a job on the selected printer; for "PDF file" it proposes the file
    // pdfName in pdfFolder(), and the job writes the file the user confirms there. True when
    // the user confirmed.
    bool showPrintDialog(const QString& pdfName);
    // What a confirmed job prints on: the selected printer; a file it writes completely
    // (a PDF) has its folder remembered.
    std::unique_ptr<PrinterSurface> jobSurface();

  private:
    void rememberPdfFolder(const QString& file);

    QStringList system_;
    QString systemDefault_;
    QString selected_;
    QString remembered_;
    std::unique_ptr<QPrinter> printer_;
    PdfFolderMemory pdfFolder_;
};

}  // namespace rp

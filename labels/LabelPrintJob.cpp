#include "labels/LabelPrintJob.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinter>

#include "data/AddressLayout.h"
#include "data/DataFolder.h"
#include "data/Households.h"
#include "data/IniFile.h"
#include "data/TableRestore.h"
#include "framework/Messages.h"
#include "framework/PrintStatusDialog.h"
#include "framework/PrinterCatalog.h"
#include "framework/PrinterSurface.h"
#include "framework/RecordedPages.h"
#include "framework/RecordingPreview.h"
#include "framework/ReportCanvas.h"
#include "framework/ShiftedSurface.h"
#include "framework/UnstoredSettings.h"
#include "labels/LabelPrintRun.h"
#include "labels/LabelSheet.h"
#include "mailpiece/PostalBarcode.h"
#include "mailpiece/PrintRecords.h"
#include "mailpiece/PrinterCalibration.h"
#include "xbase/Table.h"

namespace rp {
namespace {

// With households, the final texts keep the pieces saved (the second status line) above them.
PrintStatusTexts labelStatusTexts(bool households) {
    PrintStatusTexts texts =
        PrintStatusTexts::forJob(QCoreApplication::translate("LabelPrintJob", "Label"));
    if (households) {
        for (QString* text : {&texts.printCanceled, &texts.previewCanceled, &texts.previewStopped,
                              &texts.printCompleted, &texts.previewReady})
            text->prepend(QStringLiteral("%1"));
    }
    return texts;
}

// The page the printer takes for the paper, in inches as printed.
QSizeF printerPage(QPrinter& printer, const ReportPaper& paper) {
    printer.setPageLayout(paper.pageLayout());
    return printer.pageLayout().fullRect(QPageLayout::Inch).size();
}

}  // namespace

LabelPrintJob::LabelPrintJob(xbase::Table& table, QString programFolder, PrinterCatalog& catalog,
                             PresortRunner presort, QWidget* parent)
    : table_(table),
      folder_(std::move(programFolder)),
      catalog_(catalog),
      presort_(std::move(presort)),
      parent_(parent) {
    showStatus = [](PrintStatusDialog& status) { status.exec(); };
}

void LabelPrintJob::printNow(const LabelPrintRequest& request) {
    if (!catalog_.showPrintDialog(QStringLiteral("labels.pdf"))) return;
    doPrint(request, true);
}

void LabelPrintJob::preview(const LabelPrintRequest& request) {
    doPrint(request, false);
}

void LabelPrintJob::doPrint(const LabelPrintRequest& request, bool printMode) {
    // The filter, the order (ZIP when presorted), the record and the exact matching go back
    // however the run ends.
    const TableRestore restore(table_);
    const std::uint32_t recno = table_.eof() ? 0 : table_.recNo();

    chooseLabelRecords(table_, request, recno);
    const PresortCount count =
        request.households ? PresortCount::Households : PresortCount::Records;
    if (request.presort && (!presortDone_ || presortCount_ != count)) {
        presortDone_ = presort_(table_, folder_, parent_, count);
        presortCount_ = count;
    }
    if (!request.presort || presortDone_) {
        if (request.presort) {
            table_.setOrder("ZIP");
            showInformation(presortOrderMessage());
        }
        Households households;
        if (request.households) readLabelHouseholds(table_, request, households);
        runStatusWindow(request, printMode, request.households ? &households : nullptr);
    }
}

bool readLabelHouseholds(xbase::Table& table, const LabelPrintRequest& request,
                         Households& households, const std::function<bool()>& keepGoing) {
    const std::uint32_t start = table.eof() ? 0 : table.recNo();
    if (request.presort) table.goTop();
    const bool completed = households.addFrom(table, keepGoing);
    if (start != 0) table.go(start);
    return completed;
}

QString presortOrderMessage() {
    return QCoreApplication::translate("LabelPrintJob",
                                       "Labels will print/preview in the following order:\r\n"
                                       "  1. 5-Digit presort\r\n  2. 3-Digit presort\r\n"
                                       "  3. ADC presort");
}

QString piecesSavedText(std::uint64_t saved) {
    return QCoreApplication::translate("LabelPrintJob", "Pieces saved by One per household: %n",
                                       nullptr, static_cast<int>(saved));
}

void chooseLabelRecords(xbase::Table& table, const LabelPrintRequest& request,
                        std::uint32_t current) {
    selectPrintRecords(table, request.records, current);
    goToPrintStart(table, request.startFromCurrent, current);
}

bool confirmLabelPaper(QPrinter& printer, const LabelSetup& setup) {
    return !paperDiffers(printerPage(printer, labelPaper(setup)), setup) ||
           askYesNo(paperQuestion(setup));
}

ReportJob labelReportJob(xbase::Table& table, const LabelPrintRequest& request,
                         const QString& presortFolder, PieceBarcoder* barcoder,
                         Households* households) {
    return [&table, request, presortFolder, barcoder, households](
               ReportCanvas& canvas, const std::function<bool()>& keepGoing) {
        selectPaper(canvas, labelPaper(request.setup));
        if (!canvas.start()) return;
        LabelPrintRun run(table, request.setup, request.copies, barcoder);
        run.startAtLabel(request.startLabel);
        if (households) {
            run.useHouseholds(households);
            canvas.setStatusLine(1, piecesSavedText(households->piecesSaved()));
        }
        if (request.presort) run.usePresortList(loadPresortList(presortFolder));
        run.printLabels(canvas, keepGoing);
    };
}

void LabelPrintJob::runStatusWindow(const LabelPrintRequest& request, bool printMode,
                                    Households* households) {
    QPrinter& printer = catalog_.printer();
    if (!confirmLabelPaper(printer, request.setup)) return;
    IniFile ini(folder_ + QLatin1String(kIniFileName));
    PieceBarcoder barcoder(loadPostalBarcode(ini));
    const ReportJob job = labelReportJob(table_, request, folder_, &barcoder, households);
    if (printMode) {
        const auto surface = catalog_.jobSurface();
        // Moved back by what the printer puts its output off, when it has been calibrated.
        ShiftedSurface calibrated(*surface,
                                  loadPrinterCorrection(ini, catalog_.selected()).drawingOffset());
        PrintStatusDialog status(calibrated, job, false, parent_,
                                 labelStatusTexts(households != nullptr));
        showStatus(status);
        if (status.outcome() == PrintOutcome::Completed && barcoder.serialsUsed() > 0)
            storeSettings(ini.path(), [&] { saveNextSerial(ini, barcoder.nextSerial()); });
        return;
    }
    // Laid out for the printer's unprintable margins and resolution, as it would print.
    const PrinterSurface printerSide(printer);
    RecordedPages pages(printerSide.unprintableMargins(), printerSide.resolution());
    PreviewHooks hooks;
    if (showPreview) {
        hooks.showStatus = showStatus;
        hooks.showPreview = [this](const RecordedPages& recorded, const QString&) {
            showPreview(recorded);
        };
    }
    previewJob(pages, job, QCoreApplication::translate("LabelPrintJob", "Preview Labels"),
               labelStatusTexts(households != nullptr), parent_, hooks);
}

}  // namespace rp

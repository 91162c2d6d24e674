#include "labels/LabelPrintJob.h"

#include <QPageLayout>
#include <QPrinter>

#include "data/AddressLayout.h"
#include "data/TableRestore.h"
#include "framework/Messages.h"
#include "framework/PreviewWindow.h"
#include "framework/PrintStatusDialog.h"
#include "framework/PrinterCatalog.h"
#include "framework/PrinterSurface.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"
#include "labels/LabelPrintRun.h"
#include "labels/LabelSheet.h"
#include "xbase/Table.h"

namespace rp {
namespace {

PrintStatusTexts labelStatusTexts() {
    PrintStatusTexts texts;
    texts.cancelQuestion = QStringLiteral("Cancel Label Printing?");
    texts.printCanceled = QStringLiteral("\rLabel Print Canceled!");
    texts.previewCanceled = QStringLiteral("\rLabel Preview Canceled!");
    texts.previewStopped = QStringLiteral("\rPreview Stopped at page %p!");
    texts.printCompleted = QStringLiteral("\rLabel Print Completed!");
    texts.previewReady = QStringLiteral("\rLabel Preview Ready!");
    return texts;
}

// The page the printer takes for the paper, in inches as printed.
QSizeF printerPage(QPrinter& printer, const ReportPaper& paper) {
    printer.setPageLayout(paper.pageLayout());
    return printer.pageLayout().fullRect(QPageLayout::Inch).size();
}

// Whether the record the table stands on belongs to its view: not a hidden deleted record,
// and passing the filter. (Going to a record by its number stands on it whatever it holds.)
bool recordInView(const xbase::Table& table) {
    if (table.eof()) return false;
    if (table.engine().settings.hideDeleted && table.deleted()) return false;
    if (table.filter().empty()) return true;
    return table.compile(table.filter()).evalLogical(table, table.engine().settings);
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
    showPreview = [this](const RecordedPages& pages) {
        PreviewWindow preview(pages, kLabelPreviewCaption, parent_);
        preview.exec();
    };
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

    chooseRecords(request, recno);
    if (request.presort && !presortDone_) presortDone_ = presort_(table_, folder_, parent_);
    if (!request.presort || presortDone_) {
        if (request.presort) {
            table_.setOrder("ZIP");
            showInformation(kPresortOrderMessage);
        }
        runStatusWindow(request, printMode);
    }
}

void LabelPrintJob::chooseRecords(const LabelPrintRequest& request, std::uint32_t current) {
    switch (request.records) {
        case LabelRecords::All:
            table_.setFilter(kStandingCondition.toStdString());
            break;
        case LabelRecords::Current:
            table_.setFilter("Recno()=" + std::to_string(current));
            break;
        case LabelRecords::Filtered:
            break;
    }
    if (request.startFromCurrent) {
        table_.go(current);
        if (recordInView(table_)) return;
        showInformation(kOutOfRangeMessage);
    }
    table_.goTop();
}

void LabelPrintJob::runStatusWindow(const LabelPrintRequest& request, bool printMode) {
    QPrinter& printer = catalog_.printer();
    const ReportPaper paper = labelPaper(request.setup);
    if (paperDiffers(printerPage(printer, paper), request.setup) &&
        !askYesNo(paperQuestion(request.setup)))
        return;

    const bool presorted = request.presort;
    const ReportJob job = [&](ReportCanvas& canvas, const std::function<bool()>& keepGoing) {
        selectPaper(canvas, paper);
        if (!canvas.start()) return;
        LabelPrintRun run(table_, request.setup, request.copies);
        if (presorted) run.usePresortList(loadPresortList(folder_));
        run.printLabels(canvas, keepGoing);
    };
    if (printMode) {
        const auto surface = catalog_.jobSurface();
        PrintStatusDialog status(*surface, job, false, parent_, labelStatusTexts());
        showStatus(status);
        return;
    }
    // Laid out for the printer's unprintable margins and resolution, as it would print.
    const PrinterSurface printerSide(printer);
    RecordedPages pages(printerSide.unprintableMargins(), printerSide.resolution());
    PrintStatusDialog status(pages, job, true, parent_, labelStatusTexts());
    showStatus(status);
    if (status.outcome() != PrintOutcome::Cancelled) showPreview(pages);
}

}  // namespace rp

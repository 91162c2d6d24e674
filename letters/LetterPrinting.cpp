#include "letters/LetterPrinting.h"

#include "data/TableRestore.h"
#include "framework/Messages.h"
#include "framework/PrinterCatalog.h"
#include "framework/PrinterSurface.h"
#include "letters/LetterPrintRun.h"
#include "letters/LetterPrintStatusDialog.h"
#include "xbase/Table.h"

namespace rp {

void chooseLetterRecords(xbase::Table& addresses, const LetterPrintRequest& request,
                         std::uint32_t current) {
    // The current record alone needs no filter: the run stops after it.
    if (request.records == LetterRecords::All)
        selectPrintRecords(addresses, request.records, current);
    if (request.startFromCurrent || request.records != LetterRecords::Current)
        goToPrintStart(addresses, request.startFromCurrent, current);
}

LetterPrinting::LetterPrinting(xbase::Table& addresses, PrinterCatalog& catalog, QString today,
                               QWidget* parent)
    : addresses_(addresses), catalog_(catalog), today_(std::move(today)), parent_(parent) {
    showStatus = [](LetterPrintStatusDialog& status) { status.exec(); };
}

void LetterPrinting::printNow(const QTextDocument& letter, const LetterPrintRequest& request) {
    if (!catalog_.showPrintDialog(QStringLiteral("letters.pdf"))) return;
    const TableRestore restore(addresses_);
    chooseLetterRecords(addresses_, request, addresses_.recNo());
    LetterPrintRun run(letter, addresses_,
                       {request.copies, request.records == LetterRecords::Current, today_});
    const std::unique_ptr<PrinterSurface> surface = catalog_.jobSurface();
    LetterPrintStatusDialog status(run, *surface, parent_);
    showStatus(status);
}

}  // namespace rp

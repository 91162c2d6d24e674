#pragma once
// "Print Now" of the Print Letters dialog: the print dialog, the records chosen on the address
// table, the print in the "Print Status Screen", and the table's filter and record put back
// afterwards, whichever way the print ends.
#include <QString>
#include <cstdint>
#include <functional>

#include "letters/LetterPrintRequest.h"

class QTextDocument;
class QWidget;

namespace xbase {
class Table;
}

namespace rp {

class LetterPrintStatusDialog;
class PrinterCatalog;

// Sets the table's view for the request: the standing condition alone for all records, the
// filter in force for the filtered ones, nothing for the current record. With "Start from
// current record" it stands on current when that is in the view, else tells so and goes to the
// first record; otherwise it goes to the first record unless only the current one is printed.
void chooseLetterRecords(xbase::Table& addresses, const LetterPrintRequest& request,
                         std::uint32_t current);

class LetterPrinting {
  public:
    // addresses: the address file with the main window's filter, standing on its current
    // record; today: "Today's Date" as the letters show it. Both the table and the catalog must
    // outlive this object.
    LetterPrinting(xbase::Table& addresses, PrinterCatalog& catalog, QString today,
                   QWidget* parent);

    // Shows the print status window until the print has ended (modally unless a test says).
    std::function<void(LetterPrintStatusDialog&)> showStatus;

    // The print dialog ("letters.pdf" proposed for "PDF file"), then the print; nothing when
    // the user cancels the dialog.
    void printNow(const QTextDocument& letter, const LetterPrintRequest& request);

  private:
    xbase::Table& addresses_;
    PrinterCatalog& catalog_;
    QString today_;
    QWidget* parent_;
};

}  // namespace rp

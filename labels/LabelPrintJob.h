#pragma once
// Printing labels from the Print Labels dialog: chooses the records on the address table,
// presorts them when asked, checks the paper, runs the print in the print status window (to
// the selected printer, or recorded for the preview window) and restores the table's filter,
// order, current record and exact matching afterwards, whichever way the run ends.
#include <QString>
#include <cstdint>
#include <functional>

#include "data/RecordView.h"
#include "framework/PrintStatusDialog.h"
#include "labels/LabelSetup.h"
#include "mailpiece/PrintRecords.h"
#include "postal/Presort.h"

class QPrinter;
class QWidget;

namespace xbase {
class Table;
}

namespace rp {

class Households;
class PieceBarcoder;
class PrinterCatalog;
class RecordedPages;
class PrintStatusDialog;

using LabelRecords = PrintRecords;

// Presorts the table's current view into the folder (writing PRESORT.PSL), counting records or
// households, and tells whether the presort completed; the program hands in its presort window.
using PresortRunner = std::function<bool(xbase::Table& table, const QString& folder,
                                         QWidget* parent, PresortCount count)>;

struct LabelPrintRequest {
    LabelSetup setup;
    LabelRecords records = LabelRecords::All;
    bool startFromCurrent = false;
    bool presort = false;
    int copies = 1;           // "# copies of each label"
    int startLabel = 1;       // "Start at label": the first free label of the first sheet
    bool households = false;  // "One per household"
};

// What a presorted run tells before it starts.
QString presortOrderMessage();

// Sets the table's view for the request: the standing condition for all records, the current
// record alone, or the filter in force; then stands on the first record, or on current when
// the run starts from it and it is in the view (else tells outOfRangeMessage()).
void chooseLabelRecords(xbase::Table& table, const LabelPrintRequest& request,
                        std::uint32_t current);
// False when the printer's paper differs from the setup's and the user declines to go on.
bool confirmLabelPaper(QPrinter& printer, const LabelSetup& setup);
// One per household: counts in the households of the records the run prints, from the record
// the table stands on (from the top of the view when presorted) to the end of the view, asking
// keepGoing after each; false when it said no. The table then stands where it stood.
bool readLabelHouseholds(xbase::Table& table, const LabelPrintRequest& request,
                         Households& households, const std::function<bool()>& keepGoing = {});
// "Pieces saved by One per household: N".
QString piecesSavedText(std::uint64_t saved);
// The label run of a request on the table as it stands, for the print status window or a
// batch run; a presorted run reads PRESORT.PSL from presortFolder. The barcodes come from
// barcoder (POSTNET when there is none), which must outlive the job. With households (read by
// readLabelHouseholds, outliving the job) a household prints once, and the status's second
// line tells the pieces saved.
ReportJob labelReportJob(xbase::Table& table, const LabelPrintRequest& request,
                         const QString& presortFolder, PieceBarcoder* barcoder = nullptr,
                         Households* households = nullptr);

class LabelPrintJob {
  public:
    // The table is the address file with the main window's filter and order; the catalog's
    // selected printer prints. Both must outlive the job.
    LabelPrintJob(xbase::Table& table, QString programFolder, PrinterCatalog& catalog,
                  PresortRunner presort, QWidget* parent);

    // "Print Now": the print dialog ("labels.pdf" proposed for "PDF file"), then the print,
    // moved by the printer's correction when it has one (PrinterCalibration.h). Nothing when
    // the user cancels the dialog. The barcodes are those RAVENP.INI of the
    // program folder chooses; after a completed print the next Intelligent Mail serial is
    // stored there (a preview or a cancelled print uses none).
    void printNow(const LabelPrintRequest& request);
    // "Preview": the labels recorded as the selected printer would print them, then shown.
    void preview(const LabelPrintRequest& request);

    // A completed presort of the current choice: later runs reuse PRESORT.PSL.
    bool presortDone() const { return presortDone_; }
    // The choice of records changed: the next presorted run presorts again.
    void clearPresort() { presortDone_ = false; }

    // Shows the print status window until the run has ended (modally unless a test says).
    std::function<void(PrintStatusDialog&)> showStatus;
    // Shows the recorded labels once they are all recorded (a test's hook; then the print status
    // window runs through showStatus first). Unset, the preview window under "Preview Labels"
    // shows the labels while they are recorded.
    std::function<void(const RecordedPages&)> showPreview;

  private:
    void doPrint(const LabelPrintRequest& request, bool printMode);
    void runStatusWindow(const LabelPrintRequest& request, bool printMode, Households* households);

    xbase::Table& table_;
    QString folder_;
    PrinterCatalog& catalog_;
    PresortRunner presort_;
    QWidget* parent_;
    bool presortDone_ = false;
    PresortCount presortCount_ = PresortCount::Records;  // what the done presort counted
};

}  // namespace rp

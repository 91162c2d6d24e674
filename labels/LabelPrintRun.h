#pragma once
// The label print run: walks the address table's current view (or, presorted, the presort
// list) and fills label sheets row by row, one address block per label, copies of a record on
// consecutive labels, and a new sheet after the last row. Each label's text starts at its
// text origin (LabelSheet.h); the barcode, when the setup asks for one, stands 0.165 inch
// above the block's first line.
#include <QStringList>
#include <functional>

#include "labels/LabelSetup.h"
#include "mailpiece/PostalBarcode.h"

namespace xbase {
class Table;
}

namespace rp {

class Households;
struct Household;
class ReportCanvas;

// The lines of PRESORT.PSL in folder; none when it cannot be read.
QStringList loadPresortList(const QString& folder);

class LabelPrintRun {
  public:
    // Prints copies (at least 1) labels of every record of the table's view, from the record
    // the table stands on, in its current order. Barcodes come from barcoder (which must
    // outlive the run), POSTNET when there is none.
    LabelPrintRun(xbase::Table& table, const LabelSetup& setup, int copies,
                  PieceBarcoder* barcoder = nullptr);

    // Presorted instead: the records of each ZIP key of the list, in the list's order, sought
    // by their beginning in the table's current order (the ZIP tag) with exact matching off for
    // the run; a record belongs to a key only when its first five ZIP characters are the whole
    // key. Each heading line (holding "**") prints as a separator label of its own. Records
    // whose key the list does not hold are left out.
    void usePresortList(QStringList lines);

    // The first sheet begins at this label (from 1, numbered across, then down), leaving the
    // labels before it empty; a number outside the sheet begins at its first label.
    void startAtLabel(int label);

    // One label per household: a record of a household of several members (households, read
    // from the same view, must outlive the run) prints only when it is the first of them the
    // run meets, addressed to the household: "The Smith Family" when their last names agree,
    // else its own name, and the organization only when they all share it. The others are
    // left out.
    void useHouseholds(Households* households) { households_ = households; }

    // The run on a started canvas; it asks keepGoing() after every record and ends when it
    // says no.
    void printLabels(ReportCanvas& canvas, const std::function<bool()>& keepGoing);

  private:
    void getNextSortedZip();
    void printLabel(ReportCanvas& canvas);
    void printAddress(ReportCanvas& canvas);
    void moveOn(bool wasSeparator);
    void goPastEnd();
    // True when the record is a member of a household already printed; else notes its
    // household (null for none) for printAddress.
    bool householdPrinted();

    xbase::Table& table_;
    const LabelSetup setup_;
    const int copies_;
    PieceBarcoder postnet_;
    PieceBarcoder& barcoder_;
    bool presort_ = false;
    QStringList presortList_;
    QString key_;             // the current presort key: a line of the list
    bool separator_ = false;  // the next label is a separator showing the key
    int row_ = 0;
    int column_ = 0;
    int printedForRecord_ = 0;
    int startLabel_ = 1;
    Households* households_ = nullptr;
    Household* household_ = nullptr;  // the household of the record being printed
};

}  // namespace rp

#pragma once
// The list report of the address file: one of four layouts, a title, and under each record its
// codes and memo when asked; the records chosen as "Print Report" chooses them, drawn on the
// report canvas for the print status window or a batch run.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "framework/PrintStatusDialog.h"
#include "mailpiece/PrintRecords.h"

namespace xbase {
class Table;
}

namespace rp {

using ReportRecords = PrintRecords;

struct ListReportRequest {
    int layout = 1;  // 1 to 4, as "Select Report:" lists them
    QString title;
    bool memo = false;   // "Print Memo"
    bool codes = false;  // "Print Codes"
    ReportRecords records = ReportRecords::Filtered;
    bool startFromCurrent = false;
    QString dateFormat = QStringLiteral("MM/dd/yyyy");  // DATE as the program shows dates
};

// The entries of "Select Report:", exactly (the third ends in a blank).
QStringList reportLayoutNames();

// The index tag a layout prints in: "LNAME", or "ORG" for layout 3.
const char* reportLayoutTag(int layout);

// Prepares the table for a run: the layout's order, the selection (the standing condition for
// all records, "Recno()=" + current for the current one, the filter in force otherwise) and
// the start: the current record when asked and in the selection (else outOfRangeMessage() is
// told and the start is as without it), otherwise the first record and, for layouts 1 to 3,
// the first key not less than "0". The caller puts the table back (TableRestore) and clears
// any key range afterwards.
void chooseReportRecords(xbase::Table& table, const ListReportRequest& request,
                         std::uint32_t current);

// Draws the report from the table's current record to the end of its view, for the print
// status window or a batch run.
ReportJob listReportJob(xbase::Table& table, const ListReportRequest& request);

// The print status window's texts of the report.
PrintStatusTexts listReportStatusTexts();

// The caption of the report's preview window.
QString reportPreviewCaption();

}  // namespace rp

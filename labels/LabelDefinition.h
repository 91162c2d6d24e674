#pragma once
// One label stock of the definition file RVPLBLS.DBF as the "Add Label Definition" / "Edit
// Label Definition" dialog works on it (all lengths in inches), its validation and the
// inch/millimetre rules of that dialog.
#include <QString>

namespace xbase {
class Table;
}

namespace rp {

struct LabelDefinition {
    QString description = QStringLiteral("[enter description]");  // USERDESC
    float labelWidth = 0;                                         // LBLWIDTH
    float labelHeight = 0;                                        // LBLHEIGHT
    float horizontalPitch = 0;                                    // HORIZPITCH
    float verticalPitch = 0;                                      // VERTPITCH
    int across = 1;                              // NBRACROSS, 1 to 10 in the dialog
    int down = 1;                                // NBRDOWN, 1 to 30 in the dialog
    float leftMargin = 0;                        // LEFTMARG
    float topMargin = 0;                         // TOPMARG
    QString paperSize;                           // PAPERSIZE code
    float sheetWidth = 0;                        // SHEETWIDTH
    float sheetDepth = 0;                        // SHEETDEPTH
    QString printerType = QStringLiteral("LJ");  // PRINTER

    bool operator==(const LabelDefinition&) const = default;
};

// validLabel: the message of the first failing rule, in this order, or an empty text when the
// definition is valid:
//   label height < 0.3, label width < 0.5, more than one across and horizontal pitch < label
//   width, more than one down and vertical pitch < label height, sheet width < 0.3, sheet
//   depth < 0.3, empty description.
QString validLabel(const LabelDefinition& definition);

// 25.4 millimetres to the inch.
double inchesToMillimetres(double inches);
// Millimetres times 1/25.4 (0.039370078740157480314).
double millimetresToInches(double millimetres);
// A millimetre value as stored on Save in millimetre mode: converted to inches and rounded to
// 3 decimals (25 mm gives 0.984, 66 mm 2.598).
float millimetresToStoredInches(double millimetres);

// The definition of the definition file's current row; texts without trailing blanks.
LabelDefinition readLabelDefinition(const xbase::Table& stocks);
// Stores every field of the definition into the current row (or the row being appended),
// lengths rounded to 3 decimals, and posts. USERDEF is not touched. Returns false, storing
// nothing, when the description holds a character the file cannot hold (the user is told).
// Throws xbase::Error for a value the file refuses; an edit begun here is then cancelled.
bool writeLabelDefinition(xbase::Table& stocks, const LabelDefinition& definition);
// Appends a row with the definition and USERDEF true; on a failure the table is as before.
bool appendLabelDefinition(xbase::Table& stocks, const LabelDefinition& definition);

}  // namespace rp

#pragma once
// The in-memory label setup: a copy of one row of RVPLSU.DBF, passed between the
// Print Labels dialog, the label designer and the label print run. Members are in the order
// of the file's fields. Lengths are inches held as 32-bit floats; texts are bounded by their
// field widths (see LabelFiles.h) and a longer value read from a file is cut.
#include <QString>

#include "mailpiece/AddressContents.h"

namespace xbase {
class Table;
}

namespace rp {

struct LabelSetup {
    QString description;      // DESCRIPT, <= 50
    QString printerType;      // PRINTERTYP, <= 2: "LJ" or "DM", from the chosen stock
    QString fontName;         // FONTNAME, <= 50
    int fontSize = 0;         // FONTSIZE, points
    bool fontBold = false;    // FONTBOLD
    bool fontItalic = false;  // FONTITALIC
    float xOffset = 0;        // XOFFSET: label's left edge to the text's left edge
    float yOffset = 0;        // YOFFSET: label's top edge to the top of the first text line
    bool barcode = false;     // BARCODE
    // NAME, TITLE, COMPANY, STREET, CITYSTATE, ZIP, PHONE, COUNTRY, ZIPOPTIONS (a code outside 1
    // to 4 reads as after the state), UPPERCASE: what the address block prints.
    AddressContents contents;
    // Stock geometry, a copy of the definition row it came from.
    float labelHeight = 0;      // LBLHEIGHT
    float labelWidth = 0;       // LBLWIDTH
    int across = 0;             // NBRACROSS
    int down = 0;               // NBRDOWN
    float topMargin = 0;        // TOPMARG
    float leftMargin = 0;       // LEFTMARG
    float horizontalPitch = 0;  // HORIZPITCH
    float verticalPitch = 0;    // VERTPITCH
    float sheetWidth = 0;       // SHEETWIDTH
    float sheetDepth = 0;       // SHEETDEPTH
    QString paperSize;          // PAPERSIZE, <= 5
    bool trimText = false;      // TRIMTEXT
    QString labelTypeName;      // USERLABELN, <= 60: USERDESC of the stock

    bool operator==(const LabelSetup&) const = default;
};

// The setup used when the setup file has no current record: "Default Label Setup" on an
// Avery 5160 sheet (3 x 10 labels of 1.0 x 2.625 inches), Arial 10, name, street, city + state
// and ZIP, trimmed.
LabelSetup defaultLabelSetup();

// The description the designer's copy gets for the "New" command (stored data, not
// translated).
inline const QString kUntitledLabelSetup = QStringLiteral("{Untitled Label Setup Record}");

// The setup of the setup file's current record, or the default setup when the file has no
// current record (it is at its end). Floats are read as stored; texts are cut to their bounds.
LabelSetup readLabelSetup(const xbase::Table& setups);

// Puts the setup file into edit state on its current record (a record just appended stays in
// insert state), stores every field, each float rounded to 3 decimals first, and posts.
// Returns false, storing nothing, when a text holds a character the file cannot hold; the
// user has then been told. Throws xbase::Error for a value the file refuses; an edit begun
// here is then cancelled. A record the caller appended is the caller's to cancel.
bool writeLabelSetup(xbase::Table& setups, const LabelSetup& setup);

// Copies the stock of the definition file's (RVPLBLS.DBF) current row into the setup: label
// height and width, counts, margins, pitches, sheet size, paper code (cut to 5), PRINTER into
// the printer type (cut to 2) and USERDESC into the label type name (cut to 60).
void takeLabelStock(const xbase::Table& stocks, LabelSetup& setup);

}  // namespace rp

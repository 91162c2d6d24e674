#pragma once
// The two label side tables in the program folder, as the program uses them:
//   RVPLBLS.DBF, the label definition file: the catalogue of label stocks;
//   RVPLSU.DBF, the label setup file: the user's label setups.
// Their layouts (built from the same rules as tools/sidefiles/SideLayouts.cpp, which writes the
// delivered tables; tests/labels checks that the two agree), the paper size codes and the
// printer type codes. All lengths are inches.
#include <QString>
#include <optional>
#include <vector>

#include "xbase/Field.h"

namespace rp {

inline constexpr const char* kLabelStockFile = "RVPLBLS.DBF";
inline constexpr const char* kLabelStockTag = "USERDESC";
inline constexpr const char* kLabelStockTagKey = "UPPER(USERDESC)";
inline constexpr const char* kLabelSetupFile = "RVPLSU.DBF";
inline constexpr const char* kLabelSetupTag = "DESCRIPT";
inline constexpr const char* kLabelSetupTagKey = "UPPER(descript)";

// Widths of the character fields, which are also the bounds of the record's texts.
inline constexpr int kStockDescriptionWidth = 60;  // USERDESC, and USERLABELN of a setup
inline constexpr int kSetupDescriptionWidth = 50;  // DESCRIPT
inline constexpr int kFontNameWidth = 50;          // FONTNAME
inline constexpr int kPrinterTypeWidth = 2;        // PRINTER, PRINTERTYP
inline constexpr int kPaperCodeWidth = 5;          // PAPERSIZE

// Field layouts, in file order. Lengths are N 8.3 (3 decimals, as the values are rounded to 3
// decimals before they are stored), counts and choices N 4.0.
const std::vector<xbase::FieldSpec>& labelStockLayout();
const std::vector<xbase::FieldSpec>& labelSetupLayout();

// Printer type codes: laser or inkjet (sheet-fed) and dot matrix (tractor-fed).
inline const QString kLaserPrinter = QStringLiteral("LJ");
inline const QString kDotMatrixPrinter = QStringLiteral("DM");

// One entry of the definition dialog's paper list.
struct PaperSize {
    QString caption;  // in English
    QString code;
    // The sheet offered, in inches; none for the two user-defined entries.
    std::optional<float> width, depth;
};

// The seven entries, in list order (positions 0 to 6).
const std::vector<PaperSize>& paperSizes();

// The entry's caption as the list shows it, in the user's language.
QString paperSizeCaption(const PaperSize& size);
// List position of a code: "LTR" 0, "LTRL" 1, "A4" 2, "A4L" 3, "A5" 4, "USER" or "USERP" 5,
// "USERL" 6; -1 for any other code.
int paperListIndex(const QString& code);
// The code written for a list position ("USERP" for 5); empty outside 0 to 6.
QString paperCodeAt(int index);
// Landscape stock: "LTRL", "A4L" and "USERL" (the print run turns the page).
bool isLandscapePaper(const QString& code);

}  // namespace rp

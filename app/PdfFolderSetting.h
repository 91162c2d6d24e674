#pragma once
// The folder of the last PDF file written, kept in RAVENP.INI (section Printing, key
// LastPdfFolder) so that the next print on "PDF file" proposes its file there.
#include <QString>

#include "framework/PrinterCatalog.h"

namespace rp {

inline constexpr char kPrintingSection[] = "Printing";
inline constexpr char kLastPdfFolderKey[] = "LastPdfFolder";

// Reads and writes the folder in the initialisation file at iniPath; a write that fails is told
// once in the run (storeSettings).
PdfFolderMemory pdfFolderSetting(const QString& iniPath);

}  // namespace rp

#pragma once
// Where a printing command prints: the system printer --printer names, else the PDF file
// --output names (written through a partial file, put in place when the job completes).
#include <QString>

class QPrinter;

namespace rp {

class BatchArgs;

// Points the printer at --printer or --output; throws BatchError with missingText when
// neither is given, and naming the printer when there is no such printer. True for a PDF file.
bool chooseOutputPrinter(QPrinter& printer, const BatchArgs& args, const QString& missingText);

}  // namespace rp

#pragma once
// The paper a printer is set to, as a report canvas's paper: Letter, A4 and A5 by kind, any
// other size as a custom width and length.
class QPrinter;

namespace rp {

class ReportCanvas;

// The paper chosen for the printer (in its set-up dialog or by name) becomes the canvas's.
void usePrinterPaper(ReportCanvas& canvas, const QPrinter& printer);

}  // namespace rp

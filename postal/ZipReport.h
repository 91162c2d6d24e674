#pragma once
// The "Zip Code Count Report": the count lines in four columns of rows to a page, each row the
// ZIP key and its count in two cells, odd rows shaded, under a heading with the page number,
// a frame around the printing area and lines between the columns.
#include <QStringList>
#include <functional>

namespace rp {

class ReportCanvas;

// Sets the canvas up (paper kept, portrait), starts it and draws the lines, asking keepGoing()
// after each row and stopping when it says no. The caller finishes the document. False when
// the output could not start.
bool printZipReport(ReportCanvas& canvas, const QStringList& lines,
                    const std::function<bool()>& keepGoing);

// The page heading, drawn with the origin at the paper's corner: the title in bold above the
// printing area, "Page " and the number below it, the frame and the three column lines.
void headerFooter(ReportCanvas& canvas);

}  // namespace rp

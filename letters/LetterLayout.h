#pragma once
// The page of a letter on a printer: the text rectangle and the paper.
#include "framework/ReportPaper.h"
#include "letters/RtfPageLayout.h"

namespace rp {

// The text rectangle in printer pixels, left and top measured from the printable area's
// origin (the paper's corner less the physical offsets), whole-number division throughout:
//   page width = xres * paper width / 1440, page height likewise with yres;
//   left = xres * left margin / 1440 - xoffset, top likewise;
//   width = page width - xres * right margin / 1440 - left, height likewise.
struct PrinterBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
PrinterBounds determinePrinterBounds(const PageLayout& page, int xres, int yres, int xoffset,
                                     int yoffset);

// The paper of a letter's page: Letter or A4 when it is one of them (to the twip), else the
// size itself.
ReportPaper letterPaper(const PageLayout& page);

}  // namespace rp

#include "letters/LetterLayout.h"

namespace rp {

PrinterBounds determinePrinterBounds(const PageLayout& page, int xres, int yres, int xoffset,
                                     int yoffset) {
    const auto scaled = [](int resolution, int twips) {
        return static_cast<int>(static_cast<long long>(resolution) * twips / 1440);
    };
    PrinterBounds b;
    const int pageWidth = scaled(xres, page.paperWidth);
    const int pageHeight = scaled(yres, page.paperHeight);
    b.left = scaled(xres, page.leftMargin) - xoffset;
    b.top = scaled(yres, page.topMargin) - yoffset;
    b.width = pageWidth - scaled(xres, page.rightMargin) - b.left;
    b.height = pageHeight - scaled(yres, page.bottomMargin) - b.top;
    return b;
}

ReportPaper letterPaper(const PageLayout& page) {
    if (page.paperWidth == 12240 && page.paperHeight == 15840)
        return ReportPaper::standard(PaperKind::Letter);
    if (page.paperWidth == 11906 && page.paperHeight == 16838)
        return ReportPaper::standard(PaperKind::A4);
    return ReportPaper::custom(page.paperWidth / 1440.0, page.paperHeight / 1440.0);
}

}  // namespace rp

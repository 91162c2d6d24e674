#include "letters/LetterLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>
#include <map>
#include <memory>

namespace rp {
namespace {

// A device to measure fonts on at a resolution: a one-pixel image of that many dots per inch.
// The layouts keep a pointer to it, so each lives as long as the program.
QPaintDevice* measuringDevice(double dpi) {
    static std::map<int, std::unique_ptr<QImage>> devices;
    const int key = static_cast<int>(std::lround(dpi * 100));
    std::unique_ptr<QImage>& device = devices[key];
    if (!device) {
        device = std::make_unique<QImage>(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
        device->setDotsPerMeterX(dotsPerMetre);
        device->setDotsPerMeterY(dotsPerMetre);
    }
    return device.get();
}

}  // namespace

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

int layOutLetterPages(QTextDocument& document, double dpi, QSizeF pagePixels) {
    // Each line keeps its shaped glyphs, so drawing does not shape the text again.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
    // Unhinted widths: lines break alike at every resolution, on screen and on paper.
    document.setUseDesignMetrics(true);
    document.documentLayout()->setPaintDevice(measuringDevice(dpi));
    document.setDocumentMargin(0);
    document.setPageSize(pagePixels);
    return document.pageCount();
}

}  // namespace rp

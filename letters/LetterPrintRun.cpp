#include "letters/LetterPrintRun.h"

#include <QCoreApplication>
#include <QTextDocument>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "framework/ReportSurface.h"
#include "letters/LetterDocument.h"
#include "letters/LetterMerge.h"
#include "letters/LetterPages.h"
#include "xbase/Table.h"

namespace rp {

LetterPrintRun::LetterPrintRun(const QTextDocument& letter, xbase::Table& addresses,
                               LetterRunOptions options)
    : letter_(letter), addresses_(addresses), options_(std::move(options)) {}

QString noTextAreaMessage() {
    return QCoreApplication::translate("LetterPrintRun",
                                       "The letter's margins leave no room for text on the page.");
}

bool LetterPrintRun::run(ReportSurface& surface) {
    const PageLayout page = pageLayout(letter_);
    if (!surface.begin(letterPaper(page)))
        throw std::runtime_error(
            QCoreApplication::translate("LetterPrintRun", "The printer could not start the job.")
                .toStdString());
    try {
        dpi_ = surface.resolution();
        const int res = static_cast<int>(std::lround(dpi_));
        const QPointF offsets = surface.unprintableMargins() * dpi_;
        const int xoffset = static_cast<int>(std::lround(offsets.x()));
        const int yoffset = static_cast<int>(std::lround(offsets.y()));
        const PrinterBounds bounds = determinePrinterBounds(page, res, res, xoffset, yoffset);
        if (bounds.width <= 0 || bounds.height <= 0)
            throw std::runtime_error(noTextAreaMessage().toStdString());
        // The surface draws in inches from the paper's corner.
        textRect_ = QRectF((bounds.left + xoffset) / dpi_, (bounds.top + yoffset) / dpi_,
                           bounds.width / dpi_, bounds.height / dpi_);
        textPixels_ = QSizeF(bounds.width, bounds.height);
        pages_ = 0;
        reuse_ = !surface.keepsOperations();
        working_.reset();
        while (!addresses_.eof()) {
            printRecord(surface);
            if (options_.onlyCurrent) break;
            addresses_.skip();
            if (!addresses_.eof()) surface.newPage();
            if (keepGoing && !keepGoing(pages_)) {
                surface.abort();
                return false;
            }
        }
    } catch (...) {
        surface.abort();
        throw;
    }
    surface.end();
    return true;
}

void LetterPrintRun::printRecord(ReportSurface& surface) {
    const LetterPages pages(mergeCurrentRecord(), dpi_, textPixels_);
    for (int copy = 0; copy < options_.copies; ++copy) {
        if (copy > 0) surface.newPage();
        for (int p = 0; p < pages.count(); ++p) {
            if (p > 0) surface.newPage();
            const LetterPages::Page page = pages.page(p);
            surface.draw(DocumentPageOp{page.document, page.page, textRect_, dpi_});
            ++pages_;
        }
    }
}

std::shared_ptr<QTextDocument> LetterPrintRun::mergeCurrentRecord() {
    const MergeRecord record = readMergeRecord(addresses_, options_.today);
    if (!reuse_) return mergedLetter(letter_, record);
    if (!working_) {
        std::shared_ptr<QTextDocument> copy = copyLetterDocument(letter_);
        setLetterLayoutFormat(*copy);
        working_ = std::make_unique<LetterMerger>(std::move(copy));
    }
    working_->merge(record);
    return working_->document();
}

}  // namespace rp

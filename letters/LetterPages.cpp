#include "letters/LetterPages.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <map>

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

// Whether the document was laid out well inside the range of the layout's positions (beyond
// it they wrap round to negative ones).
bool withinRange(const QTextDocument& document) {
    const double height = document.documentLayout()->documentSize().height();
    return height >= 0 && height <= LetterPages::kPartPixels;
}

// The position of the first line whose top lies on the page (from 0) or further down.
int firstPositionOnPage(const QTextDocument& document, int page) {
    // Half a pixel's slack for the fixed-point positions of the layout.
    const double top = page * document.pageSize().height() - 0.5;
    int position = document.characterCount() - 1;
    for (QTextBlock block = document.lastBlock(); block.isValid(); block = block.previous()) {
        const QTextLayout* layout = block.layout();
        for (int i = layout->lineCount() - 1; i >= 0; --i) {
            const QTextLine line = layout->lineAt(i);
            if (layout->position().y() + line.y() < top) return position;
            position = block.position() + line.textStart();
        }
    }
    return position;
}

// Sets the document's layout to measure at dpi on pages of pagePixels. What was laid out is laid
// out again only when something changed.
void prepareLayout(QTextDocument& document, double dpi, QSizeF pagePixels) {
    setLetterLayoutFormat(document);
    // A new layout lays out at once, on the screen; a new page size lays out everything.
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    QPaintDevice* device = measuringDevice(dpi);
    const bool newDevice = layout->paintDevice() != device;
    if (newDevice) layout->setPaintDevice(device);
    if (document.pageSize() != pagePixels)
        document.setPageSize(pagePixels);
    else if (newDevice)
        document.markContentsDirty(0, document.characterCount());
}

// The letter's text from start to end (positions) as a document of its own laid out at dpi on
// pages of pagePixels, whose first line stands at the top of a page: no room above it, and no
// first-line indent when it continues a paragraph.
std::shared_ptr<QTextDocument> letterPart(const QTextDocument& letter, int start, int end,
                                          double dpi, QSizeF pagePixels) {
    auto part = std::make_shared<QTextDocument>();
    part->setUndoRedoEnabled(false);
    part->setDefaultFont(letter.defaultFont());
    part->setDefaultTextOption(letter.defaultTextOption());
    part->setIndentWidth(letter.indentWidth());
    prepareLayout(*part, dpi, pagePixels);  // empty: the text is laid out once, as it comes
    const QTextBlock first = letter.findBlock(start);
    QTextCursor text(first);
    text.setPosition(start);
    text.setPosition(end, QTextCursor::KeepAnchor);
    QTextCursor cursor(part.get());
    cursor.insertFragment(QTextDocumentFragment(text));
    QTextBlockFormat format = first.blockFormat();
    format.setTopMargin(0);
    format.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    if (start != first.position()) format.setTextIndent(0);
    cursor.setPosition(0);
    cursor.setBlockFormat(format);
    return part;
}

}  // namespace

void setLetterLayoutFormat(QTextDocument& document) {
    document.setUseDesignMetrics(true);
    if (document.documentMargin() != 0) document.setDocumentMargin(0);
}

int layOutLetterPart(QTextDocument& document, double dpi, QSizeF pagePixels) {
    // Each line keeps its shaped glyphs, so drawing does not shape the text again.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
    prepareLayout(document, dpi, pagePixels);
    return document.pageCount();
}

LetterPages::LetterPages(const std::shared_ptr<QTextDocument>& letter, double dpi,
                         QSizeF pagePixels) {
    const int end = letter->characterCount() - 1;  // the last paragraph's end is no text
    if (end <= kPartCharacters || pagePixels.height() <= 0) {
        const int pages = layOutLetterPart(*letter, dpi, pagePixels);
        if (withinRange(*letter) || pagePixels.height() <= 0) {
            add(letter, pages);
            return;
        }
    }
    int start = 0;
    int length = kPartCharacters;
    for (;;) {
        const int stop = std::min(end, start + length);
        std::shared_ptr<QTextDocument> part = letterPart(*letter, start, stop, dpi, pagePixels);
        const int pages = layOutLetterPart(*part, dpi, pagePixels);
        if (!withinRange(*part) && length > 1) {
            length /= 2;
            continue;
        }
        if (stop == end) {
            add(part, pages);
            return;
        }
        if (pages < 2) {  // the page may go on in the text after the part
            length *= 2;
            continue;
        }
        const int next = firstPositionOnPage(*part, pages - 1);
        if (next <= 0) {  // a line taller than a page: the part's pages stand as they are
            add(part, pages);
            start = stop;
            continue;
        }
        add(part, pages - 1);
        start += next;
    }
}

void LetterPages::add(std::shared_ptr<QTextDocument> part, int pages) {
    parts_.push_back(std::move(part));
    ends_.push_back(count() + pages);
}

LetterPages::Page LetterPages::page(int index) const {
    const auto part = std::upper_bound(ends_.begin(), ends_.end(), index) - ends_.begin();
    const int first = part == 0 ? 0 : ends_[part - 1];
    return {parts_[part], index - first};
}

}  // namespace rp

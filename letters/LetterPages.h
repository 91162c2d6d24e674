#pragma once
// A letter laid out on its pages at a device's resolution.
//
// The text layout keeps positions in 26.6 fixed point, so one document measures no more than
// 2^25 device pixels from its top: about 3,100 pages of Letter paper at 1200 dpi. A letter of
// more text than one part holds is therefore laid out in parts, each a document of its own that
// begins with the first line of one of the letter's pages and holds the text up to the next
// part's first page; a part that ends inside the letter keeps all its pages but the last, whose
// text begins the next part. Each page's text then lies near the top of its part, wherever the
// page stands in the letter.
#include <QSizeF>
#include <memory>
#include <vector>

class QTextDocument;

namespace rp {

class LetterPages {
  public:
    // Parts of at most this many characters; a letter within it is laid out in place.
    static constexpr int kPartCharacters = 20000;
    // A part laid out taller than this many device pixels is made smaller, far from the limit.
    static constexpr double kPartPixels = 1 << 24;

    // Paginates the letter on pages of pagePixels at dpi pixels per inch: its fonts measured at
    // that resolution, in the letter layout format. A letter within one part is
    // laid out itself and is then its only part; it must outlive the pages.
    LetterPages(const std::shared_ptr<QTextDocument>& letter, double dpi, QSizeF pagePixels);

    int count() const { return ends_.empty() ? 0 : ends_.back(); }

    struct Page {
        std::shared_ptr<const QTextDocument> document;  // the part holding the page
        int page = 0;                                   // from 0 within the part
    };
    // The page at index (from 0, below count()).
    Page page(int index) const;

    const std::vector<std::shared_ptr<QTextDocument>>& parts() const { return parts_; }

  private:
    void add(std::shared_ptr<QTextDocument> part, int pages);

    std::vector<std::shared_ptr<QTextDocument>> parts_;
    std::vector<int> ends_;  // the pages of the parts up to each, counted together
};

// Unhinted widths, so that lines break alike at every resolution, on screen and on paper, and
// no document margin. The margin is a format of the document's frame, an edit that undo takes
// back: a document undone to an earlier state gets it first.
void setLetterLayoutFormat(QTextDocument& document);

// Lays a document out on pages of pagePixels at dpi as a part of a letter is laid out; a layout
// with these settings already is left as it is, so that an edit lays out only what it changed.
// Returns the number of pages.
int layOutLetterPart(QTextDocument& document, double dpi, QSizeF pagePixels);

}  // namespace rp

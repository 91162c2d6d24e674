#pragma once
// Recorded pages kept small: each page's drawing operations are packed into bytes (fonts and
// colours as numbers into tables shared by all pages, texts in Latin-1 when they can be, every
// length as the exact double it was) and the bytes of a finished page are compressed. A page is
// unpacked again, operation for operation equal to what was recorded, when it is drawn.
// Pictures and documents are kept by reference beside the bytes.
#include <QByteArray>
#include <cstddef>
#include <vector>

#include "framework/ReportOps.h"

namespace rp {

class PageStore {
  public:
    // Opens a new page after the last; operations go to it.
    void startPage();
    void add(const ReportOp& op);
    // Compresses the open page; startPage() and clear() do it too.
    void finishPage();
    void clear();

    int pageCount() const { return static_cast<int>(pages_.size()); }
    std::vector<ReportOp> page(int index) const;
    // The bytes the pages take, tables and pictures left out.
    std::size_t byteSize() const { return bytes_; }

  private:
    struct Page {
        QByteArray bytes;
        bool compressed = false;
        std::vector<ReportOp> kept;  // pictures and documents, in the order drawn
    };

    std::uint16_t fontNumber(const ReportFont& font);
    std::uint16_t colourNumber(const QColor& colour);

    std::vector<Page> pages_;
    std::vector<ReportFont> fonts_;
    std::vector<QColor> colours_;
    std::size_t bytes_ = 0;
};

}  // namespace rp

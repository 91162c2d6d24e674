#pragma once
// Recorded pages kept small: each page's drawing operations are packed into bytes (fonts and
// colours as numbers into tables shared by all pages, texts in Latin-1 when they can be, every
// length as the exact double it was) and the bytes of a finished page are compressed. A page is
// unpacked again, operation for operation equal to what was recorded, when it is drawn.
// Pictures and documents are kept by reference beside the bytes. Once the packed pages pass a
// memory budget, later pages go to a temporary file and are read back when drawn.
#include <QByteArray>
#include <cstddef>
#include <memory>
#include <vector>

#include "framework/Deflate.h"
#include "framework/ReportOps.h"

class QTemporaryFile;

namespace rp {

class PageStore {
  public:
    // The pages of a million labels pass it early: a preview keeps its memory well within what
    // the recording and its window need besides.
    static constexpr std::size_t kDefaultMemoryBudget = std::size_t(24) << 20;

    explicit PageStore(std::size_t memoryBudget = kDefaultMemoryBudget);
    ~PageStore();
    PageStore(const PageStore&) = delete;
    PageStore& operator=(const PageStore&) = delete;

    // Opens a new page after the last; operations go to it.
    void startPage();
    void add(const ReportOp& op);
    // Compresses the open page (and puts it in the temporary file once the budget is spent);
    // startPage() does it too. Throws std::runtime_error naming the file when it cannot be
    // written.
    void finishPage();
    void clear();

    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Throws std::runtime_error when a page cannot be read back.
    std::vector<ReportOp> page(int index) const;
    // The bytes the pages take in memory, tables and pictures left out.
    std::size_t byteSize() const { return bytes_; }
    // The bytes of the pages in the temporary file.
    std::size_t spilledSize() const { return spilled_; }

  private:
    struct Page {
        QByteArray bytes;
        bool compressed = false;
        qint64 fileOffset = -1;  // where the bytes stand in the temporary file, if there
        qint64 fileSize = 0;
        std::vector<ReportOp> kept;  // pictures and documents, in the order drawn
    };

    void spill(Page& page);
    QByteArray storedBytes(const Page& page) const;

    std::uint16_t fontNumber(const ReportFont& font);
    std::uint16_t colourNumber(const QColor& colour);

    std::vector<Page> pages_;
    std::vector<ReportFont> fonts_;
    std::vector<QColor> colours_;
    std::size_t bytes_ = 0;
    std::size_t budget_;
    std::unique_ptr<QTemporaryFile> file_;
    std::size_t spilled_ = 0;
    Deflate deflate_;
};

}  // namespace rp

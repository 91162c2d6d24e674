#pragma once
// A report recorded in memory, page by page, for a preview: each page keeps its drawing
// operations (packed small, see PageStore), so any page can be painted again at once, at any
// zoom.
#include <algorithm>
#include <functional>
#include <vector>

#include "framework/PageStore.h"
#include "framework/ReportSurface.h"

class QPainter;

namespace rp {

class RecordedPages : public ReportSurface {
  public:
    // The margins and resolution of the printer the preview stands for, so that a report
    // lays out as it would print.
    explicit RecordedPages(QPointF unprintableMargins = QPointF(0, 0), double resolution = 600);

    bool begin(const ReportPaper& paper) override;
    void newPage() override;
    void draw(const ReportOp& op) override;
    void end() override;
    void abort() override;  // drops the pages recorded so far
    QPointF unprintableMargins() const override { return unprintable_; }
    double resolution() const override { return resolution_; }

    int pageCount() const { return pages_.pageCount(); }
    // The pages that can be shown: every page once the report has finished, else all but the
    // one being drawn.
    int completePages() const { return finished_ ? pageCount() : std::max(0, pageCount() - 1); }
    // Told after every page begun, at the end and when the pages are dropped.
    void setPageListener(std::function<void()> listener) { listener_ = std::move(listener); }
    // The page as printed, in inches.
    QSizeF pageSize() const { return paper_.pageSize(); }
    bool finished() const { return finished_; }
    // Operations of page index (from 0), as they were recorded.
    std::vector<ReportOp> page(int index) const { return pages_.page(index); }
    // The memory the recorded operations take, in bytes.
    std::size_t byteSize() const { return pages_.byteSize(); }
    // The bytes of the pages kept in a temporary file once the memory budget was spent.
    std::size_t spilledSize() const { return pages_.spilledSize(); }
    // Paints page index (from 0) on white with the paper's top-left corner at the painter's
    // origin, pixelsPerInch device pixels to the inch (the zoom).
    void paintPage(int index, QPainter& painter, double pixelsPerInch) const;

  private:
    QPointF unprintable_;
    double resolution_;
    ReportPaper paper_;
    PageStore pages_;
    std::function<void()> listener_;
    bool finished_ = false;
};

}  // namespace rp

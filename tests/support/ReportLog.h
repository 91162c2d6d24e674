#pragma once
// A report surface for tests: logs every operation with its page number, in inches, and finds
// texts, lines and rectangles again so that a test can say what was drawn where.
#include <QStringList>
#include <vector>

#include "framework/ReportSurface.h"

namespace rp {

class ReportLog : public ReportSurface {
  public:
    struct Entry {
        int page;  // from 1
        ReportOp op;
    };

    explicit ReportLog(double resolution = 300, QPointF unprintableMargins = QPointF(0, 0));

    bool begin(const ReportPaper& paper) override;
    void newPage() override { ++pages_; }
    void draw(const ReportOp& op) override { entries_.push_back({pages_, op}); }
    void end() override { ended_ = true; }
    void abort() override { aborted_ = true; }
    QPointF unprintableMargins() const override { return unprintable_; }
    double resolution() const override { return resolution_; }

    const std::vector<Entry>& entries() const { return entries_; }
    const ReportPaper& paper() const { return paper_; }
    int pages() const { return pages_; }
    bool ended() const { return ended_; }
    bool aborted() const { return aborted_; }

    std::vector<TextRun> texts(int page = 0) const;  // page 0: every page
    QStringList textStrings(int page = 0) const;
    // The first run of that text; throws std::out_of_range when there is none.
    TextRun text(const QString& text) const;
    std::vector<LineOp> lines(int page = 0) const;
    std::vector<RectOp> rects(int page = 0) const;
    std::vector<FillOp> fills(int page = 0) const;
    std::vector<ImageOp> images(int page = 0) const;
    std::vector<DocumentPageOp> documentPages(int page = 0) const;

  private:
    template <typename T>
    std::vector<T> ofKind(int page) const;

    double resolution_;
    QPointF unprintable_;
    ReportPaper paper_;
    std::vector<Entry> entries_;
    int pages_ = 0;
    bool ended_ = false;
    bool aborted_ = false;
};

}  // namespace rp

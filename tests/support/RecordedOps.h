#pragma once
// Drawing operations compared field for field, and the pages of a job recorded two ways: live,
// as the preview window records them while it shows them, and in full into a log.
#include <QObject>
#include <vector>

#include "framework/RecordedPages.h"
#include "framework/RecordingPreview.h"
#include "framework/ReportCanvas.h"
#include "support/ReportLog.h"

namespace rp {

inline bool sameOp(const ReportOp& a, const ReportOp& b) {
    if (a.index() != b.index()) return false;
    if (const auto* x = std::get_if<TextRun>(&a)) {
        const auto& y = std::get<TextRun>(b);
        return x->text == y.text && x->font == y.font && x->colour == y.colour && x->x == y.x &&
               x->baseline == y.baseline && x->width == y.width && x->box == y.box &&
               x->align == y.align && x->clipped == y.clipped;
    }
    if (const auto* x = std::get_if<LineOp>(&a)) {
        const auto& y = std::get<LineOp>(b);
        return x->from == y.from && x->to == y.to && x->pen == y.pen;
    }
    if (const auto* x = std::get_if<RectOp>(&a)) {
        const auto& y = std::get<RectOp>(b);
        return x->rect == y.rect && x->outlined == y.outlined && x->pen == y.pen &&
               x->fill == y.fill && x->shade == y.shade;
    }
    if (const auto* x = std::get_if<FillOp>(&a)) {
        const auto& y = std::get<FillOp>(b);
        return x->rects == y.rects && x->colour == y.colour;
    }
    if (const auto* x = std::get_if<ImageOp>(&a)) {
        const auto& y = std::get<ImageOp>(b);
        return x->rect == y.rect && x->image == y.image;
    }
    const auto& x = std::get<DocumentPageOp>(a);
    const auto& y = std::get<DocumentPageOp>(b);
    return x.document == y.document && x.page == y.page && x.rect == y.rect &&
           x.layoutDpi == y.layoutDpi;
}

using PageOps = std::vector<std::vector<ReportOp>>;

// The job drawn into a log, page by page.
inline PageOps loggedPages(const ReportJob& job) {
    ReportLog log(600);
    ReportCanvas canvas(log);
    job(canvas, [] { return true; });
    if (canvas.printing()) canvas.finish();
    PageOps pages(std::size_t(log.pages()));
    for (const ReportLog::Entry& entry : log.entries())
        pages.at(std::size_t(entry.page - 1)).push_back(entry.op);
    return pages;
}

// The job recorded by the preview window while it is open; the window closes once it is done.
inline PageOps livePages(const ReportJob& job) {
    RecordedPages recorded;
    RecordingPreview preview(recorded, job, {}, QStringLiteral("Preview Report"));
    QObject::connect(preview.statusWindow(), &PrintStatusDialog::jobEnded, &preview,
                     [&preview] { preview.accept(); });
    preview.exec();
    PageOps pages;
    for (int p = 0; p < recorded.pageCount(); ++p) pages.push_back(recorded.page(p));
    return pages;
}

// How many operations of the two differ (a missing one counts), page by page.
inline int differences(const PageOps& a, const PageOps& b) {
    int count = int(a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
    for (std::size_t p = 0; p < std::min(a.size(), b.size()); ++p) {
        const std::size_t n = std::min(a[p].size(), b[p].size());
        count += int(std::max(a[p].size(), b[p].size()) - n);
        for (std::size_t i = 0; i < n; ++i) count += sameOp(a[p][i], b[p][i]) ? 0 : 1;
    }
    return count;
}

}  // namespace rp

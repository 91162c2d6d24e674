#include "framework/ReportPaper.h"

#include <QPageSize>

namespace rp {
namespace {

QPageSize::PageSizeId pageSizeId(PaperKind kind) {
    switch (kind) {
        case PaperKind::A4:
            return QPageSize::A4;
        case PaperKind::A5:
            return QPageSize::A5;
        case PaperKind::Letter:
        case PaperKind::Custom:
            break;
    }
    return QPageSize::Letter;
}

}  // namespace

ReportPaper ReportPaper::standard(PaperKind kind) {
    if (kind == PaperKind::Custom) return ReportPaper();
    ReportPaper paper;
    paper.kind_ = kind;
    // ISO sizes are defined in millimetres; their inch sizes are not rounded.
    const QSizeF millimetres = QPageSize::size(pageSizeId(kind), QPageSize::Millimeter);
    paper.width_ = kind == PaperKind::Letter ? 8.5 : millimetres.width() / 25.4;
    paper.length_ = kind == PaperKind::Letter ? 11 : millimetres.height() / 25.4;
    return paper;
}

ReportPaper ReportPaper::custom(double width, double length) {
    ReportPaper paper;
    paper.kind_ = PaperKind::Custom;
    paper.width_ = width;
    paper.length_ = length;
    return paper;
}

QSizeF ReportPaper::pageSize() const {
    return landscape_ ? QSizeF(length_, width_) : QSizeF(width_, length_);
}

QPageLayout ReportPaper::pageLayout() const {
    const QPageSize size =
        kind_ == PaperKind::Custom
            ? QPageSize(QSizeF(width_, length_), QPageSize::Inch, QString(), QPageSize::ExactMatch)
            : QPageSize(pageSizeId(kind_));
    return QPageLayout(size, landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
}

}  // namespace rp

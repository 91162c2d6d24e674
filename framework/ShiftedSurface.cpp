#include "framework/ShiftedSurface.h"

#include <type_traits>

namespace rp {

ReportOp shiftedOp(const ReportOp& op, QPointF offset) {
    return std::visit(
        [offset](auto moved) -> ReportOp {
            using Op = std::decay_t<decltype(moved)>;
            if constexpr (std::is_same_v<Op, TextRun>) {
                moved.x += offset.x();
                moved.baseline += offset.y();
                moved.box.translate(offset);
            } else if constexpr (std::is_same_v<Op, LineOp>) {
                moved.from += offset;
                moved.to += offset;
            } else if constexpr (std::is_same_v<Op, FillOp>) {
                for (QRectF& rect : moved.rects) rect.translate(offset);
            } else {
                moved.rect.translate(offset);
            }
            return moved;
        },
        op);
}

QPointF pageOffset(QPointF sheetOffset, bool landscape) {
    // The page's x runs up the sheet and its y to the sheet's right.
    return landscape ? QPointF(-sheetOffset.y(), sheetOffset.x()) : sheetOffset;
}

bool ShiftedSurface::begin(const ReportPaper& paper) {
    offset_ = pageOffset(sheetOffset_, paper.landscape());
    return target_.begin(paper);
}

}  // namespace rp

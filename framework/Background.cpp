#include "framework/Background.h"

#include "framework/Resources.h"

#include <QPainter>
#include <QPixmap>
#include <QRect>

namespace rp {

QPixmap backgroundTile() {
    loadFrameworkResources();
    return QPixmap(QStringLiteral(":/framework/images/background.png"));
}

void tileBackground(QPainter& painter, const QRect& area, const QRect& dirty) {
    const QPixmap tile = backgroundTile();
    if (tile.isNull()) return;
    const int w = tile.width();
    const int h = tile.height();
    for (int y = area.top(); y <= area.bottom(); y += h) {
        for (int x = area.left(); x <= area.right(); x += w) {
            const QRect target(x, y, w, h);
            if (target.intersects(dirty)) painter.drawPixmap(target.topLeft(), tile);
        }
    }
}

}  // namespace rp

#include "framework/Background.h"

#include "framework/Resources.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QWidget>

namespace rp {
namespace {

constexpr QColor kPictureColour(0xe7, 0xe7, 0xe7);  // the picture's average grey
constexpr QColor kTextColour(0x00, 0x00, 0x00);
constexpr QColor kDisabledTextColour(0x78, 0x78, 0x78);

}  // namespace

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

void keepTextReadableOnBackground(QWidget& window) {
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, kPictureColour);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, kTextColour);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledTextColour);
    window.setPalette(palette);
}

}  // namespace rp

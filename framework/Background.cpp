#include "framework/Background.h"

#include "framework/Resources.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QTabWidget>
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

namespace {

// Sets face to the picture's grey and ink to dark text (grey when disabled), when the palette's
// ink is light (a dark desktop palette); a light palette's dark ink already reads on the picture,
// and its colours stay as they are.
void makeReadable(QWidget& widget, QPalette::ColorRole face, QPalette::ColorRole ink) {
    QPalette palette = widget.palette();
    if (palette.color(QPalette::Active, ink).lightnessF() < 0.5) return;
    palette.setColor(face, kPictureColour);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, ink, kTextColour);
    palette.setColor(QPalette::Disabled, ink, kDisabledTextColour);
    widget.setPalette(palette);
}

}  // namespace

void keepTextReadableOnBackground(QWidget& window) {
    makeReadable(window, QPalette::Window, QPalette::WindowText);
}

void keepPagesReadableOnBackground(QTabWidget& pages) {
    makeReadable(pages, QPalette::Button, QPalette::ButtonText);
}

}  // namespace rp

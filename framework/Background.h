#pragma once
// The quiet paper picture behind dialogs and the start screen.
class QPainter;
class QPixmap;
class QRect;

namespace rp {

// The 108 x 108 background picture.
QPixmap backgroundTile();

// Paints the background picture repeatedly over area, row by row from its top-left corner;
// only the tiles meeting dirty are drawn.
void tileBackground(QPainter& painter, const QRect& area, const QRect& dirty);

}  // namespace rp

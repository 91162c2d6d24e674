#pragma once
// The quiet paper picture behind dialogs and the start screen.
class QPainter;
class QPixmap;
class QRect;
class QTabWidget;
class QWidget;

namespace rp {

// The 108 x 108 background picture.
QPixmap backgroundTile();

// Paints the background picture repeatedly over area, row by row from its top-left corner;
// only the tiles meeting dirty are drawn.
void tileBackground(QPainter& painter, const QRect& area, const QRect& dirty);

// For a window that paints the background picture: the picture stays light whatever the
// desktop's palette, so under a dark palette the text drawn straight on it, and the children
// that fill their own background, take the light colours that go with it; a light palette is
// left as it is. Buttons, boxes and lists keep the desktop's colours.
void keepTextReadableOnBackground(QWidget& window);

// For tabbed pages on the background picture: the style paints their pane in the button
// colour, so under a dark palette the pane and the buttons on it take a light face with dark
// text too.
void keepPagesReadableOnBackground(QTabWidget& pages);

}  // namespace rp

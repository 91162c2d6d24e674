#pragma once
// Where the main window goes: 610 x 450, at the top-left corner of a 640 x 480 screen, else
// centred with integer division; and a maximised window cut to the screen's work area.
#include <QRect>

namespace rp {

inline constexpr QSize kMainWindowSize{610, 450};

QPoint startPosition(const QSize& screen, const QSize& window);

// A maximised window taller than the work area gets its height and a top of 0; else, when
// wider, its width and a left of 0.
QRect fitMaximised(const QRect& window, const QRect& workArea);

}  // namespace rp

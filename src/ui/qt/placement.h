// Where the window's own boxes go on the screen. Positions are those of the whole frame
// (caption bar and border included), which a window manager only makes known once it has
// framed the window, after it is shown.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace favpage::ui {

// The frame's top-left that centres a frame of size `outer` in `area`; halving truncates
// toward zero, so a frame larger than the area overhangs it evenly.
QPoint CentredIn(const QRect& area, const QSize& outer);

// Moves `window`'s frame to `place()` now and again each time its frame size changes: when
// the window manager adds its frame after the window is shown, or when the window sizes
// itself to its contents. A move by the user leaves the frame size alone and stays.
void KeepPlaced(QWidget* window, std::function<QPoint()> place);

// Keeps `window`'s whole frame centred on its screen.
void KeepCentredOnScreen(QWidget* window);

}  // namespace favpage::ui

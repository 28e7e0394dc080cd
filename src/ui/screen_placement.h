#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where a window may stand: always with its title strip, which drags it and holds its buttons, on
// the screens, whatever the dragging or the screens do.
namespace quorvant {

inline constexpr int kTitleStripHeight = 40;

// The areas of the screens that windows may use.
QList<QRect> ScreenAreas();

// Where `window` goes: where it is when its title strip lies on the screens, else moved the
// least into the screen that holds most of the strip, or the screen nearest to it.
QPoint KeptOnScreens(QRect window, const QList<QRect>& screens);

// Where a window opened over another goes so that all of it shows on `area`: moved the least;
// one larger than the area at its top left, so that its title and first controls show.
QPoint WithinArea(QRect window, QRect area);

}  // namespace quorvant

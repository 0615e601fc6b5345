#pragma once
// JQMOVEWINDOW's arithmetic: where a window of `window` size goes inside an
// area (its owner's canvas, or the screen), as the top-left corner in the
// area's coordinates. Offsets are pixels; they count by their absolute value,
// limited to the free width or height. Modes: 1 top left, 2 top right,
// 3 centred, 4 bottom right, 5 bottom left; any other mode centres the window
// horizontally (plus x) with its bottom edge at six sevenths of the free height
// from the bottom (moved down by |y| when y is negative).
#include <QPoint>
#include <QSize>

namespace vz {

// Never fails; a window larger than the area gets no negative free space.
QPoint jqMoveWindowPosition(const QSize &area, const QSize &window, int mode, int x = 0, int y = 0);

} // namespace vz

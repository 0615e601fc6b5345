#pragma once
// JQMOVEWINDOW for widgets: places `window` inside its owner's canvas (the
// workspace of the main window for its child windows, the parent's client
// area for other windows) or, with no owner, inside the screen. Modes and
// offsets as jqMoveWindowPosition() describes; returns the new top-left
// corner. Never fails.
#include <QPoint>
#include <QSize>

class QWidget;

namespace vz {

QPoint JQMOVEWINDOW(QWidget *window, int mode = 0, int x = 0, int y = 0);

// The whole primary screen's width and height, in the pixels windows are
// placed in: the screen the desktop counts as first, wherever the program's
// windows are, with the panels included. An empty size when there is no
// screen at all.
QSize FULLWINSIZE();

} // namespace vz

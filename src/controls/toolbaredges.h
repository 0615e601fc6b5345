#pragma once
// A main window's tool bar whose edge lines are painted on the GUI thread.
//
// Fusion draws the light and dark lines along a main window's tool bar with
// the raster engine's line stroker, which hands one span per pixel to the
// blend; past about a hundred spans the raster engine (Qt 6.4) splits a
// blend over the global thread pool, so the first paint of a window-wide
// tool bar starts a pool of threads and waits for them. Painted as
// one-pixel-wide rectangles, the same lines are one span per row: the same
// pixels, and the paint stays on the GUI thread.

class QToolBar;
class QStyle;

namespace vz {

// Gives `bar` a style that paints its edge lines as rectangles when the
// application's style is Fusion; under any other style the bar is left as it
// is. Returns whether the bar took the style. The style is shared by every
// such bar and lives as long as the application.
bool paintToolBarEdgesOnGuiThread(QToolBar *bar);

// The style the bars take (for the tests: the look against Fusion's own).
QStyle *toolBarEdgeStyle();

} // namespace vz

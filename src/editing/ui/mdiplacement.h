#pragma once
// Where the editing windows open in the workspace: filling its view from the
// top left, so that a new window never opens half hidden or cascaded.
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace vz {

// Adds `window` to `area` in a frame that deletes itself on closing, shows it
// sized to the area's view at its top left and activates it.
QMdiSubWindow *showFillingArea(QMdiArea *area, QWidget *window);

// "Küçült": the windows of `area` one over the other, each stepped by a title
// bar, each about two thirds of the area's view (never below its minimum
// size) and inside the view. Minimised windows stay as they are.
void cascadeUsable(QMdiArea *area);

} // namespace vz

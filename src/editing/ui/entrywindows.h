#pragma once
// How the main window opens and closes the entry windows.
//
// One window per kind: asking for a kind that is open activates that window.
// The matrix window and the nutrient or feedstuff windows are never open
// together (each edits what the other's copy-back would overwrite): opening
// one first closes the others with their copy-back.
#include "entrywindow.h"

#include <functional>

class QMdiArea;

namespace vz {

class EntryWindows {
public:
  // The window of `kind` open in `area`, or null.
  static EntryWindow *find(QMdiArea *area, EntryKind kind);

  // A new window of `kind` over `problem`, not yet shown, for the caller to
  // add to `area`. Null when a window of that kind is open (it is activated)
  // or when the window cannot show its table (its message was shown).
  // `ui` null: the window's own message boxes and dialogs. `menuState` runs
  // after a copy-back that changed the problem's tables; when empty, the
  // slot MI_ENADISABLE of the area's top-level window runs, if it has one.
  static EntryWindow *create(EntryKind kind, QMdiArea *area, RationProblem &problem,
                             Interaction *ui = nullptr, std::function<void()> menuState = {});

  // create(), then shown in `area` sized to it at its top left. Answers the
  // window of that kind now open (the one activated, if it was open), or null.
  static EntryWindow *open(EntryKind kind, QMdiArea *area, RationProblem &problem,
                           Interaction *ui = nullptr, std::function<void()> menuState = {});

  // Closes every entry window of `area`, each copying its table back. Never
  // refused; answers true when none is left open.
  static bool closeAll(QMdiArea *area);
};

} // namespace vz

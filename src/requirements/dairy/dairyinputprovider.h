#pragma once
// How the dairy model reaches its dialogs: the window layer shows them modally
// over the owner window (DairyDialogs in ui/), tests answer from a script.
// No call fails: a dialog left without OK is reported as a cancel.
#include "dairyinputs.h"

#include <optional>

namespace vz {

class DairyInputProvider {
public:
  virtual ~DairyInputProvider() = default;

  // STIPISECW(owner, mode); NSTIPI 0 means cancelled.
  virtual STipiSecResult askType(int mode) = 0;
  // The input dialogs; nullopt when the dialog did not end with OK (result 1).
  virtual std::optional<GrowCatleInput> askGrowing() = 0;
  virtual std::optional<LactCatleInput> askCow() = 0;
  virtual std::optional<MatBulInput> askBull() = 0;
};

} // namespace vz

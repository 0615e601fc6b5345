#pragma once
// APP:START: the program from its start to the end of its message loop.
#include "shell/shellstartup.h"
#include <functional>
#include <memory>

class QApplication;

namespace vz {

class FileCommandDialogs;
class Interaction;
class STANDARDSHELLWINDOW;

class ShellApp {
public:
  // Returns the process exit code: 0 after a normal end, 1 when the start was
  // refused (another copy runs, or the program is not installed).
  static int start(QApplication &app);

  // Steps 10 to 12 of the start: the main window with its menu state, the
  // problem file named on the command line opened (its own messages when it
  // cannot be), sized and centred; not yet shown. `adopt` runs right after the
  // window is made, before the file is opened (the messages' owner is set
  // there). Never fails.
  static std::unique_ptr<STANDARDSHELLWINDOW> buildMainWindow(
      const ShellStartup::Outcome &outcome, Interaction &ui, FileCommandDialogs &dialogs,
      const std::function<void(STANDARDSHELLWINDOW *)> &adopt = {});
};

} // namespace vz

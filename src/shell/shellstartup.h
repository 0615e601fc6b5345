#pragma once
// The start of the program up to the main window (APP:START steps 1 to 9):
// one running copy, the settings, the runtime settings and the empty ration
// problem, and the problem file named on the command line.
#include "startupsettings.h"
#include <QString>
#include <QStringList>

namespace vz {

class Interaction;
class SingleCopyLock;

class ShellStartup {
public:
  enum class Status { Run, AlreadyRunning, NotInstalled };

  struct Outcome {
    Status status = Status::Run;
    StartupSettings settings;
    QString problemFile;  // from the command line; empty when none
  };

  // Refuses a second copy and a missing program directory with their messages
  // through `ui`; otherwise makes the program directory current, stores it in
  // the session, empties the ration problem and returns Status::Run.
  static Outcome prepare(Interaction &ui, SingleCopyLock &lock, const QStringList &arguments);

  // The problem file named on the command line (arguments as the process got
  // them, program first): exactly one argument, with its surrounding double
  // quotes removed, taken as it is written. Empty otherwise.
  static QString problemFileArgument(const QStringList &arguments);

  // Qt's own texts (standard buttons, file, print, font and colour dialogs,
  // the edit menu of a text field) in Turkish, from Qt's translations folder,
  // and Turkish as the default locale. Call once, before the first window;
  // false when the translation is missing (those texts then stay in English).
  static bool loadQtTranslation();

  static QString alreadyRunningText();
  static QString notInstalledText();
};

} // namespace vz

#pragma once
// APP:START: the program from its start to the end of its message loop.
#include "shell/shellstartup.h"
#include "shell/userstable.h"
#include <functional>
#include <future>
#include <memory>

class QApplication;
class QWidget;

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

  // Step 6: the users table is made sure of (created with its default user,
  // or converted from plain passwords); a table that cannot be is told, and
  // so is one of plain passwords that could not be converted.
  static void checkUsersTable(const StartupSettings &settings, Interaction &ui);
  // UsersTable::ensure run off the window thread, with a progress window while
  // more than one password is converted; returns when it is done.
  static UsersTable::State ensureUsersTable(const QString &programDir, QString *message);

  // Step 6 run alongside what follows, up to the first thing the user sees:
  // a table to write (at a first start) or to read waits for the disk, so it
  // is done on a worker thread while the main window is made. finish() waits
  // for it and then tells what checkUsersTable tells, so the messages still
  // come before any other. A table of plain passwords is converted at once,
  // as checkUsersTable does: its progress shows.
  class UsersTableCheck {
  public:
    UsersTableCheck(const StartupSettings &settings, Interaction &ui);
    ~UsersTableCheck();
    UsersTableCheck(const UsersTableCheck &) = delete;
    UsersTableCheck &operator=(const UsersTableCheck &) = delete;
    // Once; later calls do nothing.
    void finish();

  private:
    struct Outcome {
      UsersTable::State state = UsersTable::State::Unusable;
      QString message;
    };
    Interaction &m_ui;
    std::future<Outcome> m_pending;
  };

  // Step 13: the log-on when the option asks for it. False when it failed or
  // was cancelled: the program then ends. Three wrong presses are told first
  // (refusedText); a cancel ends it asking nothing. On success the session
  // keeps the user's id.
  // A splash still up is closed before the dialog: it stays on top.
  static bool logOnAtStart(const StartupSettings &settings, Interaction &ui, QWidget *splash = nullptr);
  static QString refusedText();

  // Step 14: the tip of the day, modal over `window`, opening after the tip
  // shown last; afterwards the tip on screen is stored, and clearing
  // "Başlarken göster" switches the option off as "&Tüyo Göster" does. The
  // window's "&Daha fazla bilgi" box goes through `messages` (its own when null).
  static void tipOfTheDayAtStart(STANDARDSHELLWINDOW *window, unsigned lastTip,
                                 Interaction *messages = nullptr);
};

} // namespace vz

#pragma once
// The problem file commands of the main menu ("&Yeni...", "&Aç...",
// "Ka&pat...", "&Kaydet...", "&Farklı Kaydet") and DOOPENFILE, on the session's
// problem. At any moment either no problem is open or exactly one file is open
// and loaded. The commands talk to the user only through the interaction and
// the dialogs they are given; the main window supplies the hooks below.
#include <QString>
#include <functional>

namespace vz {

class AppSession;
class FileCommandDialogs;
class Interaction;

class ProblemFileCommands {
public:
  struct Hooks {
    // MI_ENADISABLE: after every open and close (required).
    std::function<void()> problemChanged;
    // The main window's caption (required).
    std::function<void(const QString &)> setCaption;
    // Closes the windows that hold a copy of the problem, with their copy-back,
    // before a command reads, replaces or closes the whole problem; false when
    // one of them stayed open (the command then does nothing). Optional.
    std::function<bool()> closeProblemWindows;
  };

  ProblemFileCommands(AppSession &session, Interaction &ui, FileCommandDialogs &dialogs, Hooks hooks);

  // DOOPENFILE: true when `fileName` became the open problem; false after its
  // message (not a ".RVD" name, missing, unreadable) or when it is already open
  // under exactly that name, or when closing the old problem was refused.
  bool doOpenFile(const QString &fileName);
  // FILEOPEN ("&Aç..."): the open dialog, then doOpenFile. False when nothing opened.
  bool fileOpen();
  // YENIDOSYAGIR ("&Yeni..."): false when cancelled, refused or failed (after
  // its message); the new file is open and saved once on true.
  bool newFile();
  // KAYDET: writes the flagged parts; false after an error message when the
  // file cannot be written (the flags stay raised). A part another session
  // saved since this one read it is written only after the user's answer:
  // over the other session's change, or discarding ours (the problem is then
  // read again from the file); cancelling saves nothing and answers false.
  bool save();
  // FKAYDET ("&Farklı Kaydet"): false when refused or failed.
  bool saveAs();
  // FILECLOSE ("Ka&pat..."): asks to save when a flag is raised; false (and the
  // problem stays open) when the save the user asked for failed.
  bool fileClose();
  // The save question and the close when the program ends; false keeps the
  // program running with its problem.
  bool closeForExit();

  // VKDEFAULTS: makes the program directory current again. Never fails.
  static void vkDefaults(const QString &programDir);

  static QString defaultCaption();

private:
  bool closeWindows();
  bool askSaveAndClose();

  AppSession &m_session;
  Interaction &m_ui;
  FileCommandDialogs &m_dialogs;
  Hooks m_hooks;
};

} // namespace vz

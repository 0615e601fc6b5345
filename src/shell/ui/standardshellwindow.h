#pragma once
// The main window (STANDARDSHELLWINDOW): a workspace of child windows under
// the main menu, its tool bar and a status bar with a clock. It owns every
// child window and dialog of the program and carries the menu commands.
//
// Menu routing: every menu item carries an event name (its action's "vzEvent"
// property). A chosen item runs the method of that name on the active child
// window when that window has one (a slot or Q_INVOKABLE without arguments),
// otherwise on the main window, otherwise on the report window hook. A child
// window that is a QMainWindow with a menu bar has that menu shown in the main
// window's menu bar while it is active; its items that carry an event name
// (and are not connected by the child itself) are routed the same way, so
// "&Küçült" (WINDOWCASCADE) in a child's menu reaches the main window.
#include <QAction>
#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "editing/entrytable.h"
#include "problem/appsession.h"
#include "shell/startupsettings.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QToolBar;

namespace vz {

class EMPTYSHELLMENU;
class FileCommandDialogs;
class HelpWindow;
class Interaction;
class ProblemFileCommands;
class ReportWindowHook;

class STANDARDSHELLWINDOW : public QMainWindow {
  Q_OBJECT
public:
  STANDARDSHELLWINDOW(Interaction &ui, FileCommandDialogs &dialogs,
                      const StartupSettings &settings, QWidget *parent = nullptr);
  ~STANDARDSHELLWINDOW() override;

  QMdiArea *mdiArea() const { return m_mdi; }
  EMPTYSHELLMENU *mainMenu() const { return m_menu; }
  Interaction &interaction() const { return m_ui; }
  ProblemFileCommands &fileCommands() const { return *m_files; }
  // Null until help is first asked for.
  HelpWindow *helpDisplay() const { return m_help; }
  QLabel *clock() const { return m_clock; }

  // Runs the event by name (see the routing note above); false when no one
  // carries it.
  bool routeEvent(const QByteArray &event);

  // Adds `child` as a child window: sized to the workspace, placed at its top
  // left (JQMOVEWINDOW mode 1) and shown. Returns its frame.
  QMdiSubWindow *showChildWindow(QWidget *child);

  // Closes every child window other than the report windows, so that editing
  // windows copy their tables back first. False when one of them stayed open.
  bool closeProblemWindows();
  // closeProblemWindows(), then the main menu's enabling recomputed from the
  // tables written back: true when menu item `item` is still open.
  bool closeProblemWindowsFor(int item);

  // Back to the menu and tool bar that the active window calls for (when the
  // report editor is left); runs MI_ENADISABLE.
  void restoreMainMenu();

  // The report editor (ReportEditor, made by the constructor) is the hook;
  // another one may replace it (takes ownership); see reportwindowhook.h.
  void setReportWindowHook(ReportWindowHook *hook);
  ReportWindowHook *reportWindowHook() const { return m_reportHook; }

public slots:
  // Problem file commands.
  bool DOOPENFILE(const QString &fileName);
  void YENIDOSYAGIR();
  bool FILEOPEN();
  void FILECLOSE();
  void KAYDET();
  bool FKAYDET();
  void FILEEXIT();
  bool QUERYCLOSE();

  void MI_ENADISABLE();

  void BM_GIRIS();
  void YM_GIRIS();
  void AMAT_GIRIS();
  void BMO_GIRIS();
  void KW_MANUEL_COZUM();
  void KW_OPT_COZUM();
  void REPORTPAD();

  // Requirement estimates: rows merged into the problem, or the report.
  void NRESTOFDC1();
  void NRESTOFBC1();
  void NRESTOFDC2();
  void NRESTOFBC2();
  void AMATREPORT();

  // The problem built or extended from the reference matrix, and its reports.
  void AMAT_OLUSTUR();
  void AMAT_YMEKLE();
  void AMAT_BMEKLE();
  void HMFIATLIST();
  void KMMREPORT();

  // Keeping the reference matrix, each after the "Geçiş İzni" log-on.
  void RM_YAZIM();
  void RM_BMEKLESIL();
  void RM_YEDEKLE();

  void WINDOWCASCADE();
  void WINDOWTILE();
  void WINDOWICON();

  void HELPINDEX();
  void HELPCONTENTS();
  void HELPUSINGHELP();
  void KWHAKKINDA();

  // The "&Başlarken" toggles: each flips its check mark and stores the option
  // for the next start; when the settings cannot be written the mark goes
  // back and the status bar says so.
  void TUYOGOSTER();
  void LOGOGOSTER();
  void ADPAROLASOR();

  // The user items: a new user, or a new name and password for the one who
  // logged on at start.
  void ADDNEWUSER();
  void CHANGEUANDP();

  // Shows a help topic by name (the windows' help commands use it).
  void showHelpTopic(const QString &topic);

protected:
  void closeEvent(QCloseEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  void HELPOPEN();
  void POSTINIT(const StartupSettings &settings);
  void openEntryWindow(EntryKind kind);
  void toggleStartupOption(int id, bool AppSession::StartupMarks::*mark, bool (*writer)(bool, QString *));
  void showMenus(const QList<QMenu *> &menus);
  void childActivated(QMdiSubWindow *window);
  void showLiveMenu();
  static QMenuBar *ownMenuBar(QMdiSubWindow *window);
  void routeChildMenu(QMenu *menu);
  bool isReportWindow(QMdiSubWindow *window) const;

  Interaction &m_ui;
  FileCommandDialogs &m_dialogs;
  std::unique_ptr<ProblemFileCommands> m_files;
  QMdiArea *m_mdi = nullptr;
  EMPTYSHELLMENU *m_menu = nullptr;
  QPointer<QMdiSubWindow> m_menuChild;      // the active child whose menu is shown

  HelpWindow *m_help = nullptr;
  QLabel *m_clock = nullptr;
  ReportWindowHook *m_reportHook = nullptr;
  bool m_closing = false;
};

} // namespace vz

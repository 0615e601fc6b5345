#pragma once
// The report editor as the main window sees it: report windows (PADWIN) in
// the main window's MDI area, the editor's menu (STANDARDPADMENU) in place of
// the main menu from "&Editörde Gözlem" until the last report window closes,
// the commands that open, make and list report windows (at most ten), and
// the exit check of unsaved reports.
//
// Wiring: the main window makes one ReportEditor (its child) and installs it
// as its ReportWindowHook. On entering the editor the main window's menu bar
// is cleared and the editor's menus put in it, and the main window's own tool
// bars are hidden and its window-wide shortcut actions taken off; when the
// last report window closes the editor takes its menus and tool bar away,
// gives those back and emits returnedToMain(): the main window
// then fills its menu bar with its main menu, shows its tool bar, runs
// MI_ENADISABLE and sets the start-up option check marks as they stand now.
#include "problem/interaction.h"
#include "reporteditormenu.h"
#include "reportwindowhook.h"
#include "shell/reporteditorstate.h"

#include <QList>
#include <QPointer>
#include <memory>

class QMainWindow;
class QPrinter;
class QMdiArea;
class QMdiSubWindow;
class QAction;
class QToolBar;

namespace vz {

class PADWIN;
class ReportEditorDialogs;

class ReportEditor : public ReportWindowHook {
  Q_OBJECT
public:
  // `dialogs` null: Qt's standard dialogs. The editor keeps references to
  // `ui` and `dialogs`, which must outlive it.
  ReportEditor(QMainWindow *mainWindow, QMdiArea *area, Interaction &ui,
               ReportEditorDialogs *dialogs = nullptr, QObject *parent = nullptr);
  ~ReportEditor() override;

  // ReportWindowHook
  void reportPad() override;                          // "&Editörde Gözlem"
  void dropFiles(const QStringList &paths) override;  // files dropped on the main window
  bool hasReportWindows() const override { return m_state.count() > 0; }
  // Program exit: every report window with unsaved text asks whether to save
  // it; false ("İptal", or a save that failed) keeps the program running.
  bool queryClose() override;
  QList<QMenu *> reportMenus() const override;
  QToolBar *reportToolBar() const override;

  // "&Editörde Gözlem" on the given file (the current report file); an empty
  // or missing name opens a new untitled window.
  void openCurrentReport(const QString &path);
  // RE_DOOPENFILE: checks the name and the window limit, shows its messages;
  // the new window or nullptr.
  PADWIN *openFile(const QString &path);
  // RE_FILENEW: a new untitled window or nullptr (limit reached).
  PADWIN *newWindow();

  bool inReportMode() const { return m_menu != nullptr; }
  STANDARDPADMENU *menu() const { return m_menu; }
  QList<PADWIN *> windows() const;
  PADWIN *activeWindow() const;
  const ReportEditorState &state() const { return m_state; }
  // Made on the first print or printer set-up, by the print module: a
  // printer asks the print system for its default destination, which costs a
  // tenth of a second. Null, the user told why, when the module cannot be
  // loaded.
  QPrinter *printer();

public slots:
  void REPORTPAD() { reportPad(); }
  void RE_FILENEW() { newWindow(); }
  void RE_FILEOPEN();
  void FILEPRINTERSETUP();
  void RE_CONTEXTHELP();
  void RETURNTOMAIN();
  // The report editor menu's items, by event name.
  void runCommand(const QByteArray &event);

signals:
  // The last report window closed: the main window puts its main menu back.
  void returnedToMain();
  // Items of the editor's menu that the main window carries out:
  // WINDOWCASCADE, WINDOWTILE, HELPINDEX, HELPUSINGHELP, KWHAKKINDA.
  void mainWindowCommand(const QByteArray &event);
  // The editor's help topic ("Rapor Editörü") in the main window's help.
  void helpTopicRequested(const QString &topic);

private:
  void enterReportMode();
  PADWIN *newEditWindow(const QString &name);
  PADWIN *findWindow(const QString &path) const;
  void bringForward(PADWIN *pad);
  void windowClosed(PADWIN *pad);
  void closeAll();
  QMdiSubWindow *subWindowOf(PADWIN *pad) const;

  QPointer<QMainWindow> m_mainWindow;
  QPointer<QMdiArea> m_area;
  Interaction &m_ui;
  std::unique_ptr<ReportEditorDialogs> m_ownDialogs;
  ReportEditorDialogs *m_dialogs;
  std::unique_ptr<QPrinter> m_printer;
  ReportEditorState m_state;
  QPointer<STANDARDPADMENU> m_menu;
  QList<QPointer<QToolBar>> m_hiddenToolBars;
  QList<QPointer<QAction>> m_takenActions;  // the main window's accelerators
};

} // namespace vz

#pragma once
// Where the report editor plugs into the main window. The main window owns one
// ReportWindowHook: until the report editor is installed it is the read-only
// text viewer (ReadOnlyReportViewer); the report editor installs its own with
// STANDARDSHELLWINDOW::setReportWindowHook() once, right after the main window
// is built (ShellApp::start).
//
// Menu events that neither the active child window nor the main window carry
// (the report editor menu's RE_... events) are sent by name to the hook object,
// so its slots named after those events run.
#include <QList>
#include <QObject>
#include <QStringList>

class QMenu;
class QToolBar;

namespace vz {

class ReportWindowHook : public QObject {
  Q_OBJECT
public:
  using QObject::QObject;
  ~ReportWindowHook() override = default;

  // "&Editörde Gözlem": open the current report file (or an empty report when
  // there is none or it is missing). Shows its own messages.
  virtual void reportPad() = 0;
  // Files dropped on the main window, full local paths in drop order.
  virtual void dropFiles(const QStringList &paths) = 0;
  // True while report windows are open (the exit question may ask them).
  virtual bool hasReportWindows() const = 0;
  // Asked before the program ends: false keeps the program running.
  virtual bool queryClose() { return true; }
  // While report windows are open: the editor's menus and tool bar, which
  // the main window shows whenever no child window with a menu of its own is
  // active. Empty and null otherwise.
  virtual QList<QMenu *> reportMenus() const { return {}; }
  virtual QToolBar *reportToolBar() const { return nullptr; }
};

} // namespace vz

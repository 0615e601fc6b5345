#pragma once
// The open and save-as dialogs of the problem file commands. A problem file's
// extension matches in any letter case ("a.rvd" is listed with "B.RVD").
#include "shell/filecommanddialogs.h"
#include <QPointer>
#include <QStringList>

class QFileDialog;
#include <QWidget>

namespace vz {

class QtFileCommandDialogs : public FileCommandDialogs {
public:
  explicit QtFileCommandDialogs(QWidget *owner = nullptr) : m_owner(owner) {}
  void setOwner(QWidget *owner) { m_owner = owner; }

  QString askOpenFile(const QString &dataDir) override;
  SaveAsChoice askSaveAs(const QString &initialFile, const QString &dataDir) override;

  // A filter that shows `description` and lists the extension in any case.
  static QString anyCaseFilter(const QString &description, const QString &extension);
  // The 1-based position in `filters` of the type chosen in `dialog` (given
  // those filters) when it closed.
  static int selectedFilterIndex(const QFileDialog &dialog, const QStringList &filters);

  // Every file dialog of the program: Qt's own dialog (never the desktop's),
  // Turkish dates and sizes, room for the detail view's columns, each column
  // as wide as what it shows. The names of the file types follow the default
  // locale (see ShellStartup::loadQtTranslation).
  static void makeReadable(QFileDialog &dialog);

private:
  QPointer<QWidget> m_owner;
};

} // namespace vz

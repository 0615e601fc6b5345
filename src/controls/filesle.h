#pragma once
// The edit of a file or folder name: a double click (and, for PBFILESLE, its
// small button at the right end) opens the dialog NDIALOGTYPE selects and puts
// its answer into the edit: 1 open a file, 2 choose a folder (the text then
// becomes the folder joined with SDBFNAME), any other value save a file. A
// cancelled dialog leaves the text as it was; a read-only edit opens nothing.
#include "rightsle.h"
#include "wmbitmapbutton.h"

#include <QStringList>
#include <functional>

namespace vz {

class FILESLE : public RIGHTSLE {
  Q_OBJECT
public:
  explicit FILESLE(QWidget *owner = nullptr);

  int NDIALOGTYPE = 1;
  QString SFDIALOGCAPTION;    // the folder dialog's prompt
  QString SDBFNAME;           // the file name joined to a chosen folder
  QStringList XFILTER;        // the file dialogs' patterns; empty: every file ("*")
  QStringList XFILTERDESC;    // their descriptions

  // Opens the dialog and takes its answer (see above).
  void MOUSEBUTTONDOUBLECLICK();

  // The dialogs themselves: (edit, dialog type, caption or proposed name,
  // filter) -> the chosen path, empty when cancelled. Tests put their own
  // chooser here; an empty function restores the system dialogs.
  using Chooser = std::function<QString(FILESLE *edit, int type, const QString &start, const QString &filter)>;
  static void setChooser(Chooser chooser);

protected:
  void mouseDoubleClickEvent(QMouseEvent *event) override;
};

class PBFILESLE;

// The small button of PBFILESLE. Its tooltip and name say what it chooses:
// "Dizin seç" for a folder, "Dosya seç" for a file.
class FILEPB : public WMBITMAPBUTTON {
  Q_OBJECT
public:
  FILEPB(QWidget *owner, FILESLE *edit);
  FILESLE *edit() const { return m_edit; }
  // Names the button after its edit's dialog type.
  void describe();

protected:
  bool event(QEvent *event) override;

private:
  FILESLE *m_edit;
};

class PBFILESLE : public FILESLE {
  Q_OBJECT
public:
  explicit PBFILESLE(QWidget *owner = nullptr);

  FILEPB *button() const { return m_button; }

private:
  FILEPB *m_button;
};

} // namespace vz

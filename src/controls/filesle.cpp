#include "filesle.h"

#include "editbuttonpictures.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QMouseEvent>

namespace vz {

namespace {

FILESLE::Chooser &chooser()
{
  static FILESLE::Chooser c;
  return c;
}

QString systemDialog(FILESLE *edit, int type, const QString &start, const QString &filter)
{
  if (type == 2)
    return QFileDialog::getExistingDirectory(edit, start, QString(), QFileDialog::ShowDirsOnly);
  if (type == 1)
    return QFileDialog::getOpenFileName(edit->window(), QString(), start, filter);
  return QFileDialog::getSaveFileName(edit->window(), QString(), start, filter);
}

} // namespace

FILESLE::FILESLE(QWidget *owner) : RIGHTSLE(owner) {}

void FILESLE::setChooser(Chooser c) { chooser() = std::move(c); }

void FILESLE::mouseDoubleClickEvent(QMouseEvent *event)
{
  if (event->button() == Qt::LeftButton) {
    event->accept();
    MOUSEBUTTONDOUBLECLICK();
    return;
  }
  RIGHTSLE::mouseDoubleClickEvent(event);
}

void FILESLE::MOUSEBUTTONDOUBLECLICK()
{
  // A read-only name is only to be looked at.
  if (isReadOnly())
    return;
  QStringList filters;
  if (XFILTER.isEmpty()) {
    filters.append(QStringLiteral("All FIles (*)"));
  } else {
    for (int i = 0; i < XFILTER.size(); ++i)
      filters.append(XFILTERDESC.value(i, XFILTER.at(i)) + QStringLiteral(" (") + XFILTER.at(i) + QLatin1Char(')'));
  }
  const QString filter = filters.join(QStringLiteral(";;"));
  const QString start = NDIALOGTYPE == 2 ? SFDIALOGCAPTION : text();
  const Chooser &c = chooser();
  const QString answer = c ? c(this, NDIALOGTYPE, start, filter) : systemDialog(this, NDIALOGTYPE, start, filter);
  if (answer.isEmpty())
    return;
  if (NDIALOGTYPE == 2)
    setText(QDir::toNativeSeparators(QDir(answer).filePath(SDBFNAME)));
  else
    setText(QDir::toNativeSeparators(answer));
  setModified(true);
}

FILEPB::FILEPB(QWidget *owner, FILESLE *edit) : WMBITMAPBUTTON(owner), m_edit(edit)
{
  setPictures(magnifierButtonPicture(false), magnifierButtonPicture(true));
  describe();
  connect(this, &QPushButton::clicked, this, [this] {
    if (m_edit && !m_edit->isReadOnly())
      m_edit->MOUSEBUTTONDOUBLECLICK();
  });
}

void FILEPB::describe()
{
  const QString what = m_edit && m_edit->NDIALOGTYPE == 2 ? QStringLiteral("Dizin seç") : QStringLiteral("Dosya seç");
  if (toolTip() != what) {
    setToolTip(what);
    setAccessibleName(what);
  }
}

bool FILEPB::event(QEvent *event)
{
  // The owner sets the dialog type after building the edit, so the button
  // names what it chooses whenever it is shown or asked.
  if (event->type() == QEvent::Show || event->type() == QEvent::ToolTip
      || event->type() == QEvent::Polish)
    describe();
  return WMBITMAPBUTTON::event(event);
}

PBFILESLE::PBFILESLE(QWidget *owner) : FILESLE(owner), m_button(new FILEPB(this, this))
{
  // Inside the edit, as the date and search edits carry theirs: it follows
  // the edit wherever a layout puts it and never floats on its own.
  attachCompanionButton(m_button);
}

} // namespace vz

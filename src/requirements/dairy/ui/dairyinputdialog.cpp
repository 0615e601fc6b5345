#include "dairyinputdialog.h"

#include "controls/dialogunits.h"
#include "controls/jqsle.h"
#include "controls/windowicons.h"
#include "problem/ui/messages.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace vz {

namespace {

DairyInputDialog::Warner &warner()
{
  static DairyInputDialog::Warner w = [](QWidget *owner, const QString &text) {
    UYARI(owner, QString(), text);
  };
  return w;
}

} // namespace

DairyInputDialog::Warner DairyInputDialog::setWarner(Warner w)
{
  Warner old = warner();
  warner() = std::move(w);
  return old;
}

DairyInputDialog::DairyInputDialog(QWidget *owner, std::unique_ptr<DairyEditForm> form,
                                   const QString &caption)
  : OkCancelDialog(owner)
  , m_form(std::move(form))
{
  setWindowTitle(caption);
  setWindowIcons(this, VSKTOD());
  setFont(DialogUnits::makeFont(QStringLiteral("MS Sans Serif"), 8));
}

DairyInputDialog::~DairyInputDialog()
{
  // Hiding the dialog on the way out takes the focus from an edit; the form
  // is gone by then, so the edits must no longer reach it.
  for (JQSLE *e : std::as_const(m_edits))
    disconnect(e, nullptr, this, nullptr);
}

DialogUnits DairyInputDialog::fixSize(int w, int h)
{
  const DialogUnits du(font());
  setFixedSize(du.size(w, h));
  return du;
}

QLabel *DairyInputDialog::addLabel(const QString &name, const QString &text, const DialogUnits &du,
                                   int x, int y, int w, int h)
{
  auto *label = new QLabel(text, this);
  label->setObjectName(name);
  label->setWordWrap(true);
  DialogUnits::place(label, du, x, y, w, h);
  return label;
}

QLabel *DairyInputDialog::addEnergyLabel(const QString &name, const DialogUnits &du, int x, int y,
                                         int w, int h)
{
  return addLabel(name, QStringLiteral("Enerji konsantrasyonu (Yed./NRC Tah.=0.95-1.05):"), du, x,
                  y, w, h);
}

void DairyInputDialog::addGroupBox(const QString &name, const QString &title, const DialogUnits &du,
                                   int x, int y, int w, int h)
{
  auto *box = new QGroupBox(title, this);
  box->setObjectName(name);
  DialogUnits::place(box, du, x, y, w, h);
}

JQSLE *DairyInputDialog::addEdit(const QString &name, QLabel *label, const DialogUnits &du, int x,
                                 int y, int w, int h)
{
  const int index = int(m_edits.size());
  auto *e = new JQSLE(this);
  e->setObjectName(name);
  e->setText(m_form->text(index));
  DialogUnits::place(e, du, x, y, w, h);
  if (label) {
    label->setBuddy(e);
    e->setAccessibleName(label->text());
  }
  m_edits.append(e);
  connect(e, &QLineEdit::textEdited, this,
          [this, index](const QString &text) { m_form->typeText(index, text); });
  connect(e, &JQSLE::focusChanged, this, [this, index](bool gained) {
    if (gained)
      editEntered(index);
    else
      editLeft(index);
  });
  return e;
}

void DairyInputDialog::PBIPTAL()
{
  QDialog::done(Rejected);
}

void DairyInputDialog::syncEdits()
{
  for (int i = 0; i < m_edits.size(); ++i) {
    JQSLE *e = m_edits.at(i);
    if (e->text() != m_form->text(i))
      e->setText(m_form->text(i));
    e->setEnabled(m_form->isEnabled(i));
  }
}

int DairyInputDialog::focusedEdit() const
{
  QWidget *f = focusWidget();
  for (int i = 0; i < m_edits.size(); ++i) {
    if (m_edits.at(i) == f)
      return i;
  }
  return -1;
}

void DairyInputDialog::refocusWidget(QWidget *w)
{
  QPointer<QWidget> target(w);
  QTimer::singleShot(0, this, [target] {
    if (target && target->isEnabled())
      target->setFocus(Qt::OtherFocusReason);
  });
}

void DairyInputDialog::refocus(int index)
{
  if (index >= 0 && index < m_edits.size())
    refocusWidget(m_edits.at(index));
}

void DairyInputDialog::warn(const QString &text)
{
  warner()(this, text);
}

void DairyInputDialog::editEntered(int)
{
}

void DairyInputDialog::editLeft(int index)
{
  if (!isVisible())
    return;
  if (!m_form->leaveEdit(index)) {
    refocus(index);
    return;
  }
  JQSLE *e = m_edits.at(index);
  if (e->text() != m_form->text(index))
    e->setText(m_form->text(index));
}

} // namespace vz

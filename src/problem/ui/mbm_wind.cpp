#include "mbm_wind.h"
#include "controls/dialogunits.h"
#include "controls/jqsle.h"
#include "problem/numbertext.h"
#include "messages.h"
#include <QLabel>

namespace vz {

MBM_WIND::MBM_WIND(QWidget *owner, const QString &prompt, const QString &value)
    : OkCancelDialog(owner), m_ctxtval(value)
{
  const DialogUnits du = setUpFrame(QStringLiteral("Makro BM Yeni Değer Girişi"),
                                    DialogUnits::shellDlgFont(), 221, 44);

  m_label = new QLabel(prompt, this);
  m_label->setObjectName(QStringLiteral("FIXEDTEXT1"));
  m_label->setFont(DialogUnits::makeFont(QStringLiteral("Arial"), 10));
  m_label->setWordWrap(true);
  DialogUnits::place(m_label, du, 4, 7, 159, 18);

  m_edit = new JQSLE(this);
  m_edit->setObjectName(QStringLiteral("MBM_EDIT"));
  m_edit->setText(value);
  DialogUnits::place(m_edit, du, 168, 7, 49, 12);
  m_label->setBuddy(m_edit);
  m_edit->setAccessibleName(prompt);

  addOkCancel(du, 72, 29, 46, 12, 124, 29, 46, 12);
  chainToOkCancel(m_edit);
  m_edit->setFocus();

  connect(m_edit, &QLineEdit::textEdited, this, [this] { m_pending = true; });
  connect(m_edit, &JQSLE::focusChanged, this, [this](bool gained) {
    if (!gained)
      normaliseIfTyped();
  });
}

void MBM_WIND::normaliseIfTyped()
{
  if (!m_pending)
    return;
  // Text that is no number, or too wide, stays as typed: OK names it.
  if (!signedNumberRefusal(m_edit->text(), 4).isEmpty())
    return;
  m_pending = false;
  m_edit->setText(signedNumberText(m_edit->text(), 4));
}

void MBM_WIND::PBTAMAM()
{
  // Enter confirms without the focus leaving the edit: normalise here too, so
  // that Enter and the button give the same value.
  normaliseIfTyped();
  if (m_pending) {
    UYARI(this, QString(), signedNumberRefusal(m_edit->text(), 4));
    m_edit->setFocus();
    m_edit->selectAll();
    return;
  }
  m_ctxtval = m_edit->text();
  QDialog::done(Accepted);
}

void MBM_WIND::PBIPTAL()
{
  QDialog::done(Rejected);
}

} // namespace vz

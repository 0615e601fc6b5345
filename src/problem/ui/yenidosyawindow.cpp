#include "yenidosyawindow.h"
#include "controls/dialogunits.h"
#include "controls/jqsle.h"
#include <QLabel>

namespace vz {

YENIDOSYAWINDOW::YENIDOSYAWINDOW(QWidget *owner) : OkCancelDialog(owner)
{
  const DialogUnits du =
      setUpFrame(QStringLiteral("Yeni..."), DialogUnits::shellDlgFont(), 300, 33);

  m_label = new QLabel(QStringLiteral("Yeni bir veri dosyası adı giriniz:"), this);
  m_label->setObjectName(QStringLiteral("FIXEDTEXT1"));
  m_label->setFont(DialogUnits::makeFont(QStringLiteral("Microsoft Sans Serif"), 10));
  DialogUnits::place(m_label, du, 8, 3, 128, 13);
  m_label->adjustSize();

  m_edit = new JQSLE(this);
  m_edit->setObjectName(QStringLiteral("DOSYAADILINE"));
  m_edit->setMaxLength(65);
  m_edit->setAttribute(Qt::WA_InputMethodEnabled, true);
  DialogUnits::place(m_edit, du, 4, 18, 240, 11);
  m_label->setBuddy(m_edit);

  addOkCancel(du, 248, 3, 48, 13, 248, 18, 48, 12);
  chainToOkCancel(m_edit);
  m_edit->setFocus();
}

void YENIDOSYAWINDOW::PBTAMAM()
{
  m_cDosya = m_edit->text();
  QDialog::done(Accepted);
}

void YENIDOSYAWINDOW::PBIPTAL()
{
  m_cDosya.clear();
  QDialog::done(Rejected);
}

} // namespace vz

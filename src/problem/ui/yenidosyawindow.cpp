#include "yenidosyawindow.h"
#include "controls/dialogunits.h"
#include "controls/jqsle.h"
#include "controls/windowicons.h"
#include <QLabel>
#include <QPushButton>

namespace vz {

YENIDOSYAWINDOW::YENIDOSYAWINDOW(QWidget *owner) : QDialog(owner)
{
  setWindowTitle(QStringLiteral("Yeni..."));
  setWindowIcons(this, VSKTOD());
  const QFont dlgFont = DialogUnits::shellDlgFont();
  setFont(dlgFont);
  const DialogUnits du(dlgFont);
  setFixedSize(du.size(300, 33));

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

  m_ok = new QPushButton(QStringLiteral("&Tamam"), this);
  m_ok->setObjectName(QStringLiteral("PBTAMAM"));
  m_ok->setDefault(true);
  DialogUnits::place(m_ok, du, 248, 3, 48, 13);

  m_cancel = new QPushButton(QStringLiteral("&İptal"), this);
  m_cancel->setObjectName(QStringLiteral("PBIPTAL"));
  m_cancel->setAutoDefault(false);
  DialogUnits::place(m_cancel, du, 248, 18, 48, 12);

  setTabOrder(m_edit, m_ok);
  setTabOrder(m_ok, m_cancel);
  m_edit->setFocus();
  connect(m_ok, &QPushButton::clicked, this, &YENIDOSYAWINDOW::PBTAMAM);
  connect(m_cancel, &QPushButton::clicked, this, &YENIDOSYAWINDOW::PBIPTAL);
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

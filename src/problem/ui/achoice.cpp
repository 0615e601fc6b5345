#include "achoice.h"
#include "controls/dialogunits.h"
#include "controls/jqlistbox.h"
#include "controls/windowicons.h"
#include <QPushButton>

namespace vz {

ACHOICE::ACHOICE(QWidget *owner, const QString &caption, const QStringList &items)
    : QDialog(owner)
{
  setWindowTitle(caption);
  setWindowIcons(this, VSKTOD());
  const QFont dlgFont = DialogUnits::makeFont(QStringLiteral("MS Sans Serif"), 8);
  setFont(dlgFont);
  const DialogUnits du(dlgFont);
  setFixedSize(du.size(148, 93));

  m_list = new JQLISTBOX(this);
  m_list->setObjectName(QStringLiteral("BMLIST"));
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_list->setFrameShadow(QFrame::Sunken);
  m_list->addItems(items);
  m_list->setAccessibleName(caption);
  DialogUnits::place(m_list, du, 10, 9, 74, 77);

  m_ok = new QPushButton(QStringLiteral("&Tamam"), this);
  m_ok->setObjectName(QStringLiteral("PBTAMAM"));
  m_ok->setDefault(true);
  DialogUnits::place(m_ok, du, 93, 30, 47, 13);
  m_cancel = new QPushButton(QStringLiteral("&İptal"), this);
  m_cancel->setObjectName(QStringLiteral("PBIPTAL"));
  m_cancel->setAutoDefault(false);
  DialogUnits::place(m_cancel, du, 93, 55, 47, 12);

  setTabOrder(m_list, m_ok);
  setTabOrder(m_ok, m_cancel);
  m_list->setFocus();

  connect(m_list, &QListWidget::itemClicked, this, [this] { PBTAMAM(); });
  connect(m_ok, &QPushButton::clicked, this, &ACHOICE::PBTAMAM);
  connect(m_cancel, &QPushButton::clicked, this, &ACHOICE::PBIPTAL);
}

void ACHOICE::PBTAMAM()
{
  m_selected = 0;
  for (int i = 0; i < m_list->count(); ++i) {
    if (m_list->item(i)->isSelected()) {
      m_selected = quint32(i + 1);
      break;
    }
  }
  QDialog::done(1);
}

void ACHOICE::PBIPTAL()
{
  m_selected = 0;
  QDialog::done(0);
}

} // namespace vz

#include "marktopbot.h"
#include "controls/dialogunits.h"
#include "controls/jqlistbox.h"
#include "controls/windowicons.h"
#include <QPushButton>

namespace vz {

namespace {
const QString selectAllText() { return QStringLiteral("Tümünü &Seç"); }
const QString clearAllText() { return QStringLiteral("Tümünü &Kaldır"); }
} // namespace

MARKTOPBOT::MARKTOPBOT(QWidget *owner, const QString &caption, const QStringList &items,
                       bool offerSelectAll)
    : QDialog(owner)
{
  setWindowTitle(caption);
  setWindowIcons(this, VSKTOD());
  const QFont dlgFont = DialogUnits::shellDlgFont();
  setFont(dlgFont);
  const DialogUnits du(dlgFont);
  setFixedSize(du.size(154, 93));

  m_list = new JQLISTBOX(this);
  m_list->setObjectName(QStringLiteral("LBTOSELECT"));
  m_list->setSelectionMode(QAbstractItemView::MultiSelection);
  m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_list->setFrameShadow(QFrame::Sunken);
  m_list->addItems(items);
  m_list->setAccessibleName(caption);
  DialogUnits::place(m_list, du, 10, 9, 74, 77);

  m_ok = new QPushButton(QStringLiteral("&Tamam"), this);
  m_ok->setObjectName(QStringLiteral("PBTAMAM"));
  m_ok->setDefault(true);
  DialogUnits::place(m_ok, du, 92, 40, 53, 12);
  m_cancel = new QPushButton(QStringLiteral("&İptal"), this);
  m_cancel->setObjectName(QStringLiteral("PBIPTAL"));
  m_cancel->setAutoDefault(false);
  DialogUnits::place(m_cancel, du, 92, 62, 53, 13);

  setTabOrder(m_list, m_ok);
  setTabOrder(m_ok, m_cancel);
  if (offerSelectAll) {
    m_selectAll = new QPushButton(selectAllText(), this);
    m_selectAll->setObjectName(QStringLiteral("PBTSEC"));
    m_selectAll->setAutoDefault(false);
    DialogUnits::place(m_selectAll, du, 92, 18, 53, 12);
    setTabOrder(m_cancel, m_selectAll);
    connect(m_selectAll, &QPushButton::clicked, this, &MARKTOPBOT::PBTSEC);
  }
  m_list->setFocus();

  connect(m_ok, &QPushButton::clicked, this, &MARKTOPBOT::PBTAMAM);
  connect(m_cancel, &QPushButton::clicked, this, &MARKTOPBOT::PBIPTAL);
}

void MARKTOPBOT::PBTSEC()
{
  if (!m_selectAll)
    return;
  if (m_selectAll->text() == selectAllText()) {
    m_list->selectAll();
    m_list->setFocus();
    m_selectAll->setText(clearAllText());
  } else {
    m_list->clearSelection();
    m_list->setFocus();
    m_selectAll->setText(selectAllText());
  }
}

void MARKTOPBOT::PBTAMAM()
{
  m_selected.clear();
  for (int i = 0; i < m_list->count(); ++i)
    if (m_list->item(i)->isSelected())
      m_selected.append(i + 1);
  QDialog::done(1);
}

void MARKTOPBOT::PBIPTAL()
{
  m_selected.clear();
  QDialog::done(0);
}

} // namespace vz

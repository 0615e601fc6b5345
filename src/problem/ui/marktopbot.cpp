#include "marktopbot.h"
#include "controls/dialogunits.h"
#include "controls/jqlistbox.h"
#include <QPushButton>

namespace vz {

namespace {
const QString selectAllText() { return QStringLiteral("Tümünü &Seç"); }
const QString clearAllText() { return QStringLiteral("Tümünü &Kaldır"); }
} // namespace

MARKTOPBOT::MARKTOPBOT(QWidget *owner, const QString &caption, const QStringList &items,
                       bool offerSelectAll)
    : OkCancelDialog(owner)
{
  const DialogUnits du = setUpFrame(caption, DialogUnits::shellDlgFont(), 154, 93);
  m_list = addChoiceList(du, QStringLiteral("LBTOSELECT"), QAbstractItemView::MultiSelection,
                         items, caption);
  addOkCancel(du, 92, 40, 53, 12, 92, 62, 53, 13);
  chainToOkCancel(m_list);
  if (offerSelectAll) {
    m_selectAll = new QPushButton(selectAllText(), this);
    m_selectAll->setObjectName(QStringLiteral("PBTSEC"));
    m_selectAll->setAutoDefault(false);
    placeBesideList(m_selectAll, du, 92, 18, 53, 12);
    setTabOrder(cancelButton(), m_selectAll);
    connect(m_selectAll, &QPushButton::clicked, this, &MARKTOPBOT::PBTSEC);
  }
  m_list->setFocus();
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

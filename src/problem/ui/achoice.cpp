#include "achoice.h"
#include "controls/dialogunits.h"
#include "controls/jqlistbox.h"

namespace vz {

ACHOICE::ACHOICE(QWidget *owner, const QString &caption, const QStringList &items)
    : OkCancelDialog(owner)
{
  const DialogUnits du =
      setUpFrame(caption, DialogUnits::makeFont(QStringLiteral("MS Sans Serif"), 8), 148, 93);
  m_list = addChoiceList(du, QStringLiteral("BMLIST"), QAbstractItemView::SingleSelection, items,
                         caption);
  addOkCancel(du, 93, 30, 47, 13, 93, 55, 47, 12);
  chainToOkCancel(m_list);
  m_list->setFocus();

  connect(m_list, &QListWidget::itemClicked, this, [this] { PBTAMAM(); });
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

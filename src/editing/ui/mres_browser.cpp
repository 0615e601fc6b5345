#include "mres_browser.h"
#include "manualrationmodel.h"

namespace vz {

// Any kind without a label-column rule will do: this grid takes no typing.
MRES_BROWSER::MRES_BROWSER(QWidget *owner) : OABS_BROWSER(EntryKind::Feeds, owner)
{
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void MRES_BROWSER::attach(ManualRationModel *model)
{
  m_model = model;
  setModel(model);
  for (int c = 0; c < model->columnCount(); ++c)
    setColumnWidth(c, columnWidthFor(c == 0 ? 20 : 17, model->headerData(c, Qt::Horizontal).toString()));
}

} // namespace vz

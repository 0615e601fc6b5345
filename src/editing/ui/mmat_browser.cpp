#include "mmat_browser.h"
#include "celleditdelegate.h"
#include "manualrationmodel.h"
#include "controls/jqdatacolumn.h"

namespace vz {

// The matrix grid's rule on the label column is the rule of this grid too.
MMAT_BROWSER::MMAT_BROWSER(QWidget *owner) : OABS_BROWSER(EntryKind::Matrix, owner) {}

MMAT_BROWSER::~MMAT_BROWSER() = default;

void MMAT_BROWSER::attach(ManualRationModel *model)
{
  m_model = model;
  setModel(model);
  auto *delegate = qobject_cast<CellEditDelegate *>(itemDelegate());
  const QList<ManualRation::Field> &fields = model->ration().upperFields();
  m_columns.clear();
  for (int c = 0; c < fields.size(); ++c) {
    const ManualRation::Field &f = fields.at(c);
    auto column = std::make_shared<JQDATACOLUMN>(17);
    column->setWIDTH(c == 0 ? 20 : 17);
    column->setCAPTION(f.caption);
    column->setFieldName(f.name);
    column->setFieldSpec(FieldSpec{f.name, QLatin1Char('C'), f.length, 0});
    column->attach(this, c);
    if (delegate)
      delegate->setColumn(c, column.get());
    m_columns.append(column);
    setColumnWidth(c, columnWidthFor(column->WIDTH(), f.caption));
  }
}

JQDATACOLUMN *MMAT_BROWSER::gridColumn(int section) const
{
  return section >= 0 && section < m_columns.size() ? m_columns.at(section).get() : nullptr;
}

} // namespace vz

#pragma once
// The upper grid of the manual ration window: one row per feedstuff, the
// amounts and trial values typed in place through the columns' editors. The
// name column can be looked at but never keeps the focus.
#include "oabs_browser.h"
#include <QList>
#include <memory>

namespace vz {

class JQDATACOLUMN;
class ManualRationModel;

class MMAT_BROWSER : public OABS_BROWSER {
  Q_OBJECT
public:
  explicit MMAT_BROWSER(QWidget *owner);
  ~MMAT_BROWSER() override;

  // Shows `model` (not owned) with one JQDATACOLUMN per column.
  void attach(ManualRationModel *model);
  ManualRationModel *rationModel() const { return m_model; }
  JQDATACOLUMN *gridColumn(int section) const;

private:
  ManualRationModel *m_model = nullptr;
  QList<std::shared_ptr<JQDATACOLUMN>> m_columns;
};

} // namespace vz

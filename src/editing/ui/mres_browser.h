#pragma once
// The lower grid of the manual ration window: the results, the requirements
// and the differences, read-only.
#include "oabs_browser.h"

namespace vz {

class ManualRationModel;

class MRES_BROWSER : public OABS_BROWSER {
  Q_OBJECT
public:
  explicit MRES_BROWSER(QWidget *owner);

  // Shows `model` (not owned); nothing in it can be edited.
  void attach(ManualRationModel *model);
  ManualRationModel *rationModel() const { return m_model; }

private:
  ManualRationModel *m_model = nullptr;
};

} // namespace vz

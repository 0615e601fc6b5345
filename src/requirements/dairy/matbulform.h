#pragma once
// The rules of the mature bull dialog (MATBULDW): energy factor 0.95-1.05
// (preset "1.00") and live weight 500-1400 kg, each with 2 decimals.
#include "dairyeditform.h"
#include "dairyinputs.h"

#include <optional>

namespace vz {

class MatBulForm : public DairyEditForm {
public:
  enum Edit { SLEEY, SLECA };

  MatBulForm();

  // As GrowCatleForm::accept.
  std::optional<MatBulInput> accept(int focusedEdit, int *refocus = nullptr);
};

} // namespace vz

#pragma once
// The rules of the growing cattle dialog (GROWCATLEDW): energy factor
// 0.95-1.05 (preset "1.00"), live weight 100-800 kg, daily gain 400-1000 g,
// each with 2 decimals; the sex and frame class defaults to female, large breed.
#include "dairyeditform.h"
#include "dairyinputs.h"

#include <optional>

namespace vz {

class GrowCatleForm : public DairyEditForm {
public:
  enum Edit { SLEENKONS, SLECANAG, SLEBAGKAZ };

  GrowCatleForm();

  int sizeClass() const { return m_class; }
  void selectClass(int sizeClass);  // 1..4

  // OK with the focus in `focusedEdit` (-1: none). nullopt when an edit's
  // value is out of range: the focus goes to *refocus and the dialog stays.
  std::optional<GrowCatleInput> accept(int focusedEdit, int *refocus = nullptr);

private:
  int m_class = 1;
};

} // namespace vz

#pragma once
// The environment page ("Çevre şartları"): wind, the two temperatures, heat
// stress, night cooling, mud, hide and hair. The temperatures keep a minus
// sign when they are rewritten: below-zero weather must reach the cold-stress
// and intake equations.
#include "beefinputs.h"
#include "beefpageform.h"

namespace vz::beef {

class BeefEnvironmentForm : public BeefPageForm {
public:
  // In tab order.
  enum Field {
    SLE_RUZGHIZI, SLE_CEVSIC, SLE_ONCEASO, CB_SSIT, CB_GECESERIN, CB_ZEMCAMMIK,
    CB_DERIKILDUR, CB_DERKAL, CB_EFEKKILUZ
  };

  BeefEnvironmentForm();

  // The page as the model reads it. Never fails.
  BeefEnvironmentPage page() const;
};

} // namespace vz::beef

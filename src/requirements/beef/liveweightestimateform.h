#pragma once
// The live-weight estimate from body measures (CA_TAHMIN_DWIN): body length
// and heart girth in cm give W = L x G x G / 10850 kg.
#include "beefpageform.h"

#include <optional>

namespace vz::beef {

class LiveWeightEstimateForm : public BeefPageForm {
public:
  enum Field { SLE_BUZUN, SLE_GCEVRE };

  LiveWeightEstimateForm();

  // "Tamam": the live weight as Str(W, 9, 3), W rounded to 3 decimals;
  // nullopt when either measure is blank (the live weight stays as it was).
  std::optional<QString> liveWeightText() const;
};

} // namespace vz::beef

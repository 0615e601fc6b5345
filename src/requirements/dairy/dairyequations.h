#pragma once
// The NRC dairy equations of the dairy model, on the model's fields. Each runs
// in the order and at the precision the published figures were made with;
// nothing is rounded here (values are rounded only where they are printed).
#include "dairyfields.h"

namespace vz {

class DairyEquations {
public:
  // Energy, intake, minerals, vitamins and fibre of a growing animal (type 1)
  // or a mature bull (type 3). Needs NLIVEWEIGHT, NENERGYCONC and, for type 1,
  // NDAILYGAIN > 0 and NSIZECLASS 1..4; no failure (callers ensure the inputs).
  static void CALC_GROW_BULL(DairyFields &f);

  // The same for a pregnant and/or lactating cow (type 2). Needs NLIVEWEIGHT,
  // NENERGYCONC, NLACTATIONNO > 0 and NENERGYRATIO > 0.
  static void CALC_PREG_LACTATION(DairyFields &f);

  // The absorbed protein balance of every type, after the type's energy
  // equations; turns the shares into percentages at its end. Runs once per
  // estimate: returns false and changes nothing when it has run already.
  static bool CALC_ALLPROTEIN(DairyFields &f);
};

} // namespace vz

#pragma once
// The worked animals used across the dairy tests, built as the model's driver
// would hand them to the equations.
#include "requirements/dairy/dairyfields.h"
#include "requirements/dairy/dairyinputs.h"

#include <QString>

namespace vz::test {

// Growing animal: class 1 (female, large breed), 300 kg, 700 g/day, factor 1.00.
inline GrowCatleInput growingHeifer()
{
  GrowCatleInput in;
  in.NCESTYPE = 1;
  in.NCANAGIR = 300;
  in.NBEKCAAR = 700;
  in.NENECONS = 1.00;
  return in;
}

// Cow: 600 kg, 30 kg milk at 3.5 % fat, open, second lactation, fed at requirement.
inline LactCatleInput milkingCow()
{
  LactCatleInput in;
  in.NENECONS = 1.00;
  in.NCANAGIR = 600;
  in.NSUTVERI = 30;
  in.NSYAGTES = 3.5;
  in.NGEBEGUN = 0;
  in.NGEBESAY = 2;
  in.NYEMTUKE = 1;
  return in;
}

// Cow losing weight: 650 kg, 25 kg milk at 4.0 %, first lactation, fed 90 %.
inline LactCatleInput underfedCow()
{
  LactCatleInput in;
  in.NENECONS = 1.00;
  in.NCANAGIR = 650;
  in.NSUTVERI = 25;
  in.NSYAGTES = 4.0;
  in.NGEBEGUN = 0;
  in.NGEBESAY = 1;
  in.NYEMTUKE = 2;
  in.NENGKARO = 0.90;
  return in;
}

// Mature bull: 800 kg, factor 1.00.
inline MatBulInput matureBull()
{
  MatBulInput in;
  in.NCANAGIR = 800;
  in.NENECONS = 1.00;
  return in;
}

} // namespace vz::test

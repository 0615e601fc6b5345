#pragma once
// What the dairy model's four dialogs hand over after they close, under the
// names of their exported fields. Weights in kg, the growing animal's gain in
// g/day, the cow's gain in kg/day; ratios plain.
namespace vz {

// STIPISECW: NSTIPI 1 growing animal, 2 pregnant and/or lactating cow,
// 3 mature bull, 0 when the dialog was left without OK; NRTIPI 1 summary
// ("Özet"), 2 detailed ("Detaylı").
struct STipiSecResult {
  int NSTIPI = 0;
  int NRTIPI = 1;
};

// GROWCATLEDW. NCESTYPE: 1 female large breed, 2 female small breed, 3 male
// large breed, 4 male small breed.
struct GrowCatleInput {
  int NCESTYPE = 0;
  double NBEKCAAR = 0.0;  // expected daily gain, g/day
  double NENECONS = 0.0;  // energy concentration factor
  double NCANAGIR = 0.0;  // live weight, kg
};

// LACTCATLEDW. NYEMTUKE: 1 fed at requirement, 2 below (losing weight),
// 3 above (gaining weight).
struct LactCatleInput {
  double NENECONS = 0.0;  // energy concentration factor
  double NCANAGIR = 0.0;  // live weight, kg
  double NSUTVERI = 0.0;  // milk yield, kg/day
  double NSYAGTES = 0.0;  // milk fat, %
  int NGEBEGUN = 0;       // days pregnant
  int NGEBESAY = 0;       // number of pregnancies (lactation number)
  int NYEMTUKE = 0;       // feeding state
  double NENGKARO = 0.0;  // share of the energy requirement met (state 2)
  double NISTAGKA = 0.0;  // expected daily gain, kg/day (state 3)
};

// MATBULDW.
struct MatBulInput {
  double NENECONS = 0.0;  // energy concentration factor
  double NCANAGIR = 0.0;  // live weight, kg
};

} // namespace vz

#pragma once
// The 33 breeds the beef model knows, and the rules that turn a pure breed or
// a cross picked on the animal page into the breed inputs of the equations.
#include <QList>
#include <QString>

namespace vz::beef {

struct BreedRow {
  QString name;          // as shown in the breed lists
  double nemMultiplier;  // maintenance energy factor
  int birthWeight;       // mean calf birth weight, kg
  double peakMilk;       // peak milk yield of a cow of the breed, kg/day
};

// "Saf ırk", "İkili melez", "Üçlü melez".
enum class BreedSystem { Pure, TwoWay, ThreeWay };

// The breed inputs of one animal.
struct BreedInputs {
  double nemMultiplier = 0.0;  // NBREEDNEMMULT
  double dmiMultiplier = 0.0;  // NDMIBREEDMULT: Holstein blood eats more
  QString text;                // CBREED: names joined by " X "
};

// A new copy of the breed table, 33 rows in list order (row n is list item n).
// Never fails.
QList<BreedRow> BMR_AMULTIPLIERS();

// Birth weight of a cross: the mean moved a tenth of the difference toward
// the first breed. Never fails.
double MELEZ_DOGAG(double first, double second);

// The cross rules over the list items (1-based) of the first, second and
// third breed list. Returns false when a list the system uses has no row
// (item 0 for typed text, or past the table); `out` is then left alone.
bool breedInputs(BreedSystem system, int firstItem, int secondItem, int thirdItem,
                 BreedInputs *out);

// Starting calf birth weight and peak milk of the reproduction page for a
// breed choice. Returns false, leaving both alone, when a list it needs has
// no row.
bool reproductionStartValues(BreedSystem system, int firstItem, int secondItem,
                             int thirdItem, double *birthWeight, double *peakMilk);

} // namespace vz::beef

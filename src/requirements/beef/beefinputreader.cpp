#include "beefinputreader.h"

#include "platform/rtext.h"

#include <cmath>
#include <limits>

namespace vz::beef {

using rt::Val;

quint32 wholeNumber(double value)
{
  if (!(value > 0.0))
    return 0;
  const double cut = std::trunc(value);
  constexpr double largest = std::numeric_limits<quint32>::max();
  return cut >= largest ? std::numeric_limits<quint32>::max() : static_cast<quint32>(cut);
}

namespace {

bool readAnimal(const BeefAnimalPage &p, BeefFields &f)
{
  BreedInputs breed;
  if (!breedInputs(p.breedSystem, p.firstBreedItem, p.secondBreedItem, p.thirdBreedItem, &breed))
    return false;
  f.NBREEDNEMMULT = breed.nemMultiplier;
  f.CBREED = breed.text;
  f.NDMIBREEDMULT = breed.dmiMultiplier;

  f.NAGEDAYS = wholeNumber(Val(p.age) * 30.0);
  f.NBCS = Val(p.conditionScore);
  f.NLIVEWEIGHT = Val(p.liveWeight);
  f.NSBW = f.NLIVEWEIGHT * 0.96;
  const bool male = f.NANIMALTYPE == GrowFinish || f.NANIMALTYPE == BreedingBull;
  f.NSEXNEMMULT = p.sexItem == 1 && male ? 1.15 : 1.0;
  f.CSEX = p.sexText;
  f.NMATUREWEIGHT = Val(p.matureWeight);
  f.NFINALSBW = f.NMATUREWEIGHT * (f.NANIMALTYPE == BreedingBull ? 0.6 : 0.96);
  switch (p.fatLevelItem) {
  case 1: f.NSRW = 478.0; f.NBODYFATPCT = 28.0; break;
  case 2: f.NSRW = 462.0; f.NBODYFATPCT = 27.0; break;
  case 3: f.NSRW = 435.0; f.NBODYFATPCT = 25.0; break;
  default: return false;  // no reference weight: the equivalent weight would be 0
  }
  f.NDAILYGAIN = Val(p.dailyGain);
  f.NSWG = f.NDAILYGAIN * 0.96;
  // The weights are divided by and raised to fractional powers; a negative
  // gain has no real power either.
  return f.NLIVEWEIGHT > 0.0 && f.NMATUREWEIGHT > 0.0 && f.NDAILYGAIN >= 0.0;
}

bool readManagement(const BeefManagementPage &p, BeefFields &f)
{
  if (p.grazing) {
    f.LGRAZING = true;
    switch (p.terrainItem) {
    case 1: f.NTERRAINFACTOR = 1.01; break;
    case 2: f.NTERRAINFACTOR = 1.5; break;
    case 3: f.NTERRAINFACTOR = 2.0; break;
    default: return false;
    }
    f.NPASTUREMASS = Val(p.pastureMass);
    f.NPASTUREAREA = Val(p.pastureArea);
    f.NPASTURETDN = Val(p.pastureTdn);
    f.NGRAZINGDAYS = Val(p.grazingDays);
    f.NGRAZINGANIMALS = Val(p.grazingAnimals);
    if (!(f.NGRAZINGANIMALS > 0.0 && f.NGRAZINGDAYS > 0.0))
      return false;
    f.NFORAGEALLOWANCE =
        (f.NPASTUREAREA * f.NPASTUREMASS) / (f.NGRAZINGANIMALS * f.NGRAZINGDAYS);
    f.NPASTUREMASST = f.NPASTUREMASS * 3.3333333333333335 / 1000.0;
  }
  switch (p.additiveItem) {
  case 1: f.LIONOPHORE = false; f.LIMPLANT = false; break;
  case 2: f.LIONOPHORE = true; f.LIMPLANT = false; break;
  case 3: f.LIONOPHORE = false; f.LIMPLANT = true; break;
  case 4: f.LIONOPHORE = true; f.LIMPLANT = true; break;
  default: break;  // a typed text: no promotant
  }
  f.NNEYADJ = Val(p.dietNem) / 100.0;
  f.NNEVADJ = Val(p.dietNeg) / 100.0;
  f.NDIETTDN = Val(p.dietTdn) / 100.0;
  f.NMICROBIALEFF = Val(p.microbialYield) / 100.0;
  return true;
}

bool readEnvironment(const BeefEnvironmentPage &p, BeefFields &f)
{
  f.NTEMPERATURE = Val(p.temperature);
  f.NPREVMONTHTEMP = Val(p.previousMonthTemperature);
  if (f.NTEMPERATURE >= 30.0) {
    if (p.heatStressItem == 2) {
      f.LHEATSTRESS = true;
      f.NHEATSTRESSMULT = 1.07;
    } else if (p.heatStressItem == 3) {
      f.LHEATSTRESS = true;
      f.NHEATSTRESSMULT = 1.18;
    }
  }
  if (rt::AllTrim(p.nightCoolingText) == QStringLiteral("Evet"))
    f.LNIGHTCOOLING = true;
  switch (p.mudItem) {
  case 1: f.NMUDDMIMULT = 1.0; break;
  case 2: f.NMUDDMIMULT = 0.85; break;
  case 3: f.NMUDDMIMULT = 0.7; break;
  default: return false;  // a mud factor of 0 would leave no intake to divide by
  }
  switch (p.hideConditionItem) {
  case 1: f.NHIDECONDITION = 1.0; break;
  case 2: f.NHIDECONDITION = 0.8; break;
  case 3: f.NHIDECONDITION = 0.5; break;
  case 4: f.NHIDECONDITION = 0.2; break;
  default: break;
  }
  switch (p.hideThicknessItem) {
  case 1: f.NHIDETHICKNESS = 0.8; break;
  case 2: f.NHIDETHICKNESS = 1.0; break;
  case 3: f.NHIDETHICKNESS = 1.2; break;
  default: break;
  }
  f.NWINDSPEED = Val(p.windSpeed);
  f.NHAIRLENGTH = Val(p.hairLength);
  return true;
}

bool readReproduction(const BeefReproductionPage &p, BeefFields &f)
{
  f.NPEAKWEEK = wholeNumber(Val(p.peakWeek));
  f.NLACTWEEK = wholeNumber(Val(p.lactationLength));
  f.NMILKSNF = Val(p.milkSnf);
  f.NMILKFAT = Val(p.milkFat);
  f.NMILKWEEKS = wholeNumber(Val(p.daysInMilk) / 7.0);
  f.NMILKPROTEIN = Val(p.milkProtein);
  f.NDAYSPREGNANT = wholeNumber(Val(p.daysPregnant));
  f.NPEAKMILK = Val(p.peakMilk);
  f.NBIRTHWEIGHT = Val(p.calfBirthWeight);
  f.NBIRTHINTERVAL = Val(p.calvingInterval);
  f.NBREEDINGAGE = Val(p.breedingAge);
  // The lactation curve divides by both.
  if (f.NANIMALTYPE == LactatingCow)
    return f.NPEAKWEEK > 0 && f.NPEAKMILK > 0.0;
  return true;
}

} // namespace

bool readBeefInputs(const BeefTypeChoice &type, const BeefInputPages &pages, BeefFields &f)
{
  if (type.type < GrowFinish || type.type > BreedingBull)
    return false;
  f.NANIMALTYPE = type.type;
  f.NEULER = 2.718281828;
  f.NDAYSPREGNANT = 0;
  if (!readAnimal(pages.animal, f) || !readManagement(pages.management, f)
      || !readEnvironment(pages.environment, f))
    return false;
  const bool hasReproductionPage = f.NANIMALTYPE == LactatingCow || f.NANIMALTYPE == DryCow
                                   || f.NANIMALTYPE == BreedingHeifer;
  if (hasReproductionPage)
    return readReproduction(pages.reproduction.value_or(BeefReproductionPage{}), f);
  return true;
}

} // namespace vz::beef

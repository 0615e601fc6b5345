#pragma once
// Animals the report and dialog tests share: one filled set of pages per
// animal type, as a user would type them, and a provider that answers the
// model's two dialogs from a script.
#include "requirements/beef/beeffields.h"
#include "requirements/beef/beefinputprovider.h"
#include "requirements/beef/beefinputs.h"
#include "requirements/beef/beeftypeform.h"

namespace beeftest {

using namespace vz::beef;

inline BeefTypeChoice typeChoice(quint32 type)
{
  return {type, BeefTypeForm::captions().at(int(type) - 1)};
}

// A growing Angus bull calf; a lactating cow (pregnant, a large Holstein
// cross whose daily vitamin A needs more than five columns); a dry cow that
// is not pregnant; a pregnant heifer; a breeding bull.
inline BeefInputPages scenario(quint32 type)
{
  BeefInputPages p;
  p.animal.age = QStringLiteral("12");
  p.animal.liveWeight = QStringLiteral("350");
  p.animal.matureWeight = QStringLiteral("550");
  p.animal.dailyGain = QStringLiteral("1.2");
  if (type == LactatingCow || type == DryCow || type == BreedingHeifer) {
    BeefReproductionPage r;
    r.breedingAge = QStringLiteral("15");
    r.calvingInterval = QStringLiteral("12");
    r.calfBirthWeight = QStringLiteral("31");
    r.daysInMilk = r.lactationNumber = r.peakWeek = r.lactationLength = QStringLiteral("0");
    r.peakMilk = r.milkFat = r.milkProtein = r.milkSnf = QStringLiteral("0.00");
    p.animal.matureWeight = QStringLiteral("600");
    if (type == LactatingCow) {
      p.animal.age = QStringLiteral("60");
      p.animal.liveWeight = QStringLiteral("720");
      p.animal.matureWeight = QStringLiteral("750");
      p.animal.dailyGain = QStringLiteral("0");
      p.animal.breedSystem = BreedSystem::TwoWay;
      p.animal.firstBreedItem = 12;  // Holstein
      p.animal.secondBreedItem = 26; // Simental
      r.daysPregnant = QStringLiteral("120");
      r.daysInMilk = QStringLiteral("63");
      r.lactationNumber = QStringLiteral("3");
      r.peakMilk = QStringLiteral("20");
      r.peakWeek = QStringLiteral("8");
      r.lactationLength = QStringLiteral("30");
      r.milkFat = QStringLiteral("4.01");
      r.milkProtein = QStringLiteral("3.4");
      r.milkSnf = QStringLiteral("8.3");
      r.calfBirthWeight = QStringLiteral("40");
    } else if (type == DryCow) {
      p.animal.age = QStringLiteral("60");
      p.animal.liveWeight = QStringLiteral("500");
      p.animal.dailyGain = QStringLiteral("0");
      r.daysPregnant = QString();
    } else {
      p.animal.age = QStringLiteral("18");
      p.animal.liveWeight = QStringLiteral("380");
      p.animal.dailyGain = QStringLiteral("0.5");
      r.daysPregnant = QStringLiteral("150");
      r.breedingAge = QStringLiteral("9");
    }
    p.reproduction = r;
  }
  if (type == BreedingBull) {
    p.animal.age = QStringLiteral("30");
    p.animal.liveWeight = QStringLiteral("700");
    p.animal.matureWeight = QStringLiteral("1000");
    p.animal.dailyGain = QStringLiteral("0.4");
    p.animal.firstBreedItem = 11;  // Hereford
  }
  if (type == GrowFinish) {
    p.management.grazing = true;
    p.management.terrainItem = 2;
    p.management.pastureArea = QStringLiteral("10");
    p.management.pastureMass = QStringLiteral("900");
    p.management.pastureTdn = QStringLiteral("60");
    p.management.grazingDays = QStringLiteral("60");
    p.management.grazingAnimals = QStringLiteral("40");
    p.management.additiveItem = 2;
    p.environment.temperature = QStringLiteral("-10");
    p.environment.previousMonthTemperature = QStringLiteral("-5");
  }
  return p;
}

class ScriptedBeefDialogs : public BeefInputProvider {
public:
  std::optional<BeefTypeChoice> type;
  std::optional<BeefInputPages> pages;

  std::optional<BeefTypeChoice> askAnimalType() override { return type; }
  std::optional<BeefInputPages> askInputs(const BeefTypeChoice &) override { return pages; }
};

} // namespace beeftest

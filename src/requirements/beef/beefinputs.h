#pragma once
// What the beef dialogs hand the model: one structure per dialog page, holding
// each control as the model reads it after OK — an edit's text (read with
// `Val`), a list's item number counted from 1 (0 when the user typed a text
// that is no item), or the text a list shows. The defaults are the pages'
// starting state, so a test states only what differs from a fresh dialog.
#include "breedtable.h"

#include <QString>
#include <QtGlobal>
#include <optional>

namespace vz::beef {

// BC_HAYTIP_SEC: the animal type (1 to 5) and the caption of its button.
struct BeefTypeChoice {
  quint32 type = 1;
  QString caption = QStringLiteral("Genç/Besi");
};

// Page 1, "Hayvan tanımı".
struct BeefAnimalPage {
  QString age;                                  // SLE_YAS, months
  int sexItem = 1;                              // CB_CINSIYET: 1 "Boğa" ... 5 "Diğer"
  QString sexText = QStringLiteral("Boğa");     // the text the sex list shows
  QString liveWeight;                           // SLE_CANAG, kg
  QString conditionScore = QStringLiteral("5"); // SLE_KONSKOR, 1-9
  QString matureWeight;                         // SLE_BSAGIR, kg
  QString dailyGain;                            // SLE_ICAARTISI, kg/day
  int fatLevelItem = 1;                         // CB_HEDYAGDUZ: %28, %27, %25
  BreedSystem breedSystem = BreedSystem::Pure;  // RB_SAFIRK, RB_IKILIMELEZ, RB_UCLUMELEZ
  int firstBreedItem = 1;                       // CB_SIRK
  int secondBreedItem = 1;                      // CB_IKILIMEL
  int thirdBreedItem = 1;                       // CB_UCLUMEL
};

// Page 4, "Tanım devamı..." (lactating and dry cows, breeding heifers).
struct BeefReproductionPage {
  QString daysPregnant;     // SLE_GEBELIKSURESI
  QString daysInMilk;       // SLE_SUTVERIMSURESI
  QString lactationNumber;  // SLE_LAKSAYISI (shown only, used by nothing)
  QString peakMilk;         // SLE_PIKSUTVERIMI, kg/day
  QString peakWeek;         // SLE_PIKVERIMZAMANI, weeks
  QString lactationLength;  // SLE_LAKSURESI, weeks
  QString milkFat;          // SLE_SUTYAGI, %
  QString milkProtein;      // SLE_SUTPPROTEINI, %
  QString milkSnf;          // SLE_SUTSNF, %
  QString breedingAge;      // SLE_DKULYASI, months
  QString calvingInterval;  // SLE_BUZAGARALIGI, months
  QString calfBirthWeight;  // SLE_BEKBUZDOGAG, kg
};

// Page 2, "Manejman".
struct BeefManagementPage {
  bool grazing = false;      // RB_OLUYOR pressed ("Otluyor")
  int terrainItem = 1;       // CB_ARZDUR: "Düz", "Engebeli", "Tepelik"
  QString pastureArea;       // SLE_GUSIZE, ha
  QString pastureMass;       // SLE_IPM, kg DM/ha
  QString pastureTdn;        // SLE_OTLAK_TDNMUH, %
  QString grazingDays;       // SLE_OTSURE
  QString grazingAnimals;    // SLE_NOANI
  int additiveItem = 1;      // CB_ADDITIVE: "Yok", "İyonofor", "İmplant", "İyonofor+İmplant"
  QString dietNem = QStringLiteral("100");          // CB_DNEY text, %
  QString dietNeg = QStringLiteral("100");          // CB_DNEV text, %
  QString dietTdn = QStringLiteral("70");           // CB_RTSBMO text, %
  QString microbialYield = QStringLiteral("13.0");  // CB_MVERIM text, % of TDN
};

// Page 3, "Çevre şartları".
struct BeefEnvironmentPage {
  QString windSpeed = QStringLiteral("1");                 // SLE_RUZGHIZI, km/h
  QString temperature = QStringLiteral("20");              // SLE_CEVSIC, °C
  QString previousMonthTemperature = QStringLiteral("20"); // SLE_ONCEASO, °C
  int heatStressItem = 1;    // CB_SSIT: "Normal", "Yüzeysel hızlı soluma", "Ağız açık soluma"
  QString nightCoolingText = QStringLiteral("Hayır");      // CB_GECESERIN shown text
  int mudItem = 1;           // CB_ZEMCAMMIK: "Yok", "Hafif(10-20cm)", "Çok(30-60cm)"
  int hideConditionItem = 1; // CB_DERIKILDUR, 1 to 4
  int hideThicknessItem = 1; // CB_DERKAL: "İnce", "Orta", "Kalın"
  QString hairLength = QStringLiteral("0.6");              // CB_EFEKKILUZ shown text, cm
};

// BC_GROWFINISH_TAB after OK. The reproduction page exists only for the
// types 2, 3 and 4.
struct BeefInputPages {
  BeefAnimalPage animal;
  std::optional<BeefReproductionPage> reproduction;
  BeefManagementPage management;
  BeefEnvironmentPage environment;
};

} // namespace vz::beef

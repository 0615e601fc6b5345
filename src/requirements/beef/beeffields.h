#pragma once
// The working state of one beef estimate: every input the pages give and every
// intermediate and result of the equations, under the names the model's
// methods share. The methods take no arguments and talk only through these
// fields, in a fixed order, so a later method reads what an earlier one stored.
//
// All numbers are double precision; "whole" fields are unsigned 32-bit. A
// field a run does not set keeps 0, false or empty.
//
// Units: weights kg, gains kg/day, energy Mcal/day, energy densities Mcal per
// kg of dry matter, protein and minerals g/day, temperatures °C.
// TSBM is TDN (total digestible nutrients), KM dry matter.
#include <QList>
#include <QString>
#include <QtGlobal>

namespace vz::beef {

// Animal types, as the type dialog numbers them.
enum BeefAnimalType : quint32 {
  GrowFinish = 1,      // "Genç/Besi"
  LactatingCow = 2,    // "Süt Veren İnek "
  DryCow = 3,          // "Kurudaki İnek"
  BreedingHeifer = 4,  // "Damızlık Düve"
  BreedingBull = 5,    // "Damızlık Boğa"
};

// One row of the mineral and vitamin table: unit text and amount. Rows 1-4
// (Mg, K, Na, S) are daily grams; rows 5-11 (Co, Cu, I, Fe, Mn, Se, Zn) and
// 12-13 (vitamins A and D) are concentrations per kg of dry matter.
struct VitMinRow {
  QString unit;
  double amount = 0.0;
};
using VitMinTable = QList<VitMinRow>;

struct BeefFields {
  double NPREVMONTHTEMP = 0.0;
  double NTEMPERATURE = 0.0;
  double NLCT = 0.0;  // lower critical temperature
  quint32 NAGEDAYS = 0;
  quint32 NDAYSPREGNANT = 0;
  double NNEMBASE = 0.0;
  double NNEYADJ = 0.0;  // NEm value of the diet ("NEy")
  double NBREEDNEMMULT = 0.0;
  double NLACTMULT = 0.0;
  double NNEVADJ = 0.0;  // NEg value of the diet ("NEv")
  double NNEGREQ = 0.0;
  double NNEMACT = 0.0;
  double NMECOLD = 0.0;
  double NNEMCOLD = 0.0;
  double NHEATSTRESSMULT = 0.0;
  double NKM = 0.0;
  double NNETOTAL = 0.0;
  double NSEXNEMMULT = 0.0;
  QString CSEX;
  double NBCS = 0.0;
  double NBODYCOMP = 0.0;
  double NFORAGEALLOWANCE = 0.0;
  double NPASTURETDN = 0.0;
  double NTERRAINFACTOR = 0.0;
  double NPASTUREMASST = 0.0;
  double NGRAZINGANIMALS = 0.0;
  double NDMMAINT = 0.0;
  double NADDITIVEMULT = 0.0;
  double NSURFACEAREA = 0.0;
  double NHEATPROD = 0.0;
  double NMEINTAKE = 0.0;
  double NTOTALINSUL = 0.0;
  double NTISSUEINSUL = 0.0;
  double NEXTINSUL = 0.0;
  double NWINDSPEED = 0.0;
  double NHAIRLENGTH = 0.0;
  double NMUDDMIMULT = 0.0;
  double NHIDECONDITION = 0.0;
  double NHIDETHICKNESS = 0.0;
  double NMPMAINT = 0.0;
  double NSBW = 0.0;  // shrunk body weight
  double NLIVEWEIGHT = 0.0;
  double NEBG = 0.0;
  double NSRW = 0.0;  // standard reference weight
  double NEQSBW = 0.0;
  double NEQEBW = 0.0;
  double NSWG = 0.0;
  double NEXPSWG = 0.0;
  double NRETENERGY = 0.0;
  double NMPREQ = 0.0;
  double NFINALSBW = 0.0;
  double NDAILYGAIN = 0.0;
  double NMPGROWTH = 0.0;
  double NPEAKMILK = 0.0;
  double NNPGROWTH = 0.0;
  double NBIRTHWEIGHT = 0.0;
  double NMATUREWEIGHT = 0.0;
  double NBREEDINGAGE = 0.0;
  double NBIRTHINTERVAL = 0.0;
  double NEULER = 0.0;
  double NPREGGAIN = 0.0;
  double NKALSIYUMREQ = 0.0;
  double NFOSFORREQ = 0.0;
  double NTEMPDMIMULT = 0.0;
  double NDMI = 0.0;  // dry matter intake
  double NFATDMIMULT = 0.0;
  double NDMIBREEDMULT = 0.0;
  double NPASTUREAREA = 0.0;
  double NPASTUREMASS = 0.0;
  double NGRAZINGDAYS = 0.0;
  bool LHEATSTRESS = false;
  quint32 NPEAKWEEK = 0;
  double NMILKYIELD = 0.0;
  double NNELACT = 0.0;
  quint32 NLACTWEEK = 0;
  double NMILKSNF = 0.0;
  double NMILKENERGY = 0.0;
  double NMILKFAT = 0.0;
  quint32 NMILKWEEKS = 0;
  double NMILKPROTEIN = 0.0;
  double NMPLACT = 0.0;
  double NNELREQ = 0.0;
  double NLACTMILK = 0.0;
  double NTDNINTAKE = 0.0;
  double NDIETTDN = 0.0;
  double NMICROBIALCP = 0.0;
  double NMICROBIALEFF = 0.0;
  double NMPMICROBIAL = 0.0;
  double NHPREQ = 0.0;   // crude protein (HP)
  double NENDFREQ = 0.0;
  double NRDPREQ = 0.0;
  double NRUPREQ = 0.0;
  double NHPPCT = 0.0;
  double NDEINTAKE = 0.0;
  VitMinTable AVITMIN;
  double NMPPREG = 0.0;
  double NNEMPREG = 0.0;
  quint32 NANIMALTYPE = 0;
  bool LNIGHTCOOLING = false;
  bool LIONOPHORE = false;
  bool LIMPLANT = false;
  bool LGRAZING = false;
  QString CBREED;
  double NBODYFATPCT = 0.0;
};

} // namespace vz::beef

#include "beefintake.h"

#include "problem/numbertext.h"

#include <cmath>

namespace vz::beef {

namespace {

double temperatureMultiplier(double t, bool nightCooling)
{
  if (t >= 35.0)
    return nightCooling ? 0.90 : 0.65;
  if (t >= 25.0)
    return 0.90;
  if (t >= 15.0)
    return 1.00;
  if (t >= 5.0)
    return 1.03;
  if (t >= -5.0)
    return 1.05;
  if (t >= -15.0)
    return 1.07;
  return 1.16;
}

double bodyFatMultiplier(double eqebw)
{
  if (eqebw <= 350.0)
    return 1.00;
  if (eqebw <= 400.0)
    return 0.97;
  if (eqebw <= 450.0)
    return 0.90;
  if (eqebw <= 500.0)
    return 0.82;
  return 0.73;
}

} // namespace

void DMI_REQUIREMENTS(BeefFields &f)
{
  f.NTEMPDMIMULT = temperatureMultiplier(f.NTEMPERATURE, f.LNIGHTCOOLING);
  f.NADDITIVEMULT = f.LIMPLANT ? 1.0 : 0.94;
  if (f.NNEYADJ < 1.0)
    f.NNEYADJ = 0.95;
  f.NFATDMIMULT = bodyFatMultiplier(f.NEQEBW);

  const double n = f.NNEYADJ;
  const double s = std::pow(f.NSBW, 0.75);
  const double m5 = f.NFATDMIMULT * f.NDMIBREEDMULT * f.NADDITIVEMULT * f.NTEMPDMIMULT
                    * f.NMUDDMIMULT;
  const double m2 = f.NTEMPDMIMULT * f.NMUDDMIMULT;
  auto growing = [&](double k) { return s * (0.2435 * n - 0.0466 * n * n - k) / n * m5; };
  auto cow = [&](double k) { return s * (0.04997 * n * n + k) / n * m2; };

  switch (f.NANIMALTYPE) {
  case GrowFinish:
    f.NDMI = f.NAGEDAYS <= 180 ? growing(0.1128) : growing(0.0869);
    break;
  case LactatingCow:
  case DryCow:
    f.NDMI = cow(f.NDAYSPREGNANT >= 90 ? 0.04631 : 0.0384) + 0.2 * f.NMILKYIELD;
    break;
  case BreedingHeifer:
    f.NDMI = f.NDAYSPREGNANT >= 90 ? cow(0.04631) : growing(0.0869);
    break;
  default:
    f.NDMI = growing(0.0869);
    break;
  }

  if (f.LGRAZING) {
    // Forage on offer and intake, both in g DM per kg SBW per day.
    const double allowance = 1000.0 * f.NPASTUREAREA * f.NPASTUREMASS
                             / (f.NSBW * f.NGRAZINGANIMALS * f.NGRAZINGDAYS);
    const double intake = f.NDMI * 1000.0 / f.NSBW;
    double factor = 1.0;
    if (!(allowance > 4.0 * intake || f.NPASTUREMASS > 1150.0))
      factor = (0.17 * f.NPASTUREMASS - 0.000074 * f.NPASTUREMASS * f.NPASTUREMASS + 2.4)
               / 100.0;
    f.NDMI = f.NDMI * factor;
  }

  f.NTDNINTAKE = f.NDIETTDN * f.NDMI;
  f.NDEINTAKE = f.NTDNINTAKE * 4.4;
  f.NMEINTAKE = f.NDEINTAKE * 0.82;
  f.NENDFREQ = 0.2 * f.NDMI;
}

double PRED_RUMEN_PH(const BeefFields &f)
{
  const double endfShare = f.NENDFREQ / f.NDMI * 100.0;
  return endfShare <= 24.5 ? 5.425 + 0.04229 * endfShare : 6.46;
}

void MUHTELIF_ENPRO_REQUIRS(BeefFields &f)
{
  f.NMPREQ = f.NMPMAINT + f.NMPGROWTH + (f.NDAYSPREGNANT >= 90 ? f.NMPPREG : 0.0)
             + (f.NANIMALTYPE == LactatingCow && f.NLACTMILK > 0.0 ? f.NMPLACT : 0.0);

  // Too little effective fibre lowers the microbial yield.
  const double endfShare = f.NENDFREQ / f.NDMI * 100.0;
  const double adjust = endfShare > 20.0 ? 1.0 : 1.0 - (20.0 - endfShare) * 0.025;
  f.NMICROBIALCP = f.NMICROBIALEFF * (1000.0 * f.NTDNINTAKE) * adjust;
  f.NMPMICROBIAL = f.NMICROBIALCP * 0.64;
  // Negative when the microbes supply more than the animal needs; the rows
  // clamp it, the reports show it as computed.
  f.NRUPREQ = (f.NMPREQ - f.NMPMICROBIAL) / 0.8;
  f.NRDPREQ = f.NMICROBIALCP;
  f.NHPREQ = f.NRUPREQ + f.NRDPREQ;
  f.NHPPCT = MROUND(f.NHPREQ / (f.NDMI * 1000.0), 4);

  switch (f.NANIMALTYPE) {
  case LactatingCow:
    f.NNETOTAL = f.NNETOTAL + (f.NNELREQ + f.NNEGREQ + f.NNEMPREG);
    break;
  case DryCow:
  case BreedingHeifer:
    f.NNETOTAL = f.NNETOTAL + (f.NNEGREQ + f.NNEMPREG);
    break;
  default:
    break;  // growing animals and bulls carry their gain energy in NNEGREQ
  }
}

} // namespace vz::beef

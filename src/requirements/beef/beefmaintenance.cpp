#include "beefmaintenance.h"

#include "platform/rtext.h"

#include <cmath>

namespace vz::beef {

void MAINT_PROTEIN(BeefFields &f)
{
  const double s = std::pow(f.NSBW, 0.75);
  if (rt::FuzzyEqual(f.NMICROBIALEFF, 0.13))
    f.NMPMAINT = 3.8 * s;
  else if (rt::FuzzyEqual(f.NMICROBIALEFF, 0.10))
    f.NMPMAINT = 3.52 * s;
  else
    f.NMPMAINT = 3.25 * s;
}

void MAINT_ENERGY(BeefFields &f)
{
  const double a1 = 0.07;  // Mcal per kg^0.75
  const double a2 = 0.0007 * (20.0 - f.NPREVMONTHTEMP);  // acclimatisation
  f.NKM = 0.576;
  f.NADDITIVEMULT = f.LIONOPHORE ? 1.12 : 1.0;
  f.NLACTMULT = f.NANIMALTYPE == LactatingCow ? 1.2 : 1.0;
  f.NBODYCOMP = 0.8 + (f.NBCS - 1.0) * 0.05;
  f.NNEMBASE = std::pow(f.NSBW, 0.75) * (a1 * f.NBREEDNEMMULT * f.NLACTMULT * f.NBODYCOMP + a2);
  f.NNEMBASE = f.NNEMBASE * f.NSEXNEMMULT;

  if (f.LGRAZING) {
    // Only the terrain term scales with the live weight.
    f.NNEMACT = 0.006 * f.NFORAGEALLOWANCE * (0.9 * f.NPASTURETDN / 100.0)
                + (0.05 * f.NTERRAINFACTOR / (0.002471 * f.NPASTUREMASST + 3.0))
                      * f.NLIVEWEIGHT / 4.184;
  } else {
    f.NNEMACT = 0.0;
  }

  f.NDMMAINT = (f.NNEMBASE + f.NNEMACT) / (f.NNEYADJ * f.NADDITIVEMULT);

  // Energy retained, for the heat the animal produces.
  double retained = 0.0;
  if (f.NANIMALTYPE == LactatingCow) {
    retained = (f.NDMI - f.NDMMAINT) * f.NNEYADJ;
  } else {
    f.NRETENERGY = (f.NDMI - f.NDMMAINT) * f.NNEVADJ;
    f.NNELACT = 0.0;
    retained = f.NRETENERGY + f.NNELACT + f.NNEMPREG;
  }

  f.NSURFACEAREA = 0.09 * std::pow(f.NLIVEWEIGHT, 0.67);
  f.NHEATPROD = f.NSURFACEAREA == 0.0 ? 0.0 : (f.NMEINTAKE - retained) / f.NSURFACEAREA;

  f.NEXTINSUL = (7.36 - 0.296 * f.NWINDSPEED + 2.55 * f.NHAIRLENGTH) * f.NHIDECONDITION
                * f.NHIDETHICKNESS;
  if (f.NEXTINSUL < 0.0)
    f.NEXTINSUL = 0.0;

  if (f.NAGEDAYS <= 30)
    f.NTISSUEINSUL = 2.5;
  else if (f.NAGEDAYS <= 183)
    f.NTISSUEINSUL = 6.5;
  else if (f.NAGEDAYS <= 363)
    f.NTISSUEINSUL = 5.1875 + 0.3125 * f.NBCS;
  else
    f.NTISSUEINSUL = 5.25 + 0.75 * f.NBCS;

  f.NTOTALINSUL = f.NTISSUEINSUL + f.NEXTINSUL;
  f.NLCT = 39.0 - f.NTOTALINSUL * f.NHEATPROD * 0.85;
  f.NMECOLD = f.NTEMPERATURE < f.NLCT
                  ? f.NSURFACEAREA * (f.NLCT - f.NTEMPERATURE) / f.NTOTALINSUL
                  : 0.0;
  f.NNEMCOLD = f.NKM * f.NMECOLD;
  f.NNETOTAL = f.NNEMBASE + f.NNEMACT + f.NNEMCOLD;
  if (f.LHEATSTRESS)
    f.NNETOTAL = f.NNEMBASE * f.NHEATSTRESSMULT + f.NNEMACT;
}

} // namespace vz::beef

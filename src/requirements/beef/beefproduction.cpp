#include "beefproduction.h"

#include "platform/rtext.h"

#include <cmath>

namespace vz::beef {

void GROWTH_ENPRO_REQUIRS(BeefFields &f)
{
  f.NEBG = 0.956 * f.NSWG;
  f.NEQSBW = f.NSBW * (f.NSRW / f.NFINALSBW);
  f.NEQEBW = 0.891 * f.NEQSBW;
  f.NRETENERGY = 0.0635 * std::pow(f.NEQEBW, 0.75) * std::pow(f.NEBG, 1.097);
  f.NNPGROWTH = f.NSWG == 0.0 ? 0.0 : f.NSWG * (268.0 - 29.4 * (f.NRETENERGY / f.NSWG));
  // The two efficiencies meet at 0.492 at 300 kg.
  f.NMPGROWTH = f.NEQSBW <= 300.0 ? f.NNPGROWTH / (0.834 - 0.00114 * f.NEQSBW)
                                  : f.NNPGROWTH / 0.492;
  // MAINT_ENERGY later reuses NRETENERGY; the growth energy lives on here.
  f.NNEGREQ = f.NRETENERGY;
  f.NEXPSWG = 13.91 * std::pow(f.NRETENERGY, 0.9116) * std::pow(f.NEQSBW, -0.6837);
}

double damAgeMilkFactor(quint32 ageDays)
{
  const double years = rt::Round(static_cast<double>(ageDays) / 364.0, 2);
  const double whole = rt::Round(years, 0);
  if (whole == 2.0)
    return 0.74;
  if (whole == 3.0)
    return 0.88;
  return 1.0;
}

void LACTATION_REQUIRS(BeefFields &f)
{
  const double k = 1.0 / static_cast<double>(f.NPEAKWEEK);
  const double a = 1.0 / (f.NPEAKMILK * k * f.NEULER);
  const double w = static_cast<double>(f.NMILKWEEKS);
  f.NMILKYIELD = w / (a * std::pow(f.NEULER, k * w));
  f.NMILKYIELD = f.NMILKYIELD * damAgeMilkFactor(f.NAGEDAYS);
  f.NMILKENERGY = 0.092 * f.NMILKFAT + 0.049 * f.NMILKSNF - 0.0569;
  f.NNELACT = f.NMILKENERGY * f.NMILKYIELD;
  const double proteinYield = f.NMILKPROTEIN / 100.0 * f.NMILKYIELD;  // kg/day
  f.NLACTMILK = f.NMILKYIELD;
  f.NMPLACT = proteinYield / 0.65 * 1000.0;
  f.NNELREQ = f.NNELACT;
}

void PREGNANCY_REQUIRS(BeefFields &f)
{
  const double t = static_cast<double>(f.NDAYSPREGNANT);
  // Squared in 64 bits: a 32-bit square wraps from day 65,536 on.
  const double t2 = static_cast<double>(static_cast<quint64>(f.NDAYSPREGNANT) * f.NDAYSPREGNANT);
  const double cbw = f.NBIRTHWEIGHT;
  const double e = f.NEULER;

  // Energy retained in the gravid uterus (Mcal/day), as ME at an efficiency
  // of 0.13, as NEm at 0.576 (NKM is set only later, by MAINT_ENERGY).
  const double retained =
      cbw * (0.05855 - 0.0000996 * t) * std::pow(e, 0.03233 * t - 0.0000275 * t2) / 1000.0;
  f.NNEMPREG = retained / 0.13 * 0.576;

  f.NMPPREG = cbw * (0.001669 - 0.00000211 * t) * std::pow(e, (0.0278 - 0.0000176 * t) * t)
              * 6.25 / 0.65;
  f.NPREGGAIN = cbw * 18.28 * (0.02 - 0.0000286 * t) * std::pow(e, 0.02 * t - 0.0000143 * t2);
}

} // namespace vz::beef

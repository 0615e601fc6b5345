#include "dairyequations.h"

#include <cmath>

namespace vz {

namespace {

double pw(double x, double y)
{
  return std::pow(x, y);
}

// The maintenance (and calcium, phosphorus) factor of the cow by lactation:
// first-calvers still grow.
double lactationFactor(int lactation)
{
  if (lactation == 1)
    return 1.2;
  if (lactation == 2)
    return 1.1;
  return 1.0;
}

} // namespace

void DairyEquations::CALC_GROW_BULL(DairyFields &f)
{
  const double W = f.NLIVEWEIGHT;

  f.NNEM = static_cast<float>(0.086 * pw(W, 0.75));

  if (f.NANIMALTYPE == 1) {
    double a = 0.035;
    double b = 1.097;
    switch (f.NSIZECLASS) {
    case 1: a = 0.035; b = 1.119; break;
    case 2: a = 0.025; b = 1.097; break;
    case 3: a = 0.025; b = 1.097; break;
    case 4: a = 0.035; b = 1.097; break;
    default: break;
    }
    const double gainKg = f.NDAILYGAIN / 1000.0;
    f.NNEG = static_cast<float>(a * pw(W, 0.75) * pw(gainKg, b) + gainKg);
    f.NNEGPERKG = static_cast<float>(f.NNEG / (f.NDAILYGAIN / 1000.0));
    switch (f.NSIZECLASS) {
    case 1: f.NADULTWEIGHT = 800.0f; break;
    case 2: f.NADULTWEIGHT = 600.0f; break;
    case 3: f.NADULTWEIGHT = 1000.0f; break;
    case 4: f.NADULTWEIGHT = 800.0f; break;
    default: break;
    }
    f.NMATURITY = static_cast<double>(f.NLIVEWEIGHT) / static_cast<double>(f.NADULTWEIGHT);
    const double m = f.NMATURITY;
    if (m < 0.125)
      f.NMECONC = 2.67f;
    else if (m <= 0.75)
      f.NMECONC = static_cast<float>(2.67 - 0.67 * (m - 0.125) / (0.75 - 0.125));
    else
      f.NMECONC = 2.00f;
  } else {
    f.NMECONC = 2.00f;
  }

  f.NMECONC = static_cast<float>(f.NMECONC * f.NENERGYCONC);
  const float M = f.NMECONC;
  const float M2 = M * M;  // single precision, as the published tables were made
  const double M3 = pw(M, 3.0);
  f.NNEMCONC = static_cast<float>(1.37 * M - 0.138 * M2 + 0.0105 * M3 - 1.12);
  f.NNEGCONC = static_cast<float>(1.42 * M - 0.174 * M2 + 0.0122 * M3 - 1.65);

  f.NDMIMAINT = static_cast<double>(f.NNEM) / static_cast<double>(f.NNEMCONC);
  f.NDMIGAIN = static_cast<double>(f.NNEG) / static_cast<double>(f.NNEGCONC);
  f.NDMI = f.NDMIMAINT + f.NDMIGAIN;

  f.NME = static_cast<float>(M * f.NDMI);
  f.NDECONC = (M + 0.45) / 1.01;
  f.NDE = f.NDMI * f.NDECONC;
  f.NTDN = f.NDE / 4.409;
  f.NTDNPCT = f.NTDN / f.NDMI;

  f.NVITA = 42.4 * W;
  f.NVITD = 6.6 * W;

  const double G = f.NDAILYGAIN;
  if (W < 90.0) {
    // no published requirement for calves this small
  } else if (W <= 250.0) {
    f.NKALSIYUM = 8.0 + 0.0367 * W + 0.00848 * G;
    f.NP = 0.884 + 0.05 * W + 0.00486 * G;
  } else if (W <= 400.0) {
    f.NKALSIYUM = 13.4 + 0.0184 * W + 0.00717 * G;
    f.NP = 7.27 + 0.0215 * W + 0.00602 * G;
  } else {
    f.NKALSIYUM = 25.4 + 0.00092 * W + 0.00361 * G;
    f.NP = 13.5 + 0.00207 * W + 0.00829 * G;
  }
  if (f.NANIMALTYPE == 3) {
    f.NKALSIYUM = 0.0154 * W / 0.38;
    f.NP = 0.0125 * W / 0.5;
  }

  f.NDDMDEDUCT = 0.08;
  f.NDIGESTDM = f.NTDN * (1.0 - f.NDDMDEDUCT);
  f.NDMIPCTBW = f.NDMI / W;
  f.NINDIGESTDM = static_cast<float>(f.NDMI - f.NDIGESTDM);
  f.NKALSIYUMPCT = f.NKALSIYUM / (f.NDMI * 1000.0);
  f.NPPCT = f.NP / (f.NDMI * 1000.0);
  f.NVITACONC = f.NVITA / f.NDMI;
  f.NVITDCONC = f.NVITD / f.NDMI;

  if (f.NANIMALTYPE == 3) {
    f.NNDF = 0.33 * f.NDMI;
    f.NADF = 0.21 * f.NDMI;
  } else {
    f.NNDF = 0.30 * f.NDMI;
    f.NADF = 0.20 * f.NDMI;
  }
}

void DairyEquations::CALC_PREG_LACTATION(DairyFields &f)
{
  const double BW = f.NLIVEWEIGHT;
  const double bw75 = pw(BW, 0.75);
  const double F = f.NMILKFAT;
  const float M = f.NMILKYIELD;
  const float R = f.NENERGYRATIO;

  f.NNELPERKGMILK = static_cast<float>(0.3512 + 0.0962 * F);
  const double e = f.NNELPERKGMILK;
  f.NSIZESCALE = bw75 / pw(600.0, 0.75);
  const double s = f.NSIZESCALE;
  f.NMILKTHRLOW = static_cast<float>(10.0 * s * (0.74 / e));
  f.NMILKTHRHIGH = static_cast<float>(40.0 * s * (0.74 / e));

  if (M == 0.0f)
    f.NNELCONC = 1.25f;
  else if (M < f.NMILKTHRLOW)
    f.NNELCONC = 1.42f;
  else if (M <= f.NMILKTHRHIGH)
    f.NNELCONC = static_cast<float>(1.42 + 0.01 * (M - f.NMILKTHRLOW) / (s * 0.74 / e));
  else
    f.NNELCONC = 1.72f;
  if (R < 1.0f)
    f.NNELCONC = 1.67f;  // an underfed cow: the ladder no longer applies
  f.NNELCONC = static_cast<float>(f.NNELCONC * f.NENERGYCONC);
  const double d = f.NNELCONC;

  f.NTDNPCT = (d + 0.12) / 2.45;
  f.NDECOWCONC = 4.409 * f.NTDNPCT;
  f.NMECOWCONC = -0.45 + 1.01 * f.NDECOWCONC;
  const double p = f.NTDNPCT;
  const double q = f.NDECOWCONC;
  const double r = f.NMECOWCONC;

  const double k = lactationFactor(f.NLACTATIONNO);

  f.NNELMAINT = static_cast<float>(k * 0.08 * bw75);
  f.NDMIMAINT = static_cast<double>(f.NNELMAINT) / static_cast<double>(f.NNELCONC);
  f.NTDNMAINT = f.NDMIMAINT * p;
  f.NMEMAINT = f.NDMIMAINT * r;
  f.NDEMAINT = f.NDMIMAINT * q;

  f.NFCMFACTOR = 0.4 + 0.15 * F;
  f.NFCM = M * f.NFCMFACTOR;
  f.NNELMILK = f.NNELPERKGMILK * M;  // single-precision product
  f.NDMIMILK = static_cast<double>(f.NNELMILK) / static_cast<double>(f.NNELCONC);
  f.NTDNMILK = f.NDMIMILK * p;
  f.NDEMILK = f.NDMIMILK * q;
  f.NMEMILK = f.NDMIMILK * r;

  if (f.NDAYSPREGNANT > 210.0) {
    f.NTDNPREG = 0.0106 * bw75;
    f.NNELPREG = static_cast<float>(0.024 * bw75);
    f.NMEPREG = 0.04 * bw75;
    f.NDEPREG = 0.046 * bw75;
  } else {
    f.NTDNPREG = 0.0;
    f.NNELPREG = 0.0f;
    f.NMEPREG = 0.0;
    f.NDEPREG = 0.0;
  }

  f.NNELPERKGGAIN = 5.12f;
  f.NTDNPERKGGAIN = 2.26;
  f.NMEPERKGGAIN = 8.55;
  f.NDEPERKGGAIN = 9.96;
  const double W = f.NWEIGHTCHANGE;
  if (W > 0.0) {
    f.NNELWTCHANGE = static_cast<float>(f.NNELPERKGGAIN * W);
    f.NTDNGAIN = f.NTDNPERKGGAIN * W;
    f.NMEGAIN = f.NMEPERKGGAIN * W;
    f.NDEGAIN = f.NDEPERKGGAIN * W;
  } else {
    f.NNELWTCHANGE = 0.0f;
    f.NTDNGAIN = 0.0;
    f.NMEGAIN = 0.0;
    f.NDEGAIN = 0.0;
  }

  if (R < 1.0f)
    f.NWEIGHTCHANGE = 0.0;

  f.NGESTMASS = f.NDAYSPREGNANT > 210.0 ? 1.23 * BW : 0.0;
  f.NKALSIYUM = (k * 0.0154 * BW + 1.22 * f.NFCM + 0.0078 * f.NGESTMASS) / 0.38;
  f.NP = (k * 0.0143 * BW + 0.99 * f.NFCM + 0.0047 * f.NGESTMASS) / 0.5;
  f.NVITA = 76.0 * BW;
  f.NVITD = 30.0 * BW;

  f.NTDN = f.NTDNMAINT + f.NTDNMILK + f.NTDNPREG + f.NTDNGAIN;
  f.NNEL = f.NNELMAINT + f.NNELMILK + f.NNELPREG + f.NNELWTCHANGE;  // single precision
  f.NMECOW = f.NMEMAINT + f.NMEMILK + f.NMEPREG + f.NMEGAIN;
  f.NDECOW = f.NDEMAINT + f.NDEMILK + f.NDEPREG + f.NDEGAIN;

  f.NNELPERKGLOSS = 4.92f;
  if (R < 1.0f) {
    f.NNELWTCHANGE = R * f.NNEL - f.NNEL;  // the energy deficit, single precision
    f.NWEIGHTCHANGE =
        static_cast<double>(f.NNELWTCHANGE) / static_cast<double>(f.NNELPERKGLOSS);
  }

  f.NNEL = f.NNEL * R;
  f.NMECOW = f.NMECOW * R;
  f.NDECOW = f.NDECOW * R;
  f.NTDN = f.NTDN * R;

  f.NDDMDEDUCT = 0.08;
  f.NDIGESTDM = f.NTDN * (1.0 - f.NDDMDEDUCT);
  f.NDMI = f.NTDN / p;
  f.NDMIPCTBW = f.NDMI / BW;
  f.NINDIGESTDM = static_cast<float>(f.NDMI - f.NDIGESTDM);
  f.NKALSIYUMPCT = f.NKALSIYUM / (f.NDMI * 1000.0);
  f.NPPCT = f.NP / (f.NDMI * 1000.0);
  f.NVITACONC = f.NVITA / f.NDMI;
  f.NVITDCONC = f.NVITD / f.NDMI;

  if (M == 0.0f) {
    f.NNDF = 0.33 * f.NDMI;
    f.NADF = 0.21 * f.NDMI;
  } else {
    f.NNDF = 0.25 * f.NDMI;
    f.NADF = 0.17 * f.NDMI;
  }
}

bool DairyEquations::CALC_ALLPROTEIN(DairyFields &f)
{
  if (f.proteinDone)
    return false;

  // 1. parameters
  f.NBACTTPFRAC = 0.80;
  f.NDIGCOEFBACT = 0.80;
  f.NDIGCOEFRUP = 0.80;
  f.NEFFMAINT = 0.67f;
  f.NEFFPREG = 0.50;
  f.NMFPFACTOR = 0.09;
  f.NDIGCOEFNUCL = 1.00;
  f.NRDPEFF = 0.90;
  f.NRECYCLEFRAC = 0.15;
  f.NEFFLACT = 0.70f;
  f.NEFFGROWTH = 0.50;

  const double W = f.NLIVEWEIGHT;

  // 2. maintenance
  f.NSCURFPROT = 0.2 * pw(W, 0.6);
  f.NENDURINEPROT = 2.75 * pw(W, 0.5);
  f.NAPSCURF = f.NSCURFPROT / static_cast<double>(f.NEFFMAINT);
  f.NAPURINE = f.NENDURINEPROT / static_cast<double>(f.NEFFMAINT);
  const double k = f.NANIMALTYPE == 2 ? lactationFactor(f.NLACTATIONNO) : 1.0;
  f.NAPMAINT = static_cast<float>(k * (f.NAPSCURF + f.NAPURINE));

  // 3. metabolic faecal protein
  f.NAPMFP = f.NINDIGESTDM * f.NMFPFACTOR * 1000.0;

  // 4. milk
  f.NMILKPROTFRAC = static_cast<float>((1.9 + 0.4 * f.NMILKFAT) / 100.0);
  f.NNETMILKPROT = (f.NMILKYIELD * f.NMILKPROTFRAC) * 1000.0f;
  f.NAPLACT = static_cast<float>(static_cast<double>(f.NNETMILKPROT)
                                 / static_cast<double>(f.NEFFLACT));

  // 5. pregnancy
  f.NNETPREGPROT = 1.136 * pw(W, 0.7);
  if (f.NDAYSPREGNANT <= 210.0)
    f.NNETPREGPROT = 0.0;
  f.NAPPREG = f.NNETPREGPROT / f.NEFFPREG;

  // 6. growth
  if (f.NDAILYGAIN != 0.0f && f.NANIMALTYPE != 3) {
    f.NNETRETPROT = (211.0 - 26.2 * f.NNEGPERKG) * (f.NDAILYGAIN / 1000.0);
    f.NAPRETAINED = f.NNETRETPROT / f.NEFFGROWTH;
  }

  // 7. weight change; a loss covers at most 187.5 g of absorbed protein
  f.NAPPERKGCHANGE = 256.0;
  f.NAPDIFF = f.NAPPERKGCHANGE * f.NWEIGHTCHANGE;
  if (f.NAPDIFF < -187.5)
    f.NAPDIFF = -187.5;

  // 8. absorbed protein required
  f.NAPREQ = static_cast<double>(f.NAPMAINT + f.NAPLACT) + f.NAPMFP + f.NAPPREG + f.NAPRETAINED
             + f.NAPDIFF;

  // 9. bacterial crude protein from the ration's energy
  if (f.NANIMALTYPE == 2)
    f.NBACTCP = 6.25 * (11.45 * f.NNEL - 30.93);
  else
    f.NBACTCP = 6.25 * (26.12 * f.NTDN - 31.86);

  // 10. rumen and bacterial fractions
  f.NRUMENPROT = f.NBACTCP / f.NRDPEFF;
  f.NBACTTP = f.NBACTCP * f.NBACTTPFRAC;
  f.NDIGBACTP = f.NBACTTP * f.NDIGCOEFBACT;
  f.NUNDIGBACTP = static_cast<float>(f.NBACTTP - f.NDIGBACTP);
  f.NNUCLEICCP = static_cast<float>(f.NBACTCP - f.NBACTTP);
  f.NDIGNUCLEICP = f.NNUCLEICCP * f.NDIGCOEFNUCL;
  f.NUNDIGNUCLEICP = static_cast<float>(f.NNUCLEICCP - f.NDIGNUCLEICP);

  // 11. rumen-undegradable protein
  f.NDIGRUP = f.NAPREQ - f.NDIGBACTP;
  f.NRUP = f.NDIGRUP / f.NDIGCOEFRUP;
  f.NRUPPCT = f.NRUP / (f.NDMI * 1000.0);
  f.NUNDIGRUP = static_cast<float>(f.NRUP - f.NDIGRUP);

  // 12.
  f.NRUMENEFFLUX = f.NRUMENPROT * (1.0 - f.NRDPEFF);

  // 13. absorbed minus net
  f.NLACTPROTGAIN = f.NAPLACT - f.NNETMILKPROT;
  f.NPREGPROTGAIN = f.NAPPREG - f.NNETPREGPROT;
  f.NRETPROTGAIN = f.NAPRETAINED - f.NNETRETPROT;

  // 14. protein intake
  f.NPROTINTAKE = static_cast<float>((f.NRUMENPROT + f.NRUP) / (1.0 + f.NRECYCLEFRAC));
  const double PT = f.NPROTINTAKE;
  f.NPROTINTAKEPCT = static_cast<float>(PT / (f.NDMI * 1000.0));

  // 15. rumen-degradable protein
  f.NRUMENINFLUX = f.NRECYCLEFRAC * PT;
  f.NRDP = f.NRUMENPROT - f.NRUMENINFLUX;
  f.NRDPPCT = f.NRDP / (f.NDMI * 1000.0);

  // 16.
  f.NRUPPCTPT = f.NRUP / PT;
  f.NAPPCTPT = f.NAPREQ / PT;

  // 17. recommended crude protein: midway to a 67:33 degradable split
  if (f.NRUPPCTPT < 0.33)
    f.NPTRUP33 = static_cast<float>(f.NRDP / (1.0 - 0.33));
  else
    f.NPTRUP33 = static_cast<float>(f.NRUP / 0.33);
  f.NHP = PT + 0.5 * static_cast<double>(f.NPTRUP33 - f.NPROTINTAKE);
  f.NHPPCT = f.NHP / (f.NDMI * 1000.0);
  if (f.NANIMALTYPE == 1) {
    if (f.NHPPCT > 0.16)
      f.NHPPCT = 0.16;
    else if (f.NHPPCT < 0.12)
      f.NHPPCT = 0.12;
  } else if (f.NANIMALTYPE == 2) {
    if (f.NMILKYIELD == 0.0f)
      f.NHPPCT = 0.12;
  } else if (f.NANIMALTYPE == 3) {
    if (f.NHPPCT < 0.10)
      f.NHPPCT = 0.10;
  }
  f.NHP = f.NDMI * f.NHPPCT * 1000.0;

  // 18. faecal protein
  f.NFECALPROT = static_cast<double>((f.NUNDIGBACTP + f.NUNDIGNUCLEICP) + f.NUNDIGRUP) + f.NAPMFP;

  // 19. urinary protein
  f.NURINEPROT = f.NRUMENEFFLUX + f.NDIGNUCLEICP + f.NAPMAINT + f.NLACTPROTGAIN + f.NPREGPROTGAIN
                 + f.NRETPROTGAIN - f.NRUMENINFLUX - f.NSCURFPROT;

  // 20. shares of the protein intake
  f.NNETMILKPROTPCT = static_cast<float>(static_cast<double>(f.NNETMILKPROT) / PT);
  f.NNETPREGPROTPCT = f.NNETPREGPROT / PT;
  f.NNETRETPROTPCT = f.NNETRETPROT / PT;
  f.NAPDIFFPCT = f.NAPDIFF / PT;
  f.NSCURFPROTPCT = f.NSCURFPROT / PT;
  f.NURINEPROTPCT = f.NURINEPROT / PT;
  f.NFECALPROTPCT = f.NFECALPROT / PT;

  // 21. protein at the small intestine
  f.NSITPNRC = f.NBACTTP + f.NRUP;
  f.NSICPNRC = f.NBACTCP + f.NRUP;
  f.NDIGDM = 0.92 * f.NTDN;
  f.NSITPTAMMINGA = (32.3 * f.NDIGDM - 8.63) * 6.25;
  f.NSICPROHR = (40.11 * f.NDIGDM - 40.56) * 6.25;
  f.NSICPJOURNET = static_cast<float>((22.62 * f.NDIGDM + 0.687 * f.NRUP / 6.25 + 4.3) * 6.25);
  f.NSICPVERITE = (23.85 * f.NDIGDM + 0.6 * f.NRUP / 6.25 + 8.6) * 6.25;

  // 22. fractions into percentages
  f.NAPPCTPT *= 100.0;
  f.NTDNPCT *= 100.0;
  f.NKALSIYUMPCT *= 100.0;
  f.NHPPCT *= 100.0;
  f.NRDPPCT *= 100.0;
  f.NDMIPCTBW *= 100.0;
  f.NAPDIFFPCT *= 100.0;
  f.NFECALPROTPCT *= 100.0;
  f.NPROTINTAKEPCT = f.NPROTINTAKEPCT * 100.0f;
  f.NNETMILKPROTPCT = f.NNETMILKPROTPCT * 100.0f;
  f.NPPCT *= 100.0;
  f.NNETRETPROTPCT *= 100.0;
  f.NSCURFPROTPCT *= 100.0;
  f.NRUPPCT *= 100.0;
  f.NRUPPCTPT *= 100.0;
  f.NURINEPROTPCT *= 100.0;
  f.NNETPREGPROTPCT *= 100.0;

  f.proteinDone = true;
  return true;
}

} // namespace vz

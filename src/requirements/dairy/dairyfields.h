#pragma once
// The working fields of one dairy estimate, under the model's own names. The
// published figures were computed with part of these held in single precision:
// those are `float` here, and a value stored into one is rounded there. A sum,
// difference or product of two `float` fields is single precision as in C++;
// everything else is double, so the equations write double literals and widen
// before dividing. Every field starts at 0.
//
// Units: weights kg, the growing animal's gain g/day, the cow's weight change
// kg/day, energy Mcal/day (densities Mcal/kg DM), protein and minerals g/day,
// vitamins IU/day. Abbreviations: KMT dry-matter intake, TSBM total digestible
// nutrients, HP crude protein, RUP/RDP rumen-undegradable/-degradable protein,
// NEL/NEY/NEK net energy for lactation/maintenance/gain, ME metabolisable,
// SE digestible energy.
namespace vz {

struct DairyFields {
  // inputs
  int NANIMALTYPE = 0;   // 1 growing animal, 2 pregnant and/or lactating cow, 3 mature bull
  int NSIZECLASS = 0;    // growing animal: 1..4 (sex and frame)
  int NLACTATIONNO = 0;  // cow: lactation number
  int NFEEDSTATE = 0;    // cow: 1 at requirement, 2 below, 3 above
  int NREPORTTYPE = 0;   // 1 summary, 2 detailed
  float NLIVEWEIGHT = 0;
  float NDAILYGAIN = 0;  // g/day
  float NMILKYIELD = 0;
  double NMILKFAT = 0;
  double NDAYSPREGNANT = 0;
  double NENERGYCONC = 0;  // energy concentration factor of the ration
  float NENERGYRATIO = 0;  // share of the energy requirement met by the feed
  double NWEIGHTCHANGE = 0;

  // growing animal and bull energy (single precision)
  float NNEM = 0, NNEMCONC = 0, NNEG = 0, NNEGCONC = 0, NNEGPERKG = 0;
  float NADULTWEIGHT = 0, NME = 0, NMECONC = 0;
  double NMATURITY = 0, NDE = 0, NDECONC = 0, NDMIGAIN = 0;

  // cow energy
  float NNEL = 0, NNELCONC = 0, NNELMILK = 0, NNELPERKGMILK = 0, NNELPERKGGAIN = 0;
  float NNELMAINT = 0, NNELPREG = 0, NNELWTCHANGE = 0, NNELPERKGLOSS = 0;
  float NMILKTHRLOW = 0, NMILKTHRHIGH = 0;
  double NSIZESCALE = 0, NFCM = 0, NFCMFACTOR = 0, NGESTMASS = 0;
  double NDECOW = 0, NDEGAIN = 0, NDECOWCONC = 0, NDEMILK = 0, NDEPERKGGAIN = 0, NDEMAINT = 0,
         NDEPREG = 0;
  double NMECOW = 0, NMEGAIN = 0, NMECOWCONC = 0, NMEMILK = 0, NMEPERKGGAIN = 0, NMEMAINT = 0,
         NMEPREG = 0;
  double NTDNGAIN = 0, NTDNMILK = 0, NTDNPERKGGAIN = 0, NTDNMAINT = 0, NTDNPREG = 0;
  double NDMIMILK = 0;

  // shared results
  double NTDN = 0, NTDNPCT = 0;  // NTDNPCT a fraction until the protein balance
  double NDMI = 0, NDMIPCTBW = 0, NDMIMAINT = 0;
  double NDIGESTDM = 0, NDDMDEDUCT = 0;
  float NINDIGESTDM = 0;
  double NKALSIYUM = 0, NKALSIYUMPCT = 0, NP = 0, NPPCT = 0;
  double NVITA = 0, NVITACONC = 0, NVITD = 0, NVITDCONC = 0;
  double NNDF = 0, NADF = 0;

  // protein balance parameters
  double NBACTTPFRAC = 0, NDIGCOEFBACT = 0, NDIGCOEFRUP = 0, NEFFPREG = 0, NMFPFACTOR = 0;
  double NDIGCOEFNUCL = 0, NRDPEFF = 0, NRECYCLEFRAC = 0, NEFFGROWTH = 0, NAPPERKGCHANGE = 0;
  float NEFFMAINT = 0, NEFFLACT = 0;

  // protein balance results
  double NSCURFPROT = 0, NENDURINEPROT = 0, NAPSCURF = 0, NAPURINE = 0;
  float NAPMAINT = 0;
  double NAPMFP = 0;
  float NMILKPROTFRAC = 0, NNETMILKPROT = 0, NAPLACT = 0;
  double NNETPREGPROT = 0, NAPPREG = 0;
  double NNETRETPROT = 0, NAPRETAINED = 0;
  double NAPDIFF = 0, NAPREQ = 0;
  double NBACTCP = 0, NRUMENPROT = 0, NBACTTP = 0, NDIGBACTP = 0, NDIGNUCLEICP = 0;
  float NUNDIGBACTP = 0, NNUCLEICCP = 0, NUNDIGNUCLEICP = 0;
  double NDIGRUP = 0, NRUP = 0, NRUPPCT = 0;
  float NUNDIGRUP = 0;
  double NRUMENEFFLUX = 0;
  float NLACTPROTGAIN = 0;
  double NPREGPROTGAIN = 0, NRETPROTGAIN = 0;
  float NPROTINTAKE = 0, NPROTINTAKEPCT = 0;  // PT
  double NRUMENINFLUX = 0, NRDP = 0, NRDPPCT = 0;
  double NRUPPCTPT = 0, NAPPCTPT = 0;
  float NPTRUP33 = 0;
  double NHP = 0, NHPPCT = 0;
  double NFECALPROT = 0, NURINEPROT = 0;
  float NNETMILKPROTPCT = 0;
  double NNETPREGPROTPCT = 0, NNETRETPROTPCT = 0, NAPDIFFPCT = 0, NSCURFPROTPCT = 0;
  double NURINEPROTPCT = 0, NFECALPROTPCT = 0;
  double NSITPNRC = 0, NSICPNRC = 0, NDIGDM = 0, NSITPTAMMINGA = 0, NSICPROHR = 0, NSICPVERITE = 0;
  float NSICPJOURNET = 0;

  // Set once the protein balance has turned the shares into percentages; a
  // second run would scale them again.
  bool proteinDone = false;
};

} // namespace vz

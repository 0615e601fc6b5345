#include "beefreport.h"

#include "beefintake.h"
#include "beefvitmin.h"
#include "platform/rtext.h"

namespace vz::beef {

using rt::AllTrim;
using rt::PadR;
using rt::Space;
using rt::Str;

namespace {

constexpr auto s = &u16;

void animalText(RequirementReport &r, const char16_t *label, const QString &value)
{
  r.addLeft(Space(5) + s(label) + AllTrim(value));
}

void animalNumber(RequirementReport &r, const char16_t *label, double value, int width,
                  int decimals)
{
  animalText(r, label, Str(value, width, decimals));
}

void requirement(RequirementReport &r, const char16_t *label, double value, int decimals,
                 const char16_t *unit)
{
  r.addLeft(requirementLine(s(label), value, 5, decimals, s(unit)));
}

const char16_t *const kgDay = u" Kg/Gün";
const char16_t *const mcalDay = u" MCal/Gün";
const char16_t *const gDay = u" g/Gün";
const char16_t *const iuDay = u" IU/Gün";

// Intake, energy and protein, up to the crude protein share. The cow report
// has no line of its own for the energy of gain (it is inside NNETOTAL).
void intakeBlock(RequirementReport &r, const BeefFields &f, bool withGain)
{
  requirement(r, u"KURU MADDE TÜKETİMİ (KMT):", f.NDMI, 2, kgDay);
  requirement(r, u"NET ENERJİ YAŞAMA (NEy):", f.NNETOTAL, 2, mcalDay);
  if (withGain)
    requirement(r, u"NET ENERJİ KAZANÇ (NEk):", f.NNEGREQ, 2, mcalDay);
  requirement(r, u"METABOLİK ENERJİ (ME_BB):", f.NMEINTAKE, 2, mcalDay);
  requirement(r, u"SİNDİRİLEBİLİR ENERJİ (SE):", f.NDEINTAKE, 2, mcalDay);
  requirement(r, u"TOPLAM SİNDİRİLEBİLİR BESİN MADDELERİ (TSBM):", f.NTDNINTAKE, 2, kgDay);
  requirement(r, u"HAM PROTEİN (HP):", f.NHPREQ, 0, gDay);
  requirement(r, u"HAM PROTEİN/KURU MADDE ORANI (HP/KMT):", rt::Round(f.NHPPCT * 100.0, 2), 2,
              u" %");
  requirement(r, u"METABOLİK PROTEİN (MP):", f.NMPREQ, 0, gDay);
  requirement(r, u"RUMENDE PARÇALANAN PROTEİN (RDP):", f.NRDPREQ, 0, gDay);
  requirement(r, u"RUMENDE PARÇALANMAYAN PROTEİN (RUP):", f.NRUPREQ, 0, gDay);
  requirement(r, u"EFEKTİF NÖTR DETERJAN SELÜLOZ (eNDF):", f.NENDFREQ, 2, kgDay);
}

void mineralBlock(RequirementReport &r, const BeefFields &f)
{
  requirement(r, u"KALSİYUM (Ca):", f.NKALSIYUMREQ, 2, gDay);
  requirement(r, u"FOSFOR (P):", f.NFOSFORREQ, 2, gDay);
  requirement(r, u"MAGNEZYUM (Mg):", vitMin(f, Magnesium), 2, gDay);
  requirement(r, u"POTASYUM (K):", vitMin(f, Potassium), 2, gDay);
  requirement(r, u"SODYUM (Na):", vitMin(f, Sodium), 2, gDay);
  requirement(r, u"SÜLFÜR (S):", vitMin(f, Sulphur), 2, gDay);
  // The table holds the vitamins per kg of dry matter; the report, like the
  // rows, states what the animal needs in a day.
  const double vitA = vitMin(f, VitaminA) * f.NDMI;
  const double vitD = vitMin(f, VitaminD) * f.NDMI;
  r.addLeft(Space(5) + PadR(s(u"VİTAMİN A (VITA):"), 45) + dailyFigure(vitA, 0) + s(iuDay));
  r.addLeft(Space(5) + PadR(s(u"VİTAMİN D (VITD):"), 45) + dailyFigure(vitD, 0) + s(iuDay));
}

void outlook(RequirementReport &r, const BeefFields &f, const char16_t *gainLabel,
             bool withPregnancy)
{
  r.addBlank();
  if (withPregnancy && f.NDAYSPREGNANT > 0)
    requirement(r, u"BEKLENEN GEBELİK AĞIRLIK ARTIŞI:", f.NPREGGAIN, 2, gDay);
  requirement(r, gainLabel, f.NEXPSWG / 0.96, 2, kgDay);
  r.addLeft(Space(5) + PadR(s(u"BEKLENEN RUMEN pH SEVİYESİ:"), 45) + Str(PRED_RUMEN_PH(f), 5, 2));
}

// Everything below the animal lines; the groups differ only in the gain line
// and in whether a pregnancy can add its own line.
void requirementSections(RequirementReport &r, const BeefFields &f, bool withGain,
                         const char16_t *gainLabel, bool withPregnancy)
{
  r.addBlank();
  intakeBlock(r, f, withGain);
  mineralBlock(r, f);
  outlook(r, f, gainLabel, withPregnancy);
}

} // namespace

QString requirementLine(const QString &label, double value, int width, int decimals,
                        const QString &unit)
{
  return Space(5) + PadR(label, 45) + Str(value, width, decimals) + unit;
}

QString dailyFigure(double value, int decimals)
{
  // Seven columns hold any daily vitamin amount and keep a blank before it.
  QString text = Str(value, 5, decimals);
  for (int width = 7; text.startsWith(QLatin1Char('*')) && width <= 20; ++width)
    text = Str(value, width, decimals);
  return text;
}

void OUTPUT1(const BeefFields &f, const QDateTime &now, RequirementReport &r)
{
  r.addHeader(now);
  animalText(r, u"TİPİ: ", s(u"GENÇ & BESİ SIĞIRI"));
  animalText(r, u"CİNSİYET: ", f.CSEX);
  animalNumber(r, u"CANLI AĞIRLIK (Kg): ", f.NLIVEWEIGHT, 5, 0);
  animalNumber(r, u"CANLI AĞIRLIK ARTIŞI (Kg/Gün): ", f.NDAILYGAIN, 5, 3);
  animalNumber(r, u"HEDEF BESİ SONU AĞIRLIK (Kg): ", f.NMATUREWEIGHT, 5, 3);
  animalNumber(r, u"HEDEF YAĞLANMA DÜZEYİ (%): ", f.NBODYFATPCT, 2, 0);
  animalText(r, u"GENOTİPİ: ", f.CBREED);
  requirementSections(r, f, true, u"BEKLENEN AĞIRLIK ARTIŞI:", false);
}

void OUTPUT2(const BeefFields &f, const QDateTime &now, RequirementReport &r)
{
  r.addHeader(now);
  const bool pregnant = f.NDAYSPREGNANT > 0;
  QString cow;
  if (f.NANIMALTYPE == LactatingCow)
    cow = pregnant ? s(u"GEBE & SÜT VEREN INEK") : s(u"SÜT VEREN INEK");
  else
    cow = pregnant ? s(u"GEBE & KURUDAKİ İNEK") : s(u"KURUDAKİ İNEK");
  animalText(r, u"TİPİ: ", cow);
  animalNumber(r, u"CANLI AĞIRLIK (Kg): ", f.NLIVEWEIGHT, 5, 0);
  animalNumber(r, u"ERGİN CANLI AĞIRLIK (Kg): ", f.NMATUREWEIGHT, 5, 3);
  animalNumber(r, u"GEBELİKTE SÜRE (Gün): ", f.NDAYSPREGNANT, 5, 0);
  animalNumber(r, u"BUZAĞI DOĞUM AĞIRLIĞI (Kg): ", f.NBIRTHWEIGHT, 5, 3);
  animalNumber(r, u"BUZAĞILAMA ARALIĞI (Ay): ", f.NBIRTHINTERVAL, 2, 0);
  animalNumber(r, u"PİK SÜT VERİMİ (Kg): ", f.NPEAKMILK, 5, 2);
  animalNumber(r, u"PİK VERİM ZAMANI (Hafta): ", f.NPEAKWEEK, 5, 2);
  animalNumber(r, u"SÜT YAĞI (%): ", f.NMILKFAT, 5, 2);
  animalNumber(r, u"SÜT PROTEİNİ (%): ", f.NMILKPROTEIN, 5, 2);
  animalNumber(r, u"YAĞSIZ SÜT KM ORANI (%): ", f.NMILKSNF, 5, 2);
  animalText(r, u"GENOTİPİ: ", f.CBREED);
  requirementSections(r, f, false, u"BEKLENEN GÜNLÜK AĞIRLIK ARTIŞI:", true);
}

void OUTPUT3(const BeefFields &f, const QDateTime &now, RequirementReport &r)
{
  r.addHeader(now);
  animalText(r, u"TİPİ: ",
             f.NDAYSPREGNANT > 0 ? s(u"GEBE DAMIZLIK DÜVE") : s(u"DAMIZLIK DÜVE"));
  animalNumber(r, u"CANLI AĞIRLIK (Kg): ", f.NLIVEWEIGHT, 5, 0);
  animalNumber(r, u"CANLI AĞIRLIK ARTIŞI (Kg/Gün): ", f.NDAILYGAIN, 5, 3);
  animalNumber(r, u"BUZAĞI DOĞUM AĞIRLIĞI (Kg): ", f.NBIRTHWEIGHT, 5, 3);
  animalNumber(r, u"DAMIZLIKTA KULLANMA YAŞI (Ay): ", f.NBREEDINGAGE, 5, 3);
  animalNumber(r, u"ERGİN AĞIRLIK (Kg): ", f.NMATUREWEIGHT, 5, 3);
  animalText(r, u"GENOTİPİ: ", f.CBREED);
  requirementSections(r, f, true, u"BEKLENEN AĞIRLIK ARTIŞI:", true);
}

void OUTPUT4(const BeefFields &f, const QDateTime &now, RequirementReport &r)
{
  r.addHeader(now);
  animalText(r, u"TİPİ: ", s(u"DAMIZLIK BOĞA"));
  animalText(r, u"CİNSİYET: ", f.CSEX);
  animalNumber(r, u"CANLI AĞIRLIK (Kg): ", f.NLIVEWEIGHT, 5, 0);
  animalNumber(r, u"CANLI AĞIRLIK ARTIŞI (Kg/Gün): ", f.NDAILYGAIN, 5, 3);
  animalNumber(r, u"ERGİN AĞIRLIK (Kg): ", f.NMATUREWEIGHT, 5, 3);
  animalText(r, u"GENOTİPİ: ", f.CBREED);
  requirementSections(r, f, true, u"BEKLENEN AĞIRLIK ARTIŞI:", false);
}

} // namespace vz::beef

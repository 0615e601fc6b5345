#include "beefrows.h"

#include "beefvitmin.h"
#include "platform/rtext.h"
#include "requirements/requirementrowsbuilder.h"

namespace vz::beef {

namespace {

constexpr auto s = &u16;

// The energy and intake rows both sets share, up to "TSBM".
void energyRows(RequirementRowsBuilder &b, const BeefFields &f, bool withGain)
{
  b.addFixed(s(u"KMT"), s(u"Kg/Kg"), f.NDMI, 5, 2);
  b.addBlank(s(u"KMO"), s(u"%"));
  b.addLower(s(u"NEY"), s(u"MCal/Kg"), f.NNETOTAL, 5, 2);
  if (withGain)
    b.addLower(s(u"NEK"), s(u"MCal/Kg"), f.NNEGREQ, 5, 2);
  b.addLower(s(u"ME_BB"), s(u"MCal/Kg"), f.NMEINTAKE, 6, 2);
  b.addLower(s(u"SE"), s(u"MCal/Kg"), f.NDEINTAKE, 6, 2);
  b.addLower(s(u"TSBM"), s(u"Kg/Kg"), f.NTDNINTAKE, 5, 2);
  b.addLower(s(u"HP"), s(u"g/Kg"), f.NHPREQ, 5, 0);
}

void mineralRows(RequirementRowsBuilder &b, const BeefFields &f)
{
  b.addLower(s(u"ENDF"), s(u"Kg/Kg"), f.NENDFREQ, 5, 2);
  b.addLower(s(u"KALSIYUM"), s(u"g/Kg"), f.NKALSIYUMREQ, 5, 1);
  b.addLower(s(u"FOSFOR"), s(u"g/Kg"), f.NFOSFORREQ, 5, 1);
  b.addLower(s(u"MAGNEZYUM"), s(u"g/Kg"), vitMin(f, Magnesium), 6, 0);
  b.addLower(s(u"POTASYUM"), s(u"g/Kg"), vitMin(f, Potassium), 6, 0);
  b.addLower(s(u"SODYUM"), s(u"g/Kg"), vitMin(f, Sodium), 6, 0);
  b.addLower(s(u"SULFUR"), s(u"g/Kg"), vitMin(f, Sulphur), 6, 0);
  // The table holds the vitamins per kg of dry matter; a requirement row is a
  // daily amount, which the ration meets as the sum of amount × content.
  b.addLower(s(u"VITA"), s(u"IU/Kg"), vitMin(f, VitaminA) * f.NDMI, 6, 0);
  b.addLower(s(u"VITD"), s(u"IU/Kg"), vitMin(f, VitaminD) * f.NDMI, 6, 0);
}

QString text(const QString &label, const QString &value)
{
  return label + rt::AllTrim(value);
}

QString number(const char16_t *label, double value, int width, int decimals)
{
  return RequirementRowsBuilder::descLine(s(label), value, width, decimals);
}

} // namespace

RequirementRows growingRows(const BeefFields &f)
{
  RequirementRowsBuilder b;
  energyRows(b, f, true);
  b.addLower(s(u"RDP"), s(u"g/Kg"), f.NRDPREQ, 5, 0);
  b.addLower(s(u"RUP"), s(u"g/Kg"), f.NRUPREQ, 5, 0);
  mineralRows(b, f);
  return b.rows();
}

RequirementRows cowRows(const BeefFields &f)
{
  RequirementRowsBuilder b;
  energyRows(b, f, false);
  b.addLower(s(u"RUP"), s(u"g/Kg"), f.NRUPREQ, 5, 0);
  b.addLower(s(u"RDP"), s(u"g/Kg"), f.NRDPREQ, 5, 0);
  mineralRows(b, f);
  return b.rows();
}

QStringList DESC_GROW_FINISH(const BeefFields &f)
{
  return {
      s(u"TİPİ: GENÇ & BESİ SIĞIRI"),
      text(s(u"CİNSİYET: "), f.CSEX),
      number(u"CANLI AĞIRLIK (Kg): ", f.NLIVEWEIGHT, 5, 0),
      number(u"CANLI AĞIRLIK ARTIŞI (Kg/Gün): ", f.NDAILYGAIN, 5, 3),
      number(u"HEDEF BESİ SONU & ERGİN AĞIRLIK (Kg): ", f.NMATUREWEIGHT, 5, 3),
      number(u"HEDEF YAĞLANMA DÜZEYİ (%): ", f.NBODYFATPCT, 2, 0),
      text(s(u"GENOTİPİ: "), f.CBREED),
  };
}

QStringList DESC_BEEF_COW(const BeefFields &f)
{
  return {
      s(u"TİPİ: GEBE & SÜT VEREN & KURUDAKİ İNEK"),
      number(u"CANLI AĞIRLIK (Kg): ", f.NLIVEWEIGHT, 5, 0),
      number(u"ERGİN CANLI AĞIRLIK (Kg): ", f.NMATUREWEIGHT, 5, 3),
      number(u"BUZAĞI DOĞUM AĞIRLIĞI (Kg): ", f.NBIRTHWEIGHT, 5, 3),
      // The cow's age in months, as typed on the animal page.
      number(u"BUZAĞILAMA YAŞI (Ay): ", static_cast<double>(f.NAGEDAYS) / 30.0, 5, 3),
      number(u"BUZAĞILAMA ARALIĞI (Ay): ", f.NBIRTHINTERVAL, 2, 0),
      number(u"PİK SÜT VERİMİ (Kg): ", f.NPEAKMILK, 5, 3),
      number(u"PİK VERİM ZAMANI (Hafta): ", static_cast<double>(f.NPEAKWEEK), 5, 3),
      number(u"SÜT YAĞI (%): ", f.NMILKFAT, 5, 3),
      number(u"SÜT PROTEİNİ (%): ", f.NMILKPROTEIN, 5, 3),
      number(u"SÜT KM ORANI (%): ", f.NMILKSNF, 5, 3),
      text(s(u"GENOTİPİ: "), f.CBREED),
  };
}

QStringList DESC_PREG_RHEIFERS(const BeefFields &f)
{
  return {
      s(u"TİPİ: GEBE DAMIZLIK DÜVE"),
      number(u"CANLI AĞIRLIK (Kg): ", f.NLIVEWEIGHT, 5, 0),
      number(u"CANLI AĞIRLIK ARTIŞI (Kg/Gün): ", f.NDAILYGAIN, 5, 3),
      number(u"BUZAĞI DOĞUM AĞIRLIĞI (Kg): ", f.NBIRTHWEIGHT, 5, 3),
      number(u"DAMIZLIKTA KULLANMA YAŞI (Ay): ", f.NBREEDINGAGE, 5, 3),
      number(u"ERGİN AĞIRLIK (Kg): ", f.NMATUREWEIGHT, 5, 3),
      text(s(u"GENOTİPİ: "), f.CBREED),
  };
}

QStringList DESC_BREED_BULL(const BeefFields &f)
{
  return {
      s(u"TİPİ: DAMIZLIK BOĞA"),
      number(u"CANLI AĞIRLIK (Kg): ", f.NLIVEWEIGHT, 5, 0),
      number(u"CANLI AĞIRLIK ARTIŞI (Kg/Gün): ", f.NDAILYGAIN, 5, 3),
      number(u"ERGİN AĞIRLIK (Kg): ", f.NMATUREWEIGHT, 5, 3),
      text(s(u"GENOTİPİ: "), f.CBREED),
  };
}

} // namespace vz::beef

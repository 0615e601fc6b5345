#include "dairyrows.h"

#include "requirements/requirementrowsbuilder.h"

namespace vz {

namespace {

QString s(const char16_t *text)
{
  return QString::fromUtf16(text);
}

// The rows both builders start with: the fixed intake and its blank share.
void addIntakeHead(RequirementRowsBuilder &b, const DairyFields &f)
{
  b.addFixed(s(u"KMT"), s(u"Kg/Kg"), f.NDMI, 5, 2);
  b.addBlank(s(u"KMO"), s(u"%"));
}

// The rows both builders share after the energy rows.
void addCommonTail(RequirementRowsBuilder &b, const DairyFields &f, int vitaminWidth,
                   int vitaminDecimals)
{
  b.addLower(s(u"TSBM"), s(u"Kg/Kg"), f.NTDN, 5, 2);
  b.addLower(s(u"HP"), s(u"g/Kg"), f.NHP, 5, 0);
  b.addLower(s(u"RUP"), s(u"g/Kg"), f.NRUP, 5, 0);
  b.addLower(s(u"RDP"), s(u"g/Kg"), f.NRDP, 5, 0);
  b.addLower(s(u"NDF"), s(u"Kg/Kg"), f.NNDF, 5, 2);
  b.addLower(s(u"ADF"), s(u"Kg/Kg"), f.NADF, 5, 2);
  b.addLower(s(u"KALSIYUM"), s(u"g/Kg"), f.NKALSIYUM, 5, 1);
  b.addLower(s(u"FOSFOR"), s(u"g/Kg"), f.NP, 5, 1);
  b.addLower(s(u"VITA"), s(u"IU/Kg"), f.NVITA, vitaminWidth, vitaminDecimals);
  b.addLower(s(u"VITD"), s(u"IU/Kg"), f.NVITD, vitaminWidth, vitaminDecimals);
}

} // namespace

QString DairyRows::sizeClassText(int sizeClass)
{
  switch (sizeClass) {
  case 1: return s(u"DİŞİ BÜYÜK IRK");
  case 2: return s(u"DİŞİ KÜÇÜK IRK");
  case 3: return s(u"ERKEK BÜYÜK IRK");
  case 4: return s(u"ERKEK KÜÇÜK IRK");
  default: return QString();
  }
}

RequirementRows DairyRows::REQ_DAIRY(const DairyFields &f)
{
  RequirementRowsBuilder b;
  addIntakeHead(b, f);
  b.addLower(s(u"NEL"), s(u"MCal/Kg"), f.NNEL, 5, 2);
  b.addLower(s(u"ME_BB"), s(u"MCal/Kg"), f.NMECOW, 6, 2);
  b.addLower(s(u"SE"), s(u"MCal/Kg"), f.NDECOW, 6, 2);
  addCommonTail(b, f, 5, 1);
  return b.rows();
}

RequirementRows DairyRows::REQ_GROW_BULL(const DairyFields &f)
{
  RequirementRowsBuilder b;
  addIntakeHead(b, f);
  b.addLower(s(u"NEY"), s(u"MCal/Kg"), f.NNEM, 5, 2);
  b.addLower(s(u"NEK"), s(u"MCal/Kg"), f.NNEG, 5, 2);
  b.addLower(s(u"ME_BB"), s(u"MCal/Kg"), f.NME, 6, 2);
  b.addLower(s(u"SE"), s(u"MCal/Kg"), f.NDE, 6, 2);
  addCommonTail(b, f, 6, 0);
  return b.rows();
}

QStringList DairyRows::DESC_DAIRY(const DairyFields &f)
{
  using B = RequirementRowsBuilder;
  return {
      s(u"GEBE & SÜT VEREN İNEK:"),
      B::descLine(s(u"ENERJİ KONSANTRASYONU (Yed./NRC Tah.): "), f.NENERGYCONC, 5, 2),
      B::descLine(s(u"CANLI AĞIRLIK (C.A. Kg):"), f.NLIVEWEIGHT, 5, 0),
      B::descLine(s(u"SÜT ÜRETİMİ (Kg): "), f.NMILKYIELD, 5, 0),
      B::descLine(s(u"SÜT YAĞ TESTİ (%): "), f.NMILKFAT, 5, 2),
      B::descLine(s(u"GEBELİKTE GÜN SAYISI: "), f.NDAYSPREGNANT, 5, 0),
      B::descLine(s(u"LAKTASYON SAYISI: "), f.NLACTATIONNO, 2, 0),
      B::descLine(s(u"YEMDE NEL/IHTİYAÇ NEL ORANI: "), f.NENERGYRATIO, 4, 2),
      B::descLine(s(u"LAKTASYONDA AĞIRLIK DEĞİŞİMİ (Kg): "), f.NWEIGHTCHANGE, 6, 3),
  };
}

static QStringList growingTail(const DairyFields &f)
{
  using B = RequirementRowsBuilder;
  return {
      B::descLine(s(u"ENERJİ KONSANTRASYONU (Yed./NRC Tah.): "), f.NENERGYCONC, 5, 2),
      B::descLine(s(u"CANLI AĞIRLIK (C.A. Kg): "), f.NLIVEWEIGHT, 5, 0),
      B::descLine(s(u"GÜNLÜK CANLI AĞIRLIK ARTIŞI (g): "), f.NDAILYGAIN, 5, 0),
  };
}

QStringList DairyRows::DESC_GROWING(const DairyFields &f)
{
  QStringList lines{s(u"GENÇ SIGIR:")};
  lines += growingTail(f);
  const QString cls = sizeClassText(f.NSIZECLASS);
  if (!cls.isEmpty())
    lines.append(cls);
  return lines;
}

QStringList DairyRows::DESC_BULL(const DairyFields &f)
{
  QStringList lines{s(u"ERGİN BOĞA:")};
  lines += growingTail(f);
  return lines;
}

} // namespace vz

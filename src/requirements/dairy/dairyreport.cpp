#include "dairyreport.h"

#include "dairyrows.h"
#include "platform/rtext.h"

namespace vz {

namespace {

using rt::PadR;
using rt::Str;

const QString Indent = QStringLiteral("     ");

// 5 blanks, label to 45, daily amount, unit text, density or share.
void valueLine(RequirementReport &r, const QString &label, double amount, int w, int d,
               const QString &unit, double conc, int cw, int cd)
{
  r.addLeft(Indent + PadR(label, 45) + Str(amount, w, d) + unit + Str(conc, cw, cd));
}

void rupPtLine(RequirementReport &r, const DairyFields &f)
{
  r.addLeft(Indent + PadR(QStringLiteral("RUP/PT:"), 54) + QStringLiteral(" %PT ")
            + Str(f.NRUPPCTPT, 5, 2));
}

QString mcal()
{
  return QStringLiteral(" MCal & MCal/Kg ");
}

void intakeLine(RequirementReport &r, const DairyFields &f)
{
  valueLine(r, QStringLiteral("KURU MADDE TÜKETİMİ (KMT):"), f.NDMI, 5, 2,
            QStringLiteral(" Kg & %C.A. "), f.NDMIPCTBW, 5, 2);
}

// From TSBM on the value lines are alike for every animal; only the spelling
// of the TSBM label differs between the reports, so the caller gives it.
void tdnToVitaminLines(RequirementReport &r, const DairyFields &f, const QString &tdnLabel)
{
  const QString gDm = QStringLiteral(" g & %KM ");
  const QString iu = QStringLiteral(" IU & IU/Kg ");
  valueLine(r, tdnLabel, f.NTDN, 5, 2, QStringLiteral(" Kg & %KM "), f.NTDNPCT, 5, 2);
  valueLine(r, QStringLiteral("HAM PROTEİN (HP):"), f.NHP, 5, 0, gDm, f.NHPPCT, 5, 2);
  valueLine(r, QStringLiteral("RUMENDE PARÇALANMAYAN PROTEİN (RUP):"), f.NRUP, 5, 0, gDm,
            f.NRUPPCT, 5, 2);
  valueLine(r, QStringLiteral("RUMENDE PARÇALANAN PROTEİN (RDP):"), f.NRDP, 5, 0, gDm, f.NRDPPCT,
            5, 2);
  valueLine(r, QStringLiteral("PROTEİN TÜKETİMİ (PT):"), f.NPROTINTAKE, 5, 0, gDm,
            f.NPROTINTAKEPCT, 5, 2);
  valueLine(r, QStringLiteral("KALSİYUM (CA):"), f.NKALSIYUM, 5, 1, gDm, f.NKALSIYUMPCT, 5, 3);
  valueLine(r, QStringLiteral("FOSFOR (P):"), f.NP, 5, 1, gDm, f.NPPCT, 5, 3);
  valueLine(r, QStringLiteral("VİTAMİN A:"), f.NVITA, 6, 0, iu, f.NVITACONC, 5, 0);
  valueLine(r, QStringLiteral("VİTAMİN D:"), f.NVITD, 6, 0, iu, f.NVITDCONC, 5, 0);
}

// The fourteen value lines of the growing animal and the bull; only the TSBM
// label differs between the two.
void growBullValues(RequirementReport &r, const DairyFields &f, const QString &tdnLabel)
{
  intakeLine(r, f);
  valueLine(r, QStringLiteral("NET ENERJİ YAŞAMA (NEY):"), f.NNEM, 5, 2, mcal(), f.NNEMCONC, 5, 2);
  valueLine(r, QStringLiteral("NET ENERJİ KAZANÇ (NEK):"), f.NNEG, 5, 2, mcal(), f.NNEGCONC, 5, 2);
  valueLine(r, QStringLiteral("METABOLİK ENERJİ (ME):"), f.NME, 6, 2, mcal(), f.NMECONC, 5, 2);
  valueLine(r, QStringLiteral("SİNDİRİLEBİLİR ENERJİ (SE):"), f.NDE, 6, 2, mcal(), f.NDECONC, 5, 2);
  tdnToVitaminLines(r, f, tdnLabel);
}

void endMark(RequirementReport &r)
{
  r.addBlank();
  r.addCentred(QStringLiteral("<>"));
}

} // namespace

void DairyReport::OUTPUT1(RequirementReport &r, const DairyFields &f, const QDateTime &now)
{
  r.addHeader(now);
  r.addLeft(Indent + QStringLiteral("GENÇ SIGIR - GÜNLÜK BESİN MADDESİ İHTİYAÇLARI:"));
  r.addBlank();
  r.addLeft(Indent + QStringLiteral("ENERJİ KONSANTRASYONU (Yed./NRC Tah.): ")
            + Str(f.NENERGYCONC, 5, 2));
  r.addLeft(Indent + QStringLiteral("CANLI AĞIRLIK (C.A.,Kg):") + Str(f.NLIVEWEIGHT, 5, 0));
  r.addLeft(Indent + QStringLiteral("GÜNLÜK CANLI AĞIRLIK ARTIŞI (g):") + Str(f.NDAILYGAIN, 5, 0));
  r.addLeft(Indent + DairyRows::sizeClassText(f.NSIZECLASS));
  r.addBlank();
  growBullValues(r, f, QStringLiteral("TOPLAM SİDİRİLEBİLİR BESİN MADDELERİ (TSBM):"));
  rupPtLine(r, f);
}

void DairyReport::OUTPUT3(RequirementReport &r, const DairyFields &f, const QDateTime &now)
{
  r.addHeader(now);
  r.addLeft(Indent + QStringLiteral("ERGİN BOĞA - GÜNLÜK BESİN MADDESİ İHTİYAÇLARI:"));
  r.addBlank();
  r.addLeft(Indent + QStringLiteral("ENERJİ KONSANTRASYONU (Yed./NRC Tah.) ")
            + Str(f.NENERGYCONC, 5, 2));
  r.addLeft(Indent + QStringLiteral("CANLI AĞIRLIK (C.A.,Kg):") + Str(f.NLIVEWEIGHT, 5, 0));
  r.addBlank();
  growBullValues(r, f, QStringLiteral("TOPLAM SİNDİRİLEBİLİR BESİN MADDELERİ (TSBM):"));
  rupPtLine(r, f);
  endMark(r);
}

void DairyReport::OUTPUT2(RequirementReport &r, const DairyFields &f, const QDateTime &now)
{
  r.addHeader(now);
  r.addLeft(Indent + QStringLiteral("GEBE & SÜT VEREN İNEK - GÜNLÜK BESİN MADDESİ İHTİYAÇLARI:"));
  r.addBlank();
  r.addLeft(Indent + QStringLiteral("ENERJİ KONSANTRASYONU (Yed./NRC Tah.) ")
            + Str(f.NENERGYCONC, 5, 2));
  r.addLeft(Indent + QStringLiteral("CANLI AĞIRLIK (C.A.,Kg):") + Str(f.NLIVEWEIGHT, 5, 0));
  r.addLeft(Indent + QStringLiteral("SÜT ÜRETİMİ (Kg): ") + Str(f.NMILKYIELD, 5, 0));
  r.addLeft(Indent + QStringLiteral("SÜT YAĞ TESTİ (%): ") + Str(f.NMILKFAT, 5, 2));
  r.addLeft(Indent + QStringLiteral("GEBELİKTE GÜN SAYISI: ") + Str(f.NDAYSPREGNANT, 5, 0));
  r.addLeft(Indent + QStringLiteral("LAKTASYON SAYISI: ") + Str(f.NLACTATIONNO, 2, 0));
  r.addLeft(Indent + QStringLiteral("YEMDE NEL/IHTİYAÇ NEL ORANI: ") + Str(f.NENERGYRATIO, 4, 2));
  r.addLeft(Indent + QStringLiteral("LAKTASYONDA AĞIRLIK DEĞİŞİMİ (Kg): ")
            + Str(f.NWEIGHTCHANGE, 6, 3));
  r.addBlank();

  intakeLine(r, f);
  valueLine(r, QStringLiteral("NET ENERJİ LAKTASYON (NEL):"), f.NNEL, 5, 2, mcal(), f.NNELCONC, 5, 2);
  valueLine(r, QStringLiteral("METABOLİK ENERJİ (ME):"), f.NMECOW, 6, 2, mcal(), f.NMECOWCONC, 5,
            2);
  valueLine(r, QStringLiteral("SİNDİRİLEBİLİR ENERJİ (SE):"), f.NDECOW, 6, 2, mcal(), f.NDECOWCONC,
            5, 2);
  tdnToVitaminLines(r, f, QStringLiteral("TOPLAM SİNDİRİLEBİLİR BESİN MADDELERİ (TSBM):"));
  rupPtLine(r, f);
}

void DairyReport::OUTPUT4(RequirementReport &r, const DairyFields &f)
{
  auto amount = [&r](const QString &label, double v) {
    r.addLeft(Indent + PadR(label, 50) + Str(v, 5, 0) + QStringLiteral(" g"));
  };
  auto share = [&r](const QString &label, int width, double v) {
    r.addLeft(Indent + PadR(label, width) + QStringLiteral("% ") + Str(v, 5, 2));
  };

  r.addBlank();
  amount(QStringLiteral("EMİLEN YÜZEY PROTEİNİ:"), f.NAPSCURF);
  amount(QStringLiteral("EMİLEN İDRAR PROTEİNİ:"), f.NAPURINE);
  amount(QStringLiteral("EMİLEN YAŞAMA PAYI PROTEİNİ:"), f.NAPMAINT);
  amount(QStringLiteral("EMİLEN METABOLİK FECAL PROTEİN:"), f.NAPMFP);
  amount(QStringLiteral("EMİLEN LAKTASYON PROTEİNİ:"), f.NAPLACT);
  amount(QStringLiteral("EMİLEN GEBELİK (Conceptus) PROTEİNİ:"), f.NAPPREG);
  amount(QStringLiteral("EMİLEN FARK (Difference) PROTEİNİ:"), f.NAPDIFF);
  amount(QStringLiteral("EMİLEN TUTULAN (Retained) PROTEİN:"), f.NAPRETAINED);
  amount(QStringLiteral("EMİLEN İHTİYAÇ (Required) PROTEİNİ:"), f.NAPREQ);
  r.addBlank();
  amount(QStringLiteral("RUMENDE MEVCUT PROTEİN:"), f.NRUMENPROT);
  amount(QStringLiteral("BAKTERİYAL HAM PROTEİN: "), f.NBACTCP);
  amount(QStringLiteral("NÜKLEİK HAM PROTEİN:"), f.NNUCLEICCP);
  amount(QStringLiteral("BAKTERİYAL GERÇEK PROTEİN:"), f.NBACTTP);
  amount(QStringLiteral("SİNDİRİLEBİLİR BAKTERİYEL PROTEİN:"), f.NDIGBACTP);
  amount(QStringLiteral("SİNDİRİLEBİLİR PARÇALANMAYAN PROTEİN:"), f.NDIGRUP);
  amount(QStringLiteral("RUMENDE PARÇALANMAYAN PROROTEİN:"), f.NRUP);
  amount(QStringLiteral("RUMENDE PARÇALANAN PROTEİN:"), f.NRDP);
  amount(QStringLiteral("PROTEİN TÜKETİMİ:"), f.NPROTINTAKE);
  share(QStringLiteral("EMİLEN PROTEİN/PROTEİN TÜKETİMİ:"), 50, f.NAPPCTPT);
  r.addBlank();
  amount(QStringLiteral("DÖKÜNTÜ (Scurf) PROTEİN:"), f.NSCURFPROT);
  amount(QStringLiteral("RUMEN INFLUX PROTEİN:"), f.NRUMENINFLUX);
  amount(QStringLiteral("RUMEN EFFLUX PROTEİN:"), f.NRUMENEFFLUX);
  amount(QStringLiteral("SİNDİRİLEBİLİR NÜKLEİK PROTEİN:"), f.NDIGNUCLEICP);
  amount(QStringLiteral("EMİLEN YAŞAMA PAYI PROTEiNİ:"), f.NAPMAINT);
  amount(QStringLiteral("LAKTASYON PROTEİN ARTIŞI:"), f.NLACTPROTGAIN);
  amount(QStringLiteral("GEBELİK PROTEİN ARTIŞI:"), f.NPREGPROTGAIN);
  amount(QStringLiteral("TUTULAN PROTEİN ARTIŞI:"), f.NRETPROTGAIN);
  amount(QStringLiteral("İDRAR PROTEİNİ:"), f.NURINEPROT);
  r.addBlank();
  amount(QStringLiteral("SİNDİRİLMEYEN BAKTERİYEL PROTEİN:"), f.NUNDIGBACTP);
  amount(QStringLiteral("SİNDİRİLMEYEN NÜKLEİK PROTEİN:"), f.NUNDIGNUCLEICP);
  amount(QStringLiteral("SİNDİRİLMEZ PARÇALANMAYAN PROTEİN:"), f.NUNDIGRUP);
  amount(QStringLiteral("EMİLEN METABOLİK FECAL PROTEİN:"), f.NAPMFP);
  amount(QStringLiteral("FECAL PROTEİN:"), f.NFECALPROT);
  r.addBlank();
  amount(QStringLiteral("NET SÜT PROTEİNİ:"), f.NNETMILKPROT);
  amount(QStringLiteral("NET GEBELİK PROTEİNİ:"), f.NNETPREGPROT);
  amount(QStringLiteral("NET FARK (Difference) PROTEİNİ:"), f.NAPDIFF);
  amount(QStringLiteral("NET TUTULAN PROTEİN:"), f.NNETRETPROT);
  r.addBlank();
  share(QStringLiteral("NET SÜT PROTEİNİ/PROTEİN TÜKETİMİ:"), 51, f.NNETMILKPROTPCT);
  share(QStringLiteral("NET GEBELİK PROTEİNİ/PROTEİN TÜKETİMİ:"), 51, f.NNETPREGPROTPCT);
  share(QStringLiteral("EMİLEN FARK (Difference) PROTEİNİ/PROTEİN TÜKETİMİ:"), 51, f.NAPDIFFPCT);
  share(QStringLiteral("TUTULAN NET PROTEİN/PROTEİN TÜKETİMİ:"), 51, f.NNETRETPROTPCT);
  share(QStringLiteral("DÖKÜNTÜ (Scurf) PROTEİN/PROTEİN TÜKETİMİ:"), 51, f.NSCURFPROTPCT);
  share(QStringLiteral("İDRAR PROTEİNİ/PROTEİN TÜKETİMİ:"), 51, f.NURINEPROTPCT);
  share(QStringLiteral("FECAL PROTEİN/PROTEİN TÜKETİMİ:"), 51, f.NFECALPROTPCT);
  r.addBlank();
  amount(QStringLiteral("İNCE BARSAKTA HAM PROTEİN (NRC Tahmini):"), f.NSICPNRC);
  amount(QStringLiteral("İNCE BARSAKTA GERÇEK PROTEİN (NRC Tahmini):"), f.NSITPNRC);
  amount(QStringLiteral("İNCE BARSAKTA BEKLENEN GERÇEK PROTEİN (TAMMINGA):"), f.NSITPTAMMINGA);
  amount(QStringLiteral("İNCE BARSAKTA BEKLENEN HAM PROTEİN (ROHR):"), f.NSICPROHR);
  amount(QStringLiteral("İNCE BARSAKTA BEKLENEN HAM PROTEİN (JOURNET):"), f.NSICPJOURNET);
  amount(QStringLiteral("İNCE BARSAKTA BEKLENEN HAM PROTEİN (VERİTE):"), f.NSICPVERITE);
  endMark(r);
}

} // namespace vz

#include "rationreportparts.h"

#include "platform/rtext.h"

#include <cmath>

namespace vz::rationreport {

using rt::AllTrim;
using rt::PadC;
using rt::PadL;
using rt::PadR;

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }
QString dashes(int n) { return QString(n, QLatin1Char('-')); }

void addTitle(ReportWriter &out, const QString &program, const QString &title, const QDateTime &now)
{
  out.addCentredLine(program);
  out.addCentredLine(QStringLiteral("OPTİMAL & MANUEL SIĞIR RASYONU HAZIRLAMA PROGRAMI"));
  out.addCentredLine(title);
  out.addCentredLine(QStringLiteral("Tarih: ") + rt::DToC(now.date()) + blanks(2) + QStringLiteral("Saat: ")
                     + now.time().toString(QStringLiteral("hh:mm:ss")));
  out.addBlankLine();
}

void addAnimalDescription(ReportWriter &out, const QStringList &description)
{
  out.addLine(blanks(5) + QStringLiteral("§ HAYVAN TANIMI: "));
  for (const QString &line : description)
    out.addLine(blanks(10) + line);
  out.addBlankLine();
}

void addDailyCost(ReportWriter &out, const QString &cost, const QString &currency)
{
  out.addLine(blanks(5) + QStringLiteral("§ MALİYET DURUMU: ") + QStringLiteral("Günlük Maliyet") + QStringLiteral(" = ")
              + AllTrim(cost) + QLatin1Char(' ') + currency + QStringLiteral("/HB"));
  out.addBlankLine();
}

void addFeedTableHeading(ReportWriter &out, double animalCount, const QString &asFedRule)
{
  const QString sp(QLatin1Char(' '));
  const QString herd = AllTrim(rt::Str(std::trunc(animalCount), 11, 0)) + QStringLiteral(" Hay/Gün");
  out.addLine(blanks(10) + PadC(QStringLiteral("Yem Maddesi"), 20) + sp + PadC(QStringLiteral("Birim"), 10) + sp
              + PadC(QStringLiteral("Aktüel"), 11) + sp + PadC(QStringLiteral("Toplam"), 11) + sp + PadC(herd, 12));
  out.addLine(blanks(10) + PadC(QStringLiteral("Adı"), 20) + sp + PadC(QStringLiteral("Fiyatı"), 10) + sp
              + PadC(QStringLiteral("KM Girişi"), 11) + sp + PadC(QStringLiteral("KM'de"), 11) + sp
              + PadC(QStringLiteral("Verilecek"), 12));
  out.addLine(blanks(10) + dashes(20) + sp + dashes(10) + sp + QStringLiteral("---Kg/Kg---") + sp
              + QStringLiteral("-----%-----") + sp + asFedRule);
}

void addFeedTableRule(ReportWriter &out)
{
  const QString sp(QLatin1Char(' '));
  out.addLine(blanks(10) + dashes(20) + sp + dashes(10) + sp + dashes(11) + sp + dashes(11) + sp + dashes(12));
}

QString feedTotalLead(const QString &weightUnit)
{
  return blanks(10) + PadR(QStringLiteral("TOPLAM (") + AllTrim(weightUnit) + QLatin1Char(')'), 20)
         + PadL(QStringLiteral("-"), 8) + blanks(4);
}

} // namespace vz::rationreport

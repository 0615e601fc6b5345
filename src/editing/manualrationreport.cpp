#include "manualrationreport.h"
#include "manualration.h"

#include "platform/rtext.h"
#include "problem/filehelpers.h"
#include "problem/numbertext.h"

#include <cmath>

namespace vz {

using rt::AllTrim;
using rt::PadC;
using rt::PadL;
using rt::PadR;
using rt::Str;
using rt::Val;

namespace {

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }
QString dashes(int n) { return QString(n, QLatin1Char('-')); }

} // namespace

QString ManualRationReport::reportFileFor(const QString &problemFile)
{
  return SFILEBASE(problemFile) + QStringLiteral(".TXT");
}

void ManualRationReport::compose(ReportWriter &out, const ManualRation &m, const Header &h)
{
  using C = ManualRation;
  const QString sp(QLatin1Char(' '));
  const QString cost = m.lowerCell(C::RowResults, C::ColPrice);
  const QString totalDry = m.lowerCell(C::RowResults, C::ColKmt);
  const double totalDryValue = Val(totalDry);
  const double herdCount = Val(h.parameters.animalCount);

  out.addCentredLine(QStringLiteral("Tarnik S 1.0"));
  out.addCentredLine(QStringLiteral("OPTİMAL & MANUEL SIĞIR RASYONU HAZIRLAMA PROGRAMI"));
  out.addCentredLine(QStringLiteral("MANUEL ÇÖZÜM RAPORU"));
  out.addCentredLine(QStringLiteral("Tarih: ") + rt::DToC(h.now.date()) + blanks(2) + QStringLiteral("Saat: ")
                     + h.now.time().toString(QStringLiteral("hh:mm:ss")));
  out.addBlankLine();
  // The data file is named as it is on disk.
  out.addLine(blanks(5) + QStringLiteral("§ DOSYA: ") + QStringLiteral("Veri Dosyasi..: ") + h.problemFile);
  out.addLine(blanks(14) + QStringLiteral("Rapor Dosyası.: ") + reportFileFor(h.problemFile));
  out.addBlankLine();
  out.addLine(blanks(5) + QStringLiteral("§ HAYVAN TANIMI: "));
  for (const QString &line : h.animalDescription)
    out.addLine(blanks(10) + line);
  out.addBlankLine();
  out.addLine(blanks(5) + QStringLiteral("§ MALİYET DURUMU: ") + QStringLiteral("Günlük Maliyet") + QStringLiteral(" = ")
              + AllTrim(cost) + sp + h.parameters.currency + QStringLiteral("/HB"));
  out.addBlankLine();
  out.addLine(blanks(5) + QStringLiteral("§ YEM MADDELERİ"));

  // The heading counts whole animals: the count cut to a whole number.
  const QString herd = AllTrim(Str(std::trunc(herdCount), 11, 0)) + QStringLiteral(" Hay/Gün");
  out.addLine(blanks(10) + PadC(QStringLiteral("Yem Maddesi"), 20) + sp + PadC(QStringLiteral("Birim"), 10) + sp
              + PadC(QStringLiteral("Aktüel"), 11) + sp + PadC(QStringLiteral("Toplam"), 11) + sp + PadC(herd, 12));
  out.addLine(blanks(10) + PadC(QStringLiteral("Adı"), 20) + sp + PadC(QStringLiteral("Fiyatı"), 10) + sp
              + PadC(QStringLiteral("KM Girişi"), 11) + sp + PadC(QStringLiteral("KM'de"), 11) + sp
              + PadC(QStringLiteral("Verilecek"), 12));
  out.addLine(blanks(10) + dashes(20) + sp + dashes(10) + sp + QStringLiteral("---Kg/Kg---") + sp
              + QStringLiteral("-----%-----") + sp + QStringLiteral("---Kg/Kg----"));

  double dryListed = 0;
  double herdListed = 0;
  for (int r = 1; r <= m.rowCount(); ++r) {
    const QString amount = m.upperCell(r, C::ColAmount);
    if (amount.trimmed().isEmpty())
      continue;
    const QString dry = m.upperCell(r, C::ColKmt);
    dryListed += Val(dry);
    const double share = totalDryValue == 0 ? 0.0 : MROUND(Val(dry) / totalDryValue * 100.0, 4);
    const double herdAmount = MROUND(Val(amount) * herdCount, 4);
    herdListed += herdAmount;
    out.addLine(blanks(10) + PadR(m.upperCell(r, C::ColName), 20) + sp
                + PadL(AllTrim(m.upperCell(r, C::ColPrice)), 10) + sp + PadR(dry, 11) + sp + Str(share, 11, 4)
                + sp + Str(herdAmount, 11, 4));
  }
  out.addLine(blanks(10) + dashes(20) + sp + dashes(10) + sp + dashes(11) + sp + dashes(11) + sp + dashes(12));
  const double shareListed = totalDryValue == 0 ? 0.0 : MROUND(dryListed / totalDryValue * 100.0, 4);
  out.addLine(blanks(10) + PadR(QStringLiteral("TOPLAM (") + AllTrim(h.parameters.weightUnit) + QLatin1Char(')'), 20)
              + PadL(QStringLiteral("-"), 8) + blanks(4) + PadL(totalDry, 11) + sp + Str(shareListed, 11, 4) + sp
              + Str(MROUND(herdListed, 4), 11, 4));
  out.addBlankLine();

  out.addLine(blanks(5) + QStringLiteral("§ BESİN MADDELERİ:"));
  out.addLine(blanks(7) + PadC(QStringLiteral("Besin Maddesi"), 20) + sp + QStringLiteral("Hesaplanan ") + sp
              + PadC(QStringLiteral("İstenen"), 11));
  out.addLine(blanks(7) + PadC(QStringLiteral("Adı"), 20) + sp + PadC(QStringLiteral("Değer"), 11) + sp
              + PadC(QStringLiteral("Değer"), 11) + sp + PadC(QStringLiteral("Fark"), 11));
  out.addLine(blanks(7) + dashes(20) + sp + dashes(11) + sp + dashes(11) + sp + dashes(11));
  const QList<ManualRation::Field> &fields = m.lowerFields();
  for (int k = C::ColKmt; k <= fields.size(); ++k) {
    out.addLine(blanks(7) + PadR(fields.at(k - 1).caption, 20) + sp + PadL(m.lowerCell(C::RowResults, k), 11) + sp
                + PadL(m.lowerCell(C::RowRequirements, k), 11) + sp + PadL(m.lowerCell(C::RowDifferences, k), 11));
  }
  out.addLine(blanks(7) + dashes(56));
  out.addBlankLine();
  out.addCentredLine(QStringLiteral("<>"));
}

} // namespace vz

#include "manualrationreport.h"
#include "manualration.h"

#include "platform/rtext.h"
#include "problem/filehelpers.h"
#include "problem/numbertext.h"
#include "problem/rationreportparts.h"

#include <cmath>

namespace vz {

using rt::AllTrim;
using rt::PadC;
using rt::PadL;
using rt::PadR;
using rt::Str;
using rt::Val;
using rationreport::blanks;
using rationreport::dashes;

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

  rationreport::addTitle(out, QStringLiteral("Tarnik S 1.0"), QStringLiteral("MANUEL ÇÖZÜM RAPORU"), h.now);
  // The data file is named as it is on disk.
  out.addLine(blanks(5) + QStringLiteral("§ DOSYA: ") + QStringLiteral("Veri Dosyasi..: ") + h.problemFile);
  out.addLine(blanks(14) + QStringLiteral("Rapor Dosyası.: ") + reportFileFor(h.problemFile));
  out.addBlankLine();
  rationreport::addAnimalDescription(out, h.animalDescription);
  rationreport::addDailyCost(out, cost, h.parameters.currency);
  out.addLine(blanks(5) + QStringLiteral("§ YEM MADDELERİ"));

  rationreport::addFeedTableHeading(out, herdCount, QStringLiteral("---Kg/Kg----"));

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
  rationreport::addFeedTableRule(out);
  const double shareListed = totalDryValue == 0 ? 0.0 : MROUND(dryListed / totalDryValue * 100.0, 4);
  out.addLine(rationreport::feedTotalLead(h.parameters.weightUnit) + PadL(totalDry, 11) + sp
              + Str(shareListed, 11, 4) + sp + Str(MROUND(herdListed, 4), 11, 4));
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

#include "optimalreport.h"

#include "simplexsolver.h"
#include "platform/rtext.h"
#include "problem/rationreportparts.h"

#include <QFileInfo>
#include <cmath>

namespace vz {

using rt::PadC;
using rt::PadL;
using rt::PadR;
using rt::Str;
using rationreport::blanks;
using rationreport::dashes;

namespace {

QString noValue()
{
  return PadL(QStringLiteral("-    "), 11);
}

QString shadowText(double y)
{
  if (y <= -SimplexSolver::Tolerance)
    return PadL(QStringLiteral("< 0.0000"), 11);
  if (std::fabs(y) < SimplexSolver::Tolerance)
    return PadL(QStringLiteral("0.0000"), 11);
  return PadL(Str(y, 11, 4), 11);
}

} // namespace

QString OptimalReport::reportFileFor(const QString &problemFile)
{
  const QFileInfo info(problemFile);
  const QString base = info.suffix().isEmpty() ? problemFile : problemFile.left(problemFile.size() - info.suffix().size() - 1);
  return base + QStringLiteral(".TXT");
}

void OptimalReport::compose(ReportWriter &out, const RationModel &model, const OptimalSolution &s, const Header &h)
{
  const QFileInfo info(h.problemFile);
  const QString name = info.completeBaseName();
  const QString extension = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
  const int nF = model.feedCount();

  rationreport::addTitle(out, QStringLiteral("Vesk_Zyr S 2.0"), QStringLiteral("OPTİMAL ÇÖZÜM RAPORU"), h.now);
  out.addLine(blanks(5) + QStringLiteral("§ DOSYA: ") + QStringLiteral("Veri Dosyasi..: ") + name + extension);
  out.addLine(blanks(14) + QStringLiteral("Rapor Dosyası.: ") + name + QStringLiteral(".TXT"));
  out.addLine(blanks(14) + QStringLiteral("Veri/Rapor Dosyası Dizini: ") + info.absolutePath());
  out.addBlankLine();
  rationreport::addAnimalDescription(out, h.animalDescription);

  if (s.found) {
    out.addLine(blanks(5) + QStringLiteral("§ ÇÖZÜM DURUMU: ") + QStringLiteral("Optimum Çözüm Bulundu."));
  } else {
    out.addLine(blanks(5) + QStringLiteral("§ ÇÖZÜM DURUMU: ") + QStringLiteral("Optimum Çözüm Bulunamadı."));
    out.addLine(blanks(7) + QStringLiteral("Sınırlık ve imkanlari kontrol ediniz..."));
  }
  out.addBlankLine();

  rationreport::addDailyCost(out, Str(s.cost, 11, 3), h.parameters.currency);
  out.addLine(blanks(5) + QStringLiteral("§ MEVCUT ÇÖZÜM:"));
  out.addLine(blanks(7) + QStringLiteral("a) Seçilen Yem Maddeleri:"));

  const QString sp(QLatin1Char(' '));
  rationreport::addFeedTableHeading(out, s.animalCount, QStringLiteral("----Kg/Kg----"));
  for (int j = 0; j < nF; ++j) {
    const OptimalSolution::Feed &f = s.feeds[j];
    if (!(f.amount >= SimplexSolver::Tolerance))
      continue;
    out.addLine(blanks(10) + PadR(model.feedNames.at(j), 20) + sp + Str(f.price, 10, 3) + sp
                + PadL(Str(f.amount, 11, 3), 11) + sp + PadL(Str(f.share, 11, 3), 11) + sp + Str(f.asFed, 11, 3));
  }
  rationreport::addFeedTableRule(out);
  out.addLine(rationreport::feedTotalLead(h.parameters.weightUnit) + PadL(Str(s.totalDryMatter, 11, 3), 11) + sp
              + PadL(Str(s.totalShare, 11, 3), 11) + sp + PadL(Str(s.totalAsFed, 11, 3), 11));

  const bool someLeftOut = s.chosenCount < nF;
  if (someLeftOut) {
    out.addBlankLine();
    out.addLine(blanks(7) + QStringLiteral("b) Seçilmeyen Yem Maddeleri:"));
    out.addLine(blanks(10) + PadC(QStringLiteral("Yem Maddesi"), 20) + sp + PadC(QStringLiteral("Birim"), 10));
    out.addLine(blanks(10) + PadC(QStringLiteral("Adı"), 20) + sp + PadC(QStringLiteral("Fiyatı"), 10) + sp
                + PadC(QStringLiteral("GİMFD"), 15) + sp + QStringLiteral("Azami Fiyat"));
    out.addLine(blanks(10) + dashes(20) + sp + dashes(10) + sp + dashes(15) + sp + dashes(11));
    for (int j = 0; j < nF; ++j) {
      const OptimalSolution::Feed &f = s.feeds[j];
      if (f.basic)
        continue;
      QString highest;
      if (f.highestPrice >= SimplexSolver::Tolerance)
        highest = PadL(Str(f.highestPrice, 11, 3), 11);
      else if (f.highestPrice > -SimplexSolver::Tolerance)
        highest = PadL(QStringLiteral("0.000"), 11);
      else
        highest = PadL(QStringLiteral("< 0.000"), 11);
      out.addLine(blanks(10) + PadR(model.feedNames.at(j), 20) + sp + Str(f.price, 10, 3) + sp
                  + PadL(Str(f.marginal, 15, 4), 15) + sp + highest);
    }
  }

  out.addBlankLine();
  out.addLine(blanks(5) + QStringLiteral("§ SINIRLIKLAR:"));
  out.addLine(blanks(7) + PadC(QStringLiteral("Sınırlık"), 20) + sp + PadC(QStringLiteral("Sınırlık"), 8) + sp
              + PadC(QStringLiteral("İstenen"), 11) + sp + QStringLiteral("Hesaplanan ") + sp + PadC(QStringLiteral("Gölge"), 11));
  out.addLine(blanks(7) + PadC(QStringLiteral("Adı"), 20) + sp + PadC(QStringLiteral("Tipi"), 8) + sp
              + PadC(QStringLiteral("Değer"), 11) + sp + PadC(QStringLiteral("Değer"), 11) + sp + PadC(QStringLiteral("Fiyat"), 11));
  out.addLine(blanks(7) + dashes(20) + sp + dashes(8) + sp + dashes(11) + sp + dashes(11) + sp + dashes(11));
  out.addLine(blanks(7) + QStringLiteral("Besin Maddesi:"));

  auto rowLine = [&](int i, int decimals) {
    const RationReportRow &mr = model.rows.at(i);
    const OptimalSolution::Row &row = s.rows[i];
    const QString computed = row.computed ? Str(*row.computed, 11, decimals) : noValue();
    QString requested = noValue();
    QString shadow = noValue();
    if (row.requested) {
      requested = Str(*row.requested, 11, decimals);
      if (row.shadow)
        shadow = shadowText(*row.shadow);
    }
    out.addLine(row.mark + PadR(mr.name, 20) + sp + PadC(mr.type, 8) + sp + PadL(requested, 11) + sp
                + PadL(computed, 11) + sp + shadow);
  };

  int i = 0;
  for (; i < model.nutrientRows; ++i)
    rowLine(i, 4);
  const int ratiosFrom = i;
  while (i < model.rows.size() && model.rows.at(i).kind == RationReportRow::Kind::Ratio)
    ++i;
  if (i > ratiosFrom) {
    out.addRaw(QStringLiteral("\r\n"));
    out.addRaw(blanks(7) + QStringLiteral("Besin Maddesi Oranı:") + QStringLiteral("\r\n"));
    for (int k = ratiosFrom; k < i; ++k)
      rowLine(k, 4);
  }
  if (i < model.rows.size()) {
    out.addBlankLine();
    out.addLine(blanks(7) + QStringLiteral("Yem Maddesi:"));
    for (; i < model.rows.size(); ++i)
      rowLine(i, 3);
  }

  if (someLeftOut) {
    out.addBlankLine();
    out.addLine(blanks(7) + QStringLiteral("KM:Kuru Madde, GİMFD:Giriş İçin Marjinal Fiyat Değişikliği, HB:Hayvan Başına"));
  }
  out.addBlankLine();
  out.addCentredLine(QStringLiteral("<>"));
}

} // namespace vz

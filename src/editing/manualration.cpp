#include "manualration.h"
#include "manualrationreport.h"

#include "platform/rtext.h"
#include "problem/numbertext.h"
#include "problem/reportwriter.h"

#include <cmath>

namespace vz {

using rt::AllTrim;
using rt::PadL;
using rt::Str;
using rt::Val;

namespace {

QString blank11() { return QString(NumberTextWidth, QLatin1Char(' ')); }

bool isBlank(const QString &s) { return s.trimmed().isEmpty(); }

QString numberText(double v) { return PadL(Str(v, 11, 4), 11); }

// Half up on the magnitude: a shortfall rounds as far from zero as the same
// excess would, instead of losing its last digit to a value like -0.19999...
double roundSigned(double v)
{
  return v < 0 ? -MROUND(-v, 4) : MROUND(v, 4);
}

QString cellOf(const QList<QStringList> &t, int row, int col)
{
  if (row < 1 || row > t.size() || col < 1 || col > t.at(row - 1).size())
    return QString();
  return t.at(row - 1).at(col - 1);
}

void setCell(QList<QStringList> &t, int row, int col, const QString &v)
{
  if (row < 1 || row > t.size())
    return;
  QStringList &r = t[row - 1];
  while (r.size() < col)
    r.append(blank11());
  r[col - 1] = v;
}

bool isKmo(const QString &name) { return name == QLatin1String("KMO"); }
bool isKmt(const QString &name) { return name == QLatin1String("KMT"); }

} // namespace

ManualRation::ManualRation(RationProblem &problem) : m_problem(problem)
{
  const int feeds = int(problem.feeds.size());
  const QList<QStringList> &nut = problem.nutrients;

  // Nutrients are taken from the table itself, so a row without a name can
  // never shift the columns of the two tables against each other; "KMO" and
  // "KMT" have columns of their own.
  struct NutrientColumn {
    int matrixRow;
    QString caption;
  };
  QList<NutrientColumn> columns;
  int kmoRow = -1;
  int kmtRow = -1;
  for (int i = 0; i < nut.size(); ++i) {
    const QStringList &r = nut.at(i);
    const QString name = AllTrim(r.value(BmName));
    if (isKmo(name)) {
      if (kmoRow < 0)
        kmoRow = i;
      continue;
    }
    if (isKmt(name)) {
      if (kmtRow < 0)
        kmtRow = i;
      continue;
    }
    const QString unit = AllTrim(r.value(BmUnit));
    columns.append({i, unit.isEmpty() ? name : name + QStringLiteral(", ") + unit});
  }

  m_upperFields = {{QStringLiteral("MATFNAMEYMAD"), 20, QStringLiteral("YM Adı")},
                   {QStringLiteral("MATFNAMEMIKT"), 11, QStringLiteral("YM Miktarı")},
                   {QStringLiteral("MATFNAMEFIYA"), 11, QStringLiteral(" YM Fiyatı ")},
                   {QStringLiteral("MATFNAMEKMO"), 11, QStringLiteral("KMO,%")},
                   {QStringLiteral("MATFNAMEKMT"), 11, QStringLiteral("KMT, Kg/Kg")}};
  m_lowerFields = {{QStringLiteral("MATFNAMEUNS"), 20, QStringLiteral("Sonuç Kalemi")},
                   {QStringLiteral("MATFNAMETOT"), 11, QStringLiteral("Toplam YM, Kg")},
                   {QStringLiteral("MATFNAMETFIA"), 11, QStringLiteral("Rasyon Maliyeti")},
                   {QStringLiteral("MATFNAMEKMO"), 11, QStringLiteral("Rasyon KMO,%")},
                   {QStringLiteral("MATFNAMETKMT"), 11, QStringLiteral("Toplam KMT, Kg")}};
  for (int n = 0; n < columns.size(); ++n) {
    const Field f{QStringLiteral("MATBMNAME") + QString::number(n + 1), 11, columns.at(n).caption};
    m_upperFields.append(f);
    m_lowerFields.append(f);
  }

  if (problem.feedAmounts.isEmpty())
    problem.feedAmounts = QStringList(feeds, blank11());

  auto matrixCell = [&problem](int i, int j) {
    if (i < 0 || i >= problem.matrix.size() || j >= problem.matrix.at(i).size())
      return blank11();
    return problem.matrix.at(i).at(j);
  };

  for (int j = 0; j < feeds; ++j) {
    const QStringList &feed = problem.feeds.at(j);
    QStringList row;
    row.append(feed.value(YmName));
    const QString amount = problem.feedAmounts.value(j);
    row.append(isBlank(amount) ? blank11() : PadL(AllTrim(amount), 11));
    row.append(feed.value(YmPrice, blank11()));
    row.append(kmoRow >= 0 ? matrixCell(kmoRow, j) : blank11());
    row.append(blank11());
    for (const NutrientColumn &c : columns)
      row.append(matrixCell(c.matrixRow, j));
    m_upper.append(row);
  }

  const int width = int(m_lowerFields.size());
  const QString arrow = QStringLiteral("    -->    ");
  QStringList results(width, blank11());
  results[0] = QStringLiteral("Hesap Sonuçları:");
  results[1] = arrow;
  QStringList needs(width, blank11());
  needs[0] = QStringLiteral("BM İhtiyaçları:");
  needs[1] = arrow;
  if (kmoRow >= 0)
    needs[ColKmo - 1] = nut.at(kmoRow).value(BmLower, blank11());
  if (kmtRow >= 0)
    needs[ColKmt - 1] = nut.at(kmtRow).value(BmFixed, blank11());
  for (int n = 0; n < columns.size(); ++n)
    needs[FirstNutrient - 1 + n] = nut.at(columns.at(n).matrixRow).value(BmLower, blank11());
  QStringList differences(width, blank11());
  differences[0] = QStringLiteral("Farklar:");
  differences[1] = QStringLiteral("    -->   ");
  m_lower = {results, needs, differences};
}

QString ManualRation::upperCell(int row, int col) const { return cellOf(m_upper, row, col); }

QString ManualRation::lowerCell(int row, int col) const { return cellOf(m_lower, row, col); }

void ManualRation::put(int row, int col, const QString &value)
{
  setCell(m_upper, row, col, value);
  m_amountsChanged = true;
}

bool ManualRation::ENDEDIT(int row, int col, const QString &typed, QString *refusal)
{
  if (row < 1 || row > rowCount() || col < 1 || col > columnCount() || !isEditable(col))
    return false;
  const int decimals = col <= ColPrice ? 3 : 4;
  const QString why = numberInputRefusal(typed, decimals, m_upperFields.at(col - 1).caption);
  if (!why.isEmpty()) {
    if (refusal)
      *refusal = why;
    return false;
  }
  put(row, col, SDAYA(typed, decimals));
  return true;
}

void ManualRation::compute(QList<QStringList> &upper, QList<QStringList> &lower, int kmoColumn)
{
  int fields = 0;
  for (const QStringList &r : upper)
    fields = qMax(fields, int(r.size()));
  const int lowerFields = lower.isEmpty() ? 0 : int(lower.first().size());
  fields = qMax(fields, lowerFields);

  // The dry matter of each feedstuff first: the totals read back its text,
  // rounded as the grid shows it.
  for (int r = 1; r <= upper.size(); ++r) {
    const double dry = Val(cellOf(upper, r, kmoColumn)) / 100.0 * Val(cellOf(upper, r, ColAmount));
    setCell(upper, r, ColKmt, numberText(dry));
  }

  QList<double> total(fields + 1, 0.0);
  for (int r = 1; r <= upper.size(); ++r) {
    const double amount = Val(cellOf(upper, r, ColAmount));
    const double dry = Val(cellOf(upper, r, ColKmt));
    total[ColAmount] += amount;
    total[ColPrice] += Val(cellOf(upper, r, ColPrice)) * amount;
    total[ColKmt] += dry;
    for (int k = FirstNutrient; k <= fields; ++k)
      total[k] += Val(cellOf(upper, r, k)) * dry;
  }

  if (lower.size() < RowDifferences)
    return;
  for (int k = ColAmount; k <= lowerFields; ++k) {
    if (k != kmoColumn)
      setCell(lower, RowResults, k, numberText(MROUND(total[k], 4)));
  }
  for (int k = ColKmo; k <= lowerFields; ++k) {
    if (k == kmoColumn)
      continue;
    const QString need = cellOf(lower, RowRequirements, k);
    if (isBlank(need))
      continue;
    setCell(lower, RowDifferences, k,
            numberText(roundSigned(Val(cellOf(lower, RowResults, k)) - Val(need))));
  }
  const double amount = Val(cellOf(lower, RowResults, ColAmount));
  const double percent = amount == 0 ? 0.0 : Val(cellOf(lower, RowResults, ColKmt)) / amount * 100.0;
  setCell(lower, RowResults, kmoColumn, numberText(MROUND(percent, 4)));
}

void ManualRation::MAN_HESAP()
{
  compute(m_upper, m_lower, ColKmo);
  if (!m_upper.isEmpty())
    m_amountsChanged = true;  // the dry-matter column was written
  m_computed = true;
}

QStringList ManualRation::amounts() const
{
  QStringList out;
  for (const QStringList &r : m_upper)
    out.append(r.value(ColAmount - 1, blank11()));
  return out;
}

void ManualRation::MYMMIKTARI()
{
  m_problem.feedAmounts = amounts();
  m_problem.changed.feedAmounts = true;
}

bool ManualRation::MAN_RAPORAL(Interaction &ui, const QString &problemFile,
                               const std::function<void(const QString &)> &setCurrentReport,
                               const std::function<QDateTime()> &now)
{
  // Always from the cells as they stand, so no figure is older than the
  // names, prices and amounts printed beside it.
  MAN_HESAP();
  const std::optional<ReportParameters> answer = ui.askReportParameters(m_problem);
  if (!answer)
    return false;
  m_parameters = *answer;

  ManualRationReport::Header header;
  header.problemFile = problemFile;
  header.animalDescription = m_problem.animalDescription;
  header.parameters = m_parameters;
  header.now = now ? now() : QDateTime::currentDateTime();
  if (problemFile.isEmpty()) {
    // Without a problem file there is no folder to write the report into.
    ui.errorMessage(ReportWriter::failureMessage());
    return true;
  }
  ReportWriter out;
  ManualRationReport::compose(out, *this, header);
  out.writeReport(ManualRationReport::reportFileFor(problemFile), ui, setCurrentReport,
                  ReportWriter::failureMessage());
  return true;
}

} // namespace vz

#include "requirementmerge.h"

#include "platform/rtext.h"
#include "problem/interaction.h"
#include "problem/numbertext.h"

namespace vz {

namespace {

QString blankCell()
{
  return QString(NumberTextWidth, QLatin1Char(' '));
}

bool isBlank(const QString &text)
{
  return text.trimmed().isEmpty();
}

// The table row of the nutrient named `name` (whole name, case-sensitive), or
// -1. The table is searched rather than the name list so that a list out of
// step with the table can never send a requirement to the wrong row.
int nutrientRow(const RationProblem &problem, const QString &name)
{
  for (int i = 0; i < problem.nutrients.size(); ++i)
    if (problem.nutrients.at(i).value(BmName).trimmed() == name)
      return i;
  return -1;
}

} // namespace

bool RequirementMerge::mergesByName(const RationProblem &problem)
{
  return problem.nutrients.size() >= 2 && problem.nutrientNames.size() >= 2;
}

int RequirementMerge::rowsWithValues(const RationProblem &problem)
{
  int count = 0;
  for (const QStringList &row : problem.nutrients)
    if (!isBlank(row.value(BmFixed)) || !isBlank(row.value(BmLower)) || !isBlank(row.value(BmUpper)))
      ++count;
  return count;
}

QString RequirementMerge::replaceQuestion()
{
  return QStringLiteral("Yeni sığır Besin Maddesi (BM) ihtiyaç tahmin hesapları yürüttünüz...\n"
                        "Mevcut ihtiyaçlarla ikame edilsin mi?\n"
                        "\n"
                        "NOT: Sadece aynı tip hayvan ve standart BM isimleri için geçerlidir.");
}

QString RequirementMerge::replaceQuestionCaption()
{
  return QStringLiteral("Uyarı");
}

RequirementMerge::Outcome RequirementMerge::merge(RationProblem &problem, const RequirementRows &rows,
                                                  const QStringList &description, Interaction &ui)
{
  // An estimate without rows would empty the nutrient list of a small problem.
  if (rows.isEmpty())
    return Outcome::NothingToMerge;

  if (mergesByName(problem)) {
    if (rowsWithValues(problem) > 0 && !ui.askYesNo(replaceQuestion(), replaceQuestionCaption()))
      return Outcome::Declined;
    mergeByName(problem, rows);
    problem.animalDescription = description;
    problem.changed.params = true;  // the description is saved with the parameters
    problem.changed.nutrientNames = true;
    return Outcome::MergedByName;
  }

  replaceWhole(problem, rows);
  problem.animalDescription = description;
  problem.changed.params = true;
  problem.changed.nutrientNames = true;
  problem.changed.feedNames = true;
  return Outcome::ReplacedWhole;
}

void RequirementMerge::mergeByName(RationProblem &problem, const RequirementRows &rows)
{
  const bool listsInStep = problem.nutrientNames.size() == problem.nutrients.size()
                           && problem.nutrientUnits.size() == problem.nutrients.size();
  for (const RequirementRow &req : rows) {
    const QString name = rt::RTrim(req.name);
    const int at = name.isEmpty() ? -1 : nutrientRow(problem, name);
    if (at < 0)
      continue;
    problem.nutrients[at] = req.toList();
    // The unit may differ from the one the problem had; the list shows what a
    // rebuild (or the next load) would show, without being rebuilt.
    if (listsInStep)
      problem.nutrientUnits[at] = req.unit.trimmed();
  }
}

void RequirementMerge::replaceWhole(RationProblem &problem, const RequirementRows &rows)
{
  // The feedstuffs stay with their prices, limits and manual amounts: each new
  // nutrient gets a matrix row over them, its cells taken over from an old
  // nutrient of the same name, blank otherwise, and "1.0000" for dry matter.
  const qsizetype feeds = problem.feeds.size();
  const QList<QStringList> oldNutrients = problem.nutrients;
  const QList<QStringList> oldMatrix = problem.matrix;

  QList<QStringList> nutrients;
  QList<QStringList> matrix;
  for (const RequirementRow &req : rows) {
    nutrients.append(req.toList());
    const QString name = rt::RTrim(req.name).trimmed();
    QStringList cells;
    for (int i = 0; i < oldNutrients.size(); ++i) {
      if (oldNutrients.at(i).value(BmName).trimmed() == name && i < oldMatrix.size()) {
        cells = oldMatrix.at(i).mid(0, feeds);
        break;
      }
    }
    const QString fill = name == QLatin1String("KMT")
                             ? rt::PadL(QStringLiteral("1.0000"), NumberTextWidth)
                             : blankCell();
    while (cells.size() < feeds)
      cells.append(fill);
    matrix.append(cells);
  }
  problem.nutrients = nutrients;
  problem.matrix = matrix;
  problem.rebuildNutrientLists();
}

} // namespace vz

#include "rationproblem.h"

namespace vz {

void RationProblem::reset()
{
  *this = RationProblem();
}

void RationProblem::rebuildFeedNames()
{
  feedNames.clear();
  for (const QStringList &row : feeds)
    feedNames.append(row.value(YmName).trimmed());
}

void RationProblem::rebuildNutrientLists()
{
  nutrientNames.clear();
  nutrientUnits.clear();
  for (const QStringList &row : nutrients) {
    nutrientNames.append(row.value(BmName).trimmed());
    nutrientUnits.append(row.value(BmUnit).trimmed());
  }
}

QStringList RationProblem::defaultParams()
{
  return {QStringLiteral("G"), QStringLiteral("1.000"), QStringLiteral("TL"), QStringLiteral("Kg")};
}

} // namespace vz

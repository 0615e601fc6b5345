#include "rationproblem.h"

#include "platform/cp1254.h"

namespace vz {

RationProblem::~RationProblem()
{
  // An opened problem's thousands of texts mostly share one block (see
  // ProblemFile::AKTPRODIZOLUSTUR): let go of them as one.
  cp1254::TextRelease release;
  release.add(feeds);
  release.add(feedNames);
  release.add(feedAmounts);
  release.add(nutrients);
  release.add(nutrientNames);
  release.add(nutrientUnits);
  release.add(ratios);
  release.add(matrix);
}

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

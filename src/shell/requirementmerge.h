#pragma once
// Hands a completed requirement estimate (rows mode) to the open ration
// problem. With two or more nutrients the estimate's rows replace the nutrient
// rows of the same name (a whole-name, case-sensitive match) after a question
// when any nutrient already holds a value or limit; rows that meet no nutrient
// are dropped, since a requirement without composition data would only make
// the ration infeasible. With fewer nutrients the estimate becomes the whole
// nutrient list; the feedstuffs stay, their cells in the new rows blank
// ("1.0000" in the dry-matter row "KMT"). Either way the animal description is
// stored and the parameters-changed and nutrient-names-changed flags raised
// (the whole replacement also feed-names-changed); the matrix-changed flag,
// the ratios, the parameters and the manual amounts are never touched.
#include "problem/rationproblem.h"
#include "requirements/requirementrow.h"

#include <QString>
#include <QStringList>

namespace vz {

class Interaction;

class RequirementMerge {
public:
  enum class Outcome {
    Declined,       // "Hayır" to the replace question: the problem is unchanged
    NothingToMerge, // the estimate holds no row: the problem is unchanged
    MergedByName,   // rows replaced by name (possibly none), description stored
    ReplacedWhole,  // the nutrient list replaced, description stored
  };

  // Merges `rows` and `description` into `problem`, asking the replace
  // question through `ui` when it must. Never fails; the problem is changed
  // only on MergedByName and ReplacedWhole.
  static Outcome merge(RationProblem &problem, const RequirementRows &rows,
                       const QStringList &description, Interaction &ui);

  // True when the merge goes by name (two rows and two names at least).
  static bool mergesByName(const RationProblem &problem);
  // Nutrient rows whose fixed value, lower or upper limit is not blank.
  static int rowsWithValues(const RationProblem &problem);

  static QString replaceQuestion();        // the four lines joined by LF
  static QString replaceQuestionCaption(); // "Uyarı"

private:
  static void mergeByName(RationProblem &problem, const RequirementRows &rows);
  static void replaceWhole(RationProblem &problem, const RequirementRows &rows);
};

} // namespace vz

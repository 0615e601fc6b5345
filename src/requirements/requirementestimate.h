#pragma once
// What a requirement model leaves for its caller once its constructor has
// returned (the whole estimate runs inside the construction). Both models,
// dairy (NUTREQESTIMATE) and beef (NR_BEEF_CATLE), derive from this and
// declare nothing else that a caller reads.
//
// Rows mode (mode == 1): on success LDDEG is true and ABMREQM / AANIDESC hold
// the requirement rows and the animal description lines for the shell to merge
// into the open problem. Any other mode (report mode): the requirement report
// "KWIB_SBIH.TXT" is written and becomes the current report file; LDDEG stays
// false. A cancel or an unusable input leaves LDDEG false and both lists empty;
// a caller tests LDDEG before it touches them.
#include "requirementrow.h"

#include <QStringList>

namespace vz {

class RequirementEstimate {
public:
  bool LDDEG = false;
  RequirementRows ABMREQM;  // requirement rows (rows mode only)
  QStringList AANIDESC;     // animal description lines (rows mode only)

  // Only the integer 1 asks for rows; every other mode (0, 2, none) for the report.
  static constexpr bool isRowsMode(int mode) { return mode == 1; }
  static constexpr int ReportMode = 0;  // the mode of a caller that gives none
};

} // namespace vz

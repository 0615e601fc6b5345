#pragma once
// What the main window's beef commands run: "rows for the problem"
// (NRESTOFBC1, mode 1) and "report" (NRESTOFBC2, mode 2; any mode but 1 is
// report mode). The please-wait box is shown and closed again before the
// first dialog, the model runs its dialogs over `owner`, and the caller gets
// what the model leaves: with LDDEG true the rows and description lines to
// merge; in report mode LDDEG is false and the report is the current report
// file. Never fails towards the caller; a cancel gives LDDEG false.
#include "requirements/requirementestimate.h"

class QWidget;

namespace vz {
class Interaction;
}

namespace vz::beef {

RequirementEstimate runBeefEstimate(QWidget *owner, Interaction &ui, int mode);

} // namespace vz::beef

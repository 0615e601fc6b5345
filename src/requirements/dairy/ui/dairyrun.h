#pragma once
// The dairy estimate as the main window's commands run it: its dialogs over
// `owner`, messages through `interaction`, the system clock. mode 1 gives rows
// (read LDDEG, then ABMREQM and AANIDESC); any other mode writes the report and
// makes it the current report file. Never fails towards the caller.
#include "requirements/requirementestimate.h"

class QWidget;

namespace vz {

class Interaction;

RequirementEstimate runDairyEstimate(QWidget *owner, Interaction &interaction, int mode);

} // namespace vz

#include "dairyrun.h"

#include "dairydialogs.h"
#include "requirements/dairy/nutreqestimate.h"

namespace vz {

RequirementEstimate runDairyEstimate(QWidget *owner, Interaction &interaction, int mode)
{
  DairyDialogs dialogs(owner);
  const ReportClock clock;
  const NUTREQESTIMATE model({interaction, clock}, dialogs, mode);
  return model;  // the three exported fields
}

} // namespace vz

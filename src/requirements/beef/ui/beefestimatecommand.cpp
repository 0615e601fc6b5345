#include "beefestimatecommand.h"

#include "qtbeefinputprovider.h"
#include "requirements/beef/nr_beef_catle.h"
#include "requirements/reportclock.h"

#include "problem/interaction.h"

namespace vz::beef {

RequirementEstimate runBeefEstimate(QWidget *owner, Interaction &ui, int mode)
{
  {
    PleaseWait wait(ui);  // no box may stay up while the dialogs are shown
  }
  const ReportClock clock;
  QtBeefInputProvider dialogs(owner);
  const NR_BEEF_CATLE model({ui, clock}, dialogs, mode);
  return model;
}

} // namespace vz::beef

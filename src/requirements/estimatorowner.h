#pragma once
// What a requirement model reaches of the world outside its numbers: the
// person at the screen (messages) and the clock for the report header. Its
// dialogs come through an input provider of the model's own (dairy:
// DairyInputProvider), which the window layer implements over the owner window
// and tests script. Both references must outlive the model's construction.
#include "problem/interaction.h"
#include "reportclock.h"

namespace vz {

struct EstimatorOwner {
  Interaction &interaction;
  const ReportClock &clock;
};

} // namespace vz

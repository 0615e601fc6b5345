#pragma once
// The main window's four requirement estimate commands: the dairy model
// (NUTREQESTIMATE) and the beef model (NR_BEEF_CATLE), each run for rows that
// are merged into the open problem (NRESTOFDC1, NRESTOFBC1) or for the
// requirement report (NRESTOFDC2, NRESTOFBC2). The estimate itself runs inside
// the estimator's construction; the window layer hands it in as a factory so
// that these commands know no dialog.
#include "requirementmerge.h"
#include "requirements/requirementestimate.h"

#include <functional>

namespace vz {

class AppSession;
class Interaction;
class ReportClock;
class DairyInputProvider;
namespace beef {
class BeefInputProvider;
}

class RequirementCommands {
public:
  static constexpr int RowsMode = 1;
  static constexpr int ReportMode = 2;

  // Runs one estimate in the given mode and returns what it left (LDDEG,
  // ABMREQM, AANIDESC); must not fail towards the caller.
  using EstimatorFactory = std::function<RequirementEstimate(int mode)>;

  struct Hooks {
    // Closes the entry and manual ration windows with their copy-back, so no
    // window writes stale requirements over merged ones; false when one of
    // them stayed open. Optional.
    std::function<bool()> closeProblemWindows;
    // MI_ENADISABLE on the main window. Optional.
    std::function<void()> problemChanged;
  };

  enum class RowsOutcome {
    NoProblem,          // no problem open: nothing was run
    NotCompleted,       // the estimate was cancelled or incomplete (LDDEG false)
    WindowsStayedOpen,  // a problem window refused to close: nothing merged
    Declined,           // "Hayır" to the replace question
    NothingToMerge,     // the estimate brought no row
    MergedByName,
    ReplacedWhole,
  };

  // NRESTOFDC1 / NRESTOFBC1: the please-wait box shown and closed, the
  // estimate in rows mode, then the merge into the session's problem and
  // problemChanged. Never fails; the problem changes only on MergedByName and
  // ReplacedWhole, and problemChanged runs only then.
  static RowsOutcome estimateRows(AppSession &session, Interaction &ui,
                                  const EstimatorFactory &estimate, const Hooks &hooks);

  // NRESTOFDC2 / NRESTOFBC2: the please-wait box shown and closed, the
  // estimate in report mode (the estimator writes the report, makes it the
  // current report file and reports its own failure). Never fails; touches
  // neither the problem nor the menu state.
  static void estimateReport(Interaction &ui, const EstimatorFactory &estimate);

  // Factories over the two models with the given dialogs and clock; all three
  // references must outlive the factory's calls.
  static EstimatorFactory dairyEstimator(Interaction &ui, DairyInputProvider &dialogs, const ReportClock &clock);
  static EstimatorFactory beefEstimator(Interaction &ui, beef::BeefInputProvider &dialogs, const ReportClock &clock);

  // Shown when the merge is given up because a window stayed open.
  static QString windowsStayedOpenText();
};

} // namespace vz

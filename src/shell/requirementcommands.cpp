#include "requirementcommands.h"

#include "problem/appsession.h"
#include "problem/interaction.h"
#include "requirements/beef/nr_beef_catle.h"
#include "requirements/dairy/nutreqestimate.h"
#include "requirements/estimatorowner.h"

namespace vz {

namespace {

// The box is only a sign that something starts: the estimator's first dialog
// follows at once and must not open under it.
RequirementEstimate runEstimate(Interaction &ui, const RequirementCommands::EstimatorFactory &estimate,
                                int mode)
{
  PleaseWait wait(ui);
  wait.close();
  if (!estimate)
    return RequirementEstimate();
  return estimate(mode);
}

} // namespace

RequirementCommands::RowsOutcome RequirementCommands::estimateRows(AppSession &session, Interaction &ui,
                                                                   const EstimatorFactory &estimate,
                                                                   const Hooks &hooks)
{
  if (!session.isProblemOpen())
    return RowsOutcome::NoProblem;

  const RequirementEstimate result = runEstimate(ui, estimate, RowsMode);
  if (!result.LDDEG)
    return RowsOutcome::NotCompleted;

  // A window's copy-back must land before the merge, not over it.
  if (hooks.closeProblemWindows && !hooks.closeProblemWindows()) {
    ui.warning(windowsStayedOpenText());
    return RowsOutcome::WindowsStayedOpen;
  }
  if (!session.isProblemOpen())
    return RowsOutcome::NoProblem;

  // Value copies: nothing of the estimator is shared with the problem.
  const RequirementRows rows = result.ABMREQM;
  const QStringList description = result.AANIDESC;
  switch (RequirementMerge::merge(session.problem(), rows, description, ui)) {
  case RequirementMerge::Outcome::Declined:
    return RowsOutcome::Declined;
  case RequirementMerge::Outcome::NothingToMerge:
    return RowsOutcome::NothingToMerge;
  case RequirementMerge::Outcome::MergedByName:
    if (hooks.problemChanged)
      hooks.problemChanged();
    return RowsOutcome::MergedByName;
  case RequirementMerge::Outcome::ReplacedWhole:
    if (hooks.problemChanged)
      hooks.problemChanged();
    return RowsOutcome::ReplacedWhole;
  }
  return RowsOutcome::NothingToMerge;
}

void RequirementCommands::estimateReport(Interaction &ui, const EstimatorFactory &estimate)
{
  runEstimate(ui, estimate, ReportMode);
}

RequirementCommands::EstimatorFactory RequirementCommands::dairyEstimator(Interaction &ui, DairyInputProvider &dialogs,
                                                                 const ReportClock &clock)
{
  return [&ui, &dialogs, &clock](int mode) {
    const NUTREQESTIMATE model(EstimatorOwner{ui, clock}, dialogs, mode);
    return RequirementEstimate(model);
  };
}

RequirementCommands::EstimatorFactory RequirementCommands::beefEstimator(Interaction &ui, beef::BeefInputProvider &dialogs,
                                                                const ReportClock &clock)
{
  return [&ui, &dialogs, &clock](int mode) {
    const beef::NR_BEEF_CATLE model(EstimatorOwner{ui, clock}, dialogs, mode);
    return RequirementEstimate(model);
  };
}

QString RequirementCommands::windowsStayedOpenText()
{
  return QStringLiteral("Açık pencereler kapatılamadığı için tahmin edilen ihtiyaçlar probleme aktarılmadı.");
}

} // namespace vz

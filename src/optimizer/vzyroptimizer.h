#pragma once
// VZYR_OPTIMIZER: the least-cost ration of the open problem and its optimal
// solution report. The whole run happens in the constructor, as the
// "&Optimal" command expects: read the problem, check prices and limits,
// build and solve the programme, ask the report parameters, write
// "<problem>.TXT" beside the problem file and make it the current report
// file. The caller opens the please-wait box before and sends DESTROY_OLDS
// after; every message goes through the Interaction.
//
// The optimiser only reads the ration problem; the report parameter dialog
// it calls may update the problem's parameters and parameters-changed flag.
#include "optimalsolution.h"
#include "rationmodel.h"
#include "simplexsolver.h"
#include "problem/interaction.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

namespace vz {

class RationProblem;

class VZYR_OPTIMIZER {
public:
  enum class Outcome {
    NoPricedFeed,   // message shown, no report
    NoFeedLeft,     // every priced feedstuff lacks dry matter; message shown, no report
    NoLimits,       // message shown, no report
    Cancelled,      // the report parameter dialog was cancelled; nothing written
    ReportWritten,  // also when no optimum was found: the report says so
    WriteFailed,    // message shown, current report file unchanged
  };

  using CurrentReportSetter = std::function<void(const QString &)>;
  using Clock = std::function<QDateTime()>;

  // Runs the whole optimisation. `problemFile` is the full path of the open
  // problem file (the report goes to it with ".TXT"); `setCurrentReportFile`
  // receives the report's path once it is written; `clock` (when given)
  // stamps the report instead of the system time. Reports nothing to its
  // caller beyond outcome(); never throws.
  VZYR_OPTIMIZER(RationProblem &problem, const QString &problemFile, Interaction &ui,
                 CurrentReportSetter setCurrentReportFile, Clock clock = {});

  // Releases the working lists; call once after construction.
  void DESTROY_OLDS();

  Outcome outcome() const { return m_outcome; }
  QString reportFile() const { return m_reportFile; }  // empty unless written

  // The run's working state, for tests; empty after DESTROY_OLDS.
  const RationModel *model() const { return m_model.get(); }
  const SimplexSolver *solver() const { return m_solver.get(); }
  const OptimalSolution *solution() const { return m_solution.get(); }

private:
  void run();
  bool PARMGIR(ReportParameters &parameters);
  void SONUCDOSYA();

  RationProblem &m_problem;
  QString m_problemFile;
  Interaction &m_ui;
  CurrentReportSetter m_setCurrentReport;
  Clock m_clock;
  Outcome m_outcome = Outcome::NoPricedFeed;
  QString m_reportFile;
  std::unique_ptr<RationModel> m_model;
  std::unique_ptr<SimplexSolver> m_solver;
  std::unique_ptr<OptimalSolution> m_solution;
};

} // namespace vz

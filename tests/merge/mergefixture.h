#pragma once
// Shared pieces of the merge and active-matrix tests: number text, small
// problems, an open problem file in a scratch folder, and a stand-in
// estimator that records how it was run.
#include "problem/appsession.h"
#include "problem/problemfile.h"
#include "problem/rationproblem.h"
#include "requirements/requirementestimate.h"
#include "scriptedinteraction.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace vz::test {

inline QString cell(double v, int decimals = 4)
{
  return QString::number(v, 'f', decimals).rightJustified(11);
}

inline QString blank()
{
  return QString(11, QLatin1Char(' '));
}

inline QStringList bm(const QString &name, const QString &unit, const QString &fixed = blank(),
                      const QString &lower = blank(), const QString &upper = blank())
{
  return {name.leftJustified(15), unit.rightJustified(11), fixed, lower, upper};
}

inline RequirementRow req(const QString &name, const QString &unit, const QString &fixed,
                          const QString &lower)
{
  return {name.leftJustified(15), unit.rightJustified(11), fixed, lower, blank()};
}

inline QStringList ym(const QString &name, double price)
{
  return {name.leftJustified(15), cell(price, 3), blank(), cell(0.5, 3), blank()};
}

// The problem's own lists rebuilt from its tables, flags lowered.
inline RationProblem settled(RationProblem p)
{
  p.rebuildFeedNames();
  p.rebuildNutrientLists();
  p.params = RationProblem::defaultParams();
  p.changed.clear();
  return p;
}

// A problem file created in `dir`, opened and made the session's problem,
// holding `problem` (saved once, flags lowered).
class OpenProblem {
public:
  OpenProblem(const QTemporaryDir &dir, const QString &fileName, RationProblem problem)
  {
    m_path = dir.filePath(fileName);
    close();
    ProblemFile::createNew(m_path);
    auto *file = new ProblemFile;
    m_ok = file->open(m_path);
    AppSession &s = AppSession::instance();
    s.setProblemFile(file);
    problem.changed.params = problem.changed.feedNames = problem.changed.nutrientNames = true;
    problem.changed.matrix = problem.changed.ratios = true;
    problem.changed.feedAmounts = !problem.feedAmounts.isEmpty();
    m_ok = m_ok && file->PROBDBFUPDATE(problem);
    s.problem() = problem;
  }
  ~OpenProblem() { close(); }
  bool ok() const { return m_ok; }
  QString path() const { return m_path; }

  static void close()
  {
    AppSession &s = AppSession::instance();
    if (ProblemFile *f = s.problemFile()) {
      f->close();
      s.setProblemFile(nullptr);
      delete f;
    }
    s.problem().reset();
    s.setCurrentReportFile(QString());
  }

private:
  QString m_path;
  bool m_ok = false;
};

// Reads a problem file as a fresh open would.
inline RationProblem reload(const QString &path)
{
  ProblemFile f;
  RationProblem p;
  if (f.open(path))
    f.AKTPRODIZOLUSTUR(p);
  return p;
}

// Stands in for a requirement model: answers with a prepared estimate and
// records the mode and whether the please-wait box was still open.
struct FakeEstimator {
  RequirementEstimate answer;
  QList<int> modes;
  QStringList eventsAtStart;  // the interaction's events when the model started
  bool boxOpenAtStart = false;

  auto factory(ScriptedInteraction &ui)
  {
    return [this, &ui](int mode) {
      modes.append(mode);
      eventsAtStart = ui.events;
      boxOpenAtStart = ui.pleaseWaitOpen != 0;
      RequirementEstimate e;
      if (RequirementEstimate::isRowsMode(mode))
        e = answer;
      return e;
    };
  }
};

} // namespace vz::test

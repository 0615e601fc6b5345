#include "matrixupkeep.h"
#include "problem/numbertext.h"

namespace vz {

namespace {
QString emptyCell() { return QString(NumberTextWidth, QLatin1Char(' ')); }

QStringList emptyCells(qsizetype count)
{
  QStringList cells;
  cells.reserve(count);
  for (qsizetype i = 0; i < count; ++i)
    cells.append(emptyCell());
  return cells;
}
} // namespace

void ADDMATROW(RationProblem &problem, int n)
{
  QList<QStringList> &m = problem.matrix;
  if (m.isEmpty())
    m.append(emptyCells(problem.feedNames.size()));
  else if (n > m.size())
    m.append(emptyCells(m.first().size()));
  problem.changed.matrix = true;
}

void ADDMATCOL(RationProblem &problem, int n)
{
  QList<QStringList> &m = problem.matrix;
  if (m.isEmpty()) {
    const qsizetype rows = qMax<qsizetype>(1, problem.nutrientNames.size());
    for (qsizetype i = 0; i < rows; ++i)
      m.append(QStringList());
  }
  if (n > m.first().size()) {
    for (QStringList &row : m)
      row.append(emptyCell());
  }
  problem.changed.matrix = true;
}

void DELMATROW(RationProblem &problem, int n)
{
  QList<QStringList> &m = problem.matrix;
  if (m.isEmpty() || n < 1 || n > m.size())
    return;
  m.removeAt(n - 1);
  problem.changed.matrix = true;
}

void DELMATCOL(RationProblem &problem, int n)
{
  QList<QStringList> &m = problem.matrix;
  if (m.isEmpty() || n < 1 || n > m.first().size())
    return;
  for (QStringList &row : m) {
    if (n <= row.size())
      row.removeAt(n - 1);
  }
  problem.changed.matrix = true;
}

bool fitMatrixToTables(RationProblem &problem)
{
  QList<QStringList> &m = problem.matrix;
  const qsizetype feeds = problem.feeds.size();
  const qsizetype nutrients = problem.nutrients.size();
  bool changed = false;
  if (nutrients > 0 || feeds == 0) {
    if (nutrients == 0 && !m.isEmpty()) {
      m.clear();
      changed = true;
    }
    while (m.size() > nutrients) {
      m.removeLast();
      changed = true;
    }
    while (m.size() < nutrients) {
      m.append(emptyCells(feeds));
      changed = true;
    }
  } else if (m.size() > 1) {
    // Feedstuffs without nutrients: a single row carries their cells.
    m.resize(1);
    changed = true;
  }
  for (QStringList &row : m) {
    while (row.size() > feeds) {
      row.removeLast();
      changed = true;
    }
    while (row.size() < feeds) {
      row.append(emptyCell());
      changed = true;
    }
  }
  if (changed)
    problem.changed.matrix = true;
  return changed;
}

} // namespace vz

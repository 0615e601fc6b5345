#pragma once
// The pivot paths the solver took before its tools for degenerate corners
// were reworked (tests/data/optimizer/pivotpaths.txt says how they were
// made). A solve that never stalls must still take its recorded path, pivot
// for pivot, to the same verdict and cost: those tools may change only what
// happens after a stall.
#include "optimizer/simplexsolver.h"

#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace vz::test {

struct RecordedPath {
  int status = 0;
  int pivots = 0;
  int longestDegenerateRun = 0;
  bool stalled = false;
  quint64 hash = 0;
  double cost = 0.0;

  // Whether the solve never stalled, by the rule of its time and by today's
  // limit (`stallLimit` as given to the solver; 0 is Bland's rule from the
  // first degenerate pivot on, which knows no stall).
  bool ordinary(int stallLimit) const
  {
    if (stallLimit == 0)
      return true;
    const int limit = stallLimit < 0 ? SimplexSolver::DefaultStallLimit : stallLimit;
    return !stalled && longestDegenerateRun <= limit;
  }

  // Empty when `solver` took this path; otherwise how it differs.
  QString differenceFrom(const SimplexSolver &solver) const
  {
    if (int(solver.status()) != status || solver.iterations() != pivots || solver.pivotPathHash() != hash)
      return QStringLiteral("status %1, %2 pivots, path %3; recorded status %4, %5 pivots, path %6")
          .arg(int(solver.status()))
          .arg(solver.iterations())
          .arg(solver.pivotPathHash(), 16, 16, QLatin1Char('0'))
          .arg(status)
          .arg(pivots)
          .arg(hash, 16, 16, QLatin1Char('0'));
    if (std::fabs(solver.objective() - cost) > 1e-9 * std::max(1.0, std::fabs(cost)))
      return QStringLiteral("cost %1, recorded %2").arg(solver.objective(), 0, 'g', 17).arg(cost, 0, 'g', 17);
    return {};
  }
};

// The table, keyed by "family problem"; empty when the file cannot be read.
inline const QHash<QString, RecordedPath> &recordedPaths()
{
  static const QHash<QString, RecordedPath> table = [] {
    QHash<QString, RecordedPath> out;
    QFile f(qEnvironmentVariable("VZ_TEST_DATA") + QStringLiteral("/optimizer/pivotpaths.txt"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
      return out;
    while (!f.atEnd()) {
      const QString line = QString::fromLatin1(f.readLine()).trimmed();
      if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
        continue;
      const QStringList v = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
      if (v.size() != 8)
        continue;
      RecordedPath p;
      p.status = v[2].toInt();
      p.pivots = v[3].toInt();
      p.longestDegenerateRun = v[4].toInt();
      p.stalled = v[5] == QLatin1String("1");
      p.hash = v[6].toULongLong(nullptr, 16);
      p.cost = v[7].toDouble();
      out.insert(v[0] + QLatin1Char(' ') + v[1], p);
    }
    return out;
  }();
  return table;
}

inline const RecordedPath *recordedPath(const QString &family, const QString &problem)
{
  const auto &table = recordedPaths();
  const auto it = table.constFind(family + QLatin1Char(' ') + problem);
  return it == table.constEnd() ? nullptr : &*it;
}

} // namespace vz::test

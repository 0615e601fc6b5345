// Random ration problems of realistic shape, solved by us and by GLPK: the
// same verdict, the same least cost (within the rounding of the printed
// amounts), our amounts meet every limit of the problem, and our shadow
// prices are the duals of the limits.
#include "glpkreference.h"
#include "pivotpaths.h"
#include "optimizer/optimalsolution.h"
#include "optimizer/rationmodel.h"
#include "optimizer/simplexsolver.h"
#include "rationfixture.h"

#include <QtTest>

using namespace vz;
using namespace vz::test;

namespace {

double numberIn(const QStringList &row, int c, bool *present)
{
  *present = c < row.size() && !rt::AllTrim(row.at(c)).isEmpty();
  return *present ? rt::Val(row.at(c)) : 0.0;
}

// Every violated limit of the problem by the amounts x (per feedstuff-table
// row), as readable text; empty when all hold. Limits of feedstuffs that take
// no part (no price) do not count.
QStringList violations(const RationProblem &p, const std::vector<double> &x, const std::vector<int> &taking)
{
  QStringList out;
  auto check = [&out](const QString &what, double value, const QStringList &row, int fixedCol) {
    bool hasFixed, hasLower, hasUpper;
    const double fixed = numberIn(row, fixedCol, &hasFixed);
    const double lower = numberIn(row, fixedCol + 1, &hasLower);
    const double upper = numberIn(row, fixedCol + 2, &hasUpper);
    auto tol = [value](double limit) { return 1e-6 * std::max({1.0, std::fabs(limit), std::fabs(value)}); };
    if (hasFixed) {
      if (std::fabs(value - fixed) > tol(fixed))
        out << QStringLiteral("%1 = %2, fixed %3").arg(what).arg(value).arg(fixed);
      return;
    }
    if (hasLower && value < lower - tol(lower))
      out << QStringLiteral("%1 = %2, lower %3").arg(what).arg(value).arg(lower);
    if (hasUpper && value > upper + tol(upper))
      out << QStringLiteral("%1 = %2, upper %3").arg(what).arg(value).arg(upper);
  };
  auto activity = [&](int i) {
    double sum = 0.0;
    for (int j = 0; j < p.feeds.size(); ++j)
      sum += rt::Val(p.matrix.at(i).value(j)) * x[j];
    return sum;
  };
  for (int j : taking)
    check(rt::AllTrim(p.feeds.at(j).at(YmName)), x[j], p.feeds.at(j), YmFixed);
  for (int i = 0; i < p.nutrients.size(); ++i)
    check(rt::AllTrim(p.nutrients.at(i).at(BmName)), activity(i), p.nutrients.at(i), BmFixed);
  for (const QStringList &r : p.ratios) {
    const int a = int(p.nutrientNames.indexOf(rt::AllTrim(r.at(BmoNameA))));
    const int b = int(p.nutrientNames.indexOf(rt::AllTrim(r.at(BmoNameB))));
    if (a < 0 || b < 0)
      continue;
    // Compared in the linear form the limit stands for: A - r*B against 0.
    const double va = activity(a), vb = activity(b);
    for (int k = BmoFixed; k <= BmoUpper; ++k) {
      bool present;
      const double r0 = numberIn(r, k, &present);
      if (!present)
        continue;
      const double form = va - r0 * vb;
      const double tol = 1e-6 * std::max({1.0, std::fabs(va), std::fabs(r0 * vb)});
      const bool bad = k == BmoFixed ? std::fabs(form) > tol : k == BmoLower ? form < -tol : form > tol;
      if (bad)
        out << QStringLiteral("%1/%2 ratio %3 (limit %4)").arg(rt::AllTrim(r.at(BmoNameA)), rt::AllTrim(r.at(BmoNameB))).arg(vb != 0.0 ? va / vb : 0.0).arg(r0);
      if (k == BmoFixed)
        break;
    }
  }
  return out;
}

// Empty when every basic column of the solver's end state reads back as the
// unit column of its row, with its row's basic cost as its z: the state the
// report reads, whichever way the solve ended (an infeasible end is reported
// on the tableau as it stood before phase one).
QString basisReadsBack(const SimplexSolver &s)
{
  for (int r = 0; r < s.rows(); ++r) {
    const int c = s.basicColumn(r);
    for (int i = 0; i < s.rows(); ++i)
      if (s.entry(i, c) != (i == r ? 1.0 : 0.0))
        return QStringLiteral("basic column %1 of row %2 reads %3 in row %4").arg(c).arg(r).arg(s.entry(i, c)).arg(i);
    if (s.z(c) != s.basicCost(r))
      return QStringLiteral("basic column %1 of row %2 has z %3, its cost %4").arg(c).arg(r).arg(s.z(c)).arg(s.basicCost(r));
  }
  return {};
}

} // namespace

// The shadow prices are the duals: they have the signs of their limits,
// price no feedstuff above its cost, and value the limits at the cost.
// Empty when they do; otherwise the first that does not.
QString dualsHold(const RationModel &model, const SimplexSolver &solver)
{
  const std::vector<int> basis = model.initialBasis();
  double dualValue = 0.0;
  for (std::size_t k = 0; k < model.constraints.size(); ++k) {
    const ConstraintRow &c = model.constraints[k];
    const double y = solver.z(basis[k]);
    dualValue += y * c.limit;
    const double tol = 1e-7 * std::max(1.0, std::fabs(y));
    if (c.kind == LimitKind::Lower && y < -tol)
      return QStringLiteral("lower row %1 priced %2").arg(k).arg(y);
    if (c.kind == LimitKind::Upper && y > tol)
      return QStringLiteral("upper row %1 priced %2").arg(k).arg(y);
  }
  for (int j = 0; j < model.feedCount(); ++j) {
    double priced = 0.0;
    for (std::size_t k = 0; k < model.constraints.size(); ++k)
      priced += solver.z(basis[k]) * model.constraints[k].coefficients[j];
    if (model.costs[j] - priced < -1e-6 * std::max(1.0, model.costs[j]))
      return QStringLiteral("feed %1 costs %2, priced %3").arg(j).arg(model.costs[j]).arg(priced);
  }
  if (std::fabs(dualValue - solver.objective()) > 1e-6 * std::max(1.0, std::fabs(solver.objective())))
    return QStringLiteral("limits valued %1, cost %2").arg(dualValue).arg(solver.objective());
  return {};
}

class TestOptimizerGlpk : public QObject {
  Q_OBJECT
private slots:
  void agreesWithGlpk_data();
  void agreesWithGlpk();
  void degenerateAgreesWithGlpk_data();
  void degenerateAgreesWithGlpk();
};

void TestOptimizerGlpk::agreesWithGlpk_data()
{
  QTest::addColumn<int>("stallLimit");
  QTest::addColumn<int>("problems");
  QTest::addColumn<QString>("paths");  // the family in the recorded pivot paths
  // Each problem drawn from a generator of its own seeded so, instead of all
  // from one.
  QTest::addColumn<QList<int>>("ownSeeds");
  QTest::newRow("as shipped") << -1 << 360 << QStringLiteral("random") << QList<int>();
  // The anti-cycling rule must find the same optima when it does the work
  // (from the first degenerate pivot on).
  QTest::newRow("Bland's rule throughout") << 0 << 120 << QStringLiteral("random-bland") << QList<int>();
  // Solves that never stalled and ended on a basic level far below zero,
  // which the ratio test had left there passing over an entry below the
  // tolerance: an upper limit of 0.0001 met at 0.00092, a lower one of 0 at
  // -0.00033, reported as the optimum. No path is recorded for them.
  QTest::newRow("once ending with a limit broken") << -1 << 2 << QString() << QList<int>{2761, 4173};
}

void TestOptimizerGlpk::agreesWithGlpk()
{
  QFETCH(int, stallLimit);
  QFETCH(int, problems);
  QFETCH(QString, paths);
  QFETCH(QList<int>, ownSeeds);
  std::mt19937 stream(20261210u);
  int feasible = 0, infeasible = 0, phaseOne = 0, bland = 0, onPath = 0;
  for (int k = 0; k < problems; ++k) {
    std::mt19937 own(ownSeeds.isEmpty() ? 0u : std::uint32_t(ownSeeds.value(k)));
    std::mt19937 &rng = ownSeeds.isEmpty() ? stream : own;
    RandomShape shape;
    shape.feeds = 2 + int(rng() % 84);
    shape.nutrients = 2 + int(rng() % 44);
    shape.ratios = int(rng() % 5);
    shape.infeasible = rng() % 4 == 0;
    shape.degenerate = rng() % 10 == 0;
    const RationProblem p = randomProblem(rng, shape);
    const QString where = (ownSeeds.isEmpty() ? QStringLiteral("problem %1").arg(k) : QStringLiteral("seed %1").arg(ownSeeds.value(k)))
                          + QStringLiteral(" (%1 feeds, %2 nutrients)").arg(shape.feeds).arg(shape.nutrients);

    const RationModel model = RationModel::build(p);
    QVERIFY2(model.stop() == RationModel::Stop::None, qPrintable(where));
    SimplexSolver solver;
    QVERIFY(model.loadInto(solver));
    solver.setStallLimit(stallLimit);
    solver.solve();
    phaseOne += solver.ranPhaseOne() ? 1 : 0;
    bland += solver.blandPivots() > 0 ? 1 : 0;
    const RecordedPath *recorded = recordedPath(paths, QString::number(k));
    QVERIFY2(recorded || paths.isEmpty(), qPrintable(where + QStringLiteral(": no recorded path")));
    if (recorded && recorded->ordinary(stallLimit)) {
      ++onPath;
      const QString differs = recorded->differenceFrom(solver);
      QVERIFY2(differs.isEmpty(), qPrintable(where + QStringLiteral(": ") + differs));
    }

    const GlpkReference reference(p);
    const GlpkReference::Result glpk = reference.solve();
    QVERIFY2(solver.found() == glpk.feasible,
             qPrintable(where + QStringLiteral(": ours %1 (status %3, %4 pivots, phase one %5), GLPK %2").arg(solver.found()).arg(glpk.feasible).arg(int(solver.status())).arg(solver.iterations()).arg(solver.ranPhaseOne())));
    QCOMPARE(std::size_t(model.feedCount()), reference.feedColumns.size());
    if (!glpk.feasible) {
      ++infeasible;
      continue;
    }
    ++feasible;

    const double ours = solver.objective() * model.divisor;
    QVERIFY2(std::fabs(ours - glpk.objective) <= 1e-6 * std::max(1.0, std::fabs(glpk.objective)),
             qPrintable(where + QStringLiteral(": cost %1, GLPK %2").arg(ours, 0, 'g', 12).arg(glpk.objective, 0, 'g', 12)));

    // The printed cost comes from amounts rounded to 3 decimals.
    const OptimalSolution s = OptimalSolution::compute(model, solver, 1.0);
    double rounding = 1e-6;
    for (double c : reference.costs)
      rounding += 0.0005 * c;
    QVERIFY2(std::fabs(s.cost - glpk.objective) <= rounding,
             qPrintable(where + QStringLiteral(": printed cost %1, GLPK %2").arg(s.cost).arg(glpk.objective)));

    const QString unpriced = dualsHold(model, solver);
    QVERIFY2(unpriced.isEmpty(), qPrintable(where + QStringLiteral(": ") + unpriced));

    std::vector<double> x(std::size_t(p.feeds.size()), 0.0);
    for (int j = 0; j < model.feedCount(); ++j)
      x[reference.feedColumns[j]] = solver.value(j);
    const QStringList broken = violations(p, x, reference.feedColumns);
    QVERIFY2(broken.isEmpty(), qPrintable(where + QStringLiteral(": ") + broken.join(QStringLiteral("; "))));
  }
  if (paths.isEmpty())
    return;
  qInfo("%d feasible, %d infeasible, phase one in %d, Bland's rule in %d; %d never stalled, each on its recorded path",
        feasible, infeasible, phaseOne, bland, onPath);
  // The recorded paths show that only a few of these problems stall.
  QVERIFY(onPath >= problems * 9 / 10);
  QVERIFY(feasible >= problems / 4);
  QVERIFY(infeasible >= problems / 8);
  if (stallLimit == 0)
    QVERIFY(bland > problems / 2);  // from the first degenerate pivot on
}

// Large problems whose limits lie exactly at a reference ration's values,
// every nutrient row twice: long runs of degenerate pivots, where a stalled
// run and a drifting tableau once ended in a wrong verdict.
void TestOptimizerGlpk::degenerateAgreesWithGlpk_data()
{
  QTest::addColumn<int>("nutrients");
  QTest::addColumn<int>("firstSeed");
  QTest::addColumn<int>("count");
  QTest::addColumn<bool>("infeasible");
  // Drawn one after another from one generator, as the benchmark draws them
  // (those GLPK finds the other verdict for passed over), instead of one
  // generator per seed.
  QTest::addColumn<bool>("sequence");
  QTest::addColumn<QString>("paths");  // the family in the recorded pivot paths
  // Seed 1 ended at the iteration limit (drifting round-off), seed 2 after
  // tens of thousands of Bland pivots: both answered "no optimum".
  QTest::newRow("85 x 60, once failing") << 60 << 1 << 2 << false << false << QStringLiteral("deg60-failing");
  QTest::newRow("85 x 45") << 45 << 100 << 150 << false << false << QStringLiteral("deg45");
  QTest::newRow("85 x 60") << 60 << 100 << 150 << false << false << QStringLiteral("deg60");
  QTest::newRow("infeasible 85 x 45") << 45 << 100 << 40 << true << false << QStringLiteral("deginf45");
  // The 144th of the 85 x 60 ones was answered infeasible and the 125th of
  // the 85 x 45 ones at a cost above the optimum: steepest-edge pivots had
  // left basic variables below zero, unseen without a fresh tableau.
  QTest::newRow("85 x 60, benchmark sequence") << 60 << 4242 << 150 << false << true << QStringLiteral("deg60-seq");
  QTest::newRow("85 x 45, benchmark sequence") << 45 << 4242 << 150 << false << true << QStringLiteral("deg45-seq");
  // Stalled at a feasible point, the run went on under the true costs for a
  // hundred pivots and took its optimum on the tableau those pivots had
  // updated: the right basis, at a cost 8e-6 above it. No path is recorded
  // for it (it came after the recording).
  QTest::newRow("85 x 45, once ending on drifted data") << 45 << 1064 << 1 << false << false << QString();
  // Seeds drawn after the recording, for the ways to a verdict that came
  // later: the artificials left at zero giving way to their surpluses, a
  // tableau just computed afresh taken for the verdict as it stands, and a
  // fresh one every 150 pivots after a stall.
  QTest::newRow("85 x 60, later seeds") << 60 << 6000 << 60 << false << false << QString();
  // Half of these meet their first stall at a feasible point, which ends
  // the Big-M run there, the true costs starting perturbed; the others
  // meet it with an artificial above zero.
  QTest::newRow("85 x 45, first stalls") << 45 << 1 << 30 << false << false << QString();
  QTest::newRow("85 x 60, first stalls") << 60 << 1 << 30 << false << false << QString();
  QTest::newRow("infeasible 85 x 60, later seeds") << 60 << 6000 << 40 << true << false << QString();
}

void TestOptimizerGlpk::degenerateAgreesWithGlpk()
{
  QFETCH(int, nutrients);
  QFETCH(int, firstSeed);
  QFETCH(int, count);
  QFETCH(bool, infeasible);
  QFETCH(bool, sequence);
  QFETCH(QString, paths);
  int stalled = 0, onPath = 0;
  std::mt19937 sequenceRng{std::uint32_t(firstSeed)};
  for (int k = 0, seed = firstSeed; k < count; ++seed) {
    std::mt19937 seedRng{std::uint32_t(seed)};
    const RationProblem p = degenerateProblem(sequence ? sequenceRng : seedRng, 85, nutrients, infeasible);
    const QString where = sequence ? QStringLiteral("problem %1 of the sequence").arg(k + 1) : QStringLiteral("seed %1").arg(seed);
    const RationModel model = RationModel::build(p);
    const GlpkReference reference(p);
    const GlpkReference::Result glpk = reference.solve(true);
    if (sequence && (model.stop() != RationModel::Stop::None || glpk.feasible == infeasible))
      continue;
    const RecordedPath *recorded = recordedPath(paths, QString::number(sequence ? k : seed));
    ++k;
    QVERIFY2(model.stop() == RationModel::Stop::None, qPrintable(where));
    SimplexSolver solver;
    QVERIFY(model.loadInto(solver));
    solver.solve();
    stalled += solver.stalls() > 0 ? 1 : 0;
    // Most of these stall, and then only the verdict and the cost below
    // count; the few that do not keep their recorded path.
    QVERIFY2(recorded || paths.isEmpty(), qPrintable(where + QStringLiteral(": no recorded path")));
    if (recorded && recorded->ordinary(-1)) {
      ++onPath;
      const QString differs = recorded->differenceFrom(solver);
      QVERIFY2(differs.isEmpty(), qPrintable(where + QStringLiteral(": ") + differs));
    }
    QVERIFY2(solver.status() != SimplexSolver::Status::IterationLimit,
             qPrintable(where + QStringLiteral(": iteration limit after %1 pivots").arg(solver.iterations())));
    QVERIFY2(glpk.feasible == !infeasible, qPrintable(where + QStringLiteral(": GLPK disagrees with the generator")));
    QVERIFY2(solver.found() == glpk.feasible,
             qPrintable(where + QStringLiteral(": ours %1 (status %2, %3 pivots), GLPK %4").arg(solver.found()).arg(int(solver.status())).arg(solver.iterations()).arg(glpk.feasible)));
    const QString unread = basisReadsBack(solver);
    QVERIFY2(unread.isEmpty(), qPrintable(where + QStringLiteral(": ") + unread));
    if (!glpk.feasible)
      continue;
    const double ours = solver.objective() * model.divisor;
    QVERIFY2(std::fabs(ours - glpk.objective) <= 1e-6 * std::max(1.0, std::fabs(glpk.objective)),
             qPrintable(where + QStringLiteral(": cost %1, GLPK %2").arg(ours, 0, 'g', 12).arg(glpk.objective, 0, 'g', 12)));
    // A stalled solve ends on a basis of its own making (the artificials
    // left at zero given way to their surpluses): its prices must hold all
    // the same.
    const QString unpriced = dualsHold(model, solver);
    QVERIFY2(unpriced.isEmpty(), qPrintable(where + QStringLiteral(": ") + unpriced));
    std::vector<double> x(std::size_t(p.feeds.size()), 0.0);
    for (int j = 0; j < model.feedCount(); ++j)
      x[reference.feedColumns[j]] = solver.value(j);
    const QStringList broken = violations(p, x, reference.feedColumns);
    QVERIFY2(broken.isEmpty(), qPrintable(where + QStringLiteral(": ") + broken.join(QStringLiteral("; "))));
  }
  qInfo("%d of %d perturbed, %d never stalled and on their recorded paths", stalled, count, onPath);
}

QTEST_GUILESS_MAIN(TestOptimizerGlpk)
#include "tst_optimizer_glpk.moc"

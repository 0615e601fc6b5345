// The simplex on hand-made programmes: worked examples, the pivot rules and
// their tie-breaks, and the cases where plain Big-M goes wrong.
#include "optimizer/rationmodel.h"
#include "optimizer/simplexsolver.h"
#include "rationfixture.h"

#include <QtTest>

#include <climits>

namespace vz {

// A basis of the tests' choosing, refactorised: round-off alone makes a
// basis singular in a real solve, far too rarely to test by.
struct SimplexSolverTestAccess {
  static bool refactor(SimplexSolver &s, const std::vector<int> &basis)
  {
    setBasis(s, basis);
    return s.refactor();
  }
  // The levels of a basis computed afresh, without the tableau.
  static bool freshLevels(SimplexSolver &s, const std::vector<int> &basis, std::vector<double> &levels)
  {
    setBasis(s, basis);
    return s.freshLevels(levels);
  }
  // Likewise the criteria, into the solver's own.
  static bool freshCriteria(SimplexSolver &s, const std::vector<int> &basis)
  {
    setBasis(s, basis);
    return s.freshCriteria();
  }
  static void setBasis(SimplexSolver &s, const std::vector<int> &basis)
  {
    s.m_basis = basis;
    std::fill(s.m_rowOf.begin(), s.m_rowOf.end(), -1);
    for (int r = 0; r < s.m_rows; ++r)
      s.m_rowOf[s.m_basis[r]] = r;
    s.refreshPenalties();
  }
  // The row the ratio test takes for column e, by the ordinary rules.
  static int leavingRow(const SimplexSolver &s, int e) { return s.ratioTest(e, false); }
  // The elimination order of a solve that has stalled.
  static void markStalled(SimplexSolver &s) { s.m_stallTools = true; }
  // Every ordinary pivot's row updates wait for the next pivot, whatever
  // the size of the tableau, or none do.
  static void updatesWait(SimplexSolver &s, bool wait) { s.m_waitFrom = wait ? 0 : INT_MAX; }
};

} // namespace vz

using namespace vz;

Q_DECLARE_METATYPE(vz::RationModel)

namespace {

struct Row {
  std::vector<double> a;
  LimitKind kind;
  double limit;
};

// A programme in the optimiser's own layout: feed columns, surplus columns,
// then one basic column per row.
RationModel programme(const std::vector<double> &costs, const std::vector<Row> &rows, double bigM = 1000.0)
{
  RationModel m;
  for (std::size_t j = 0; j < costs.size(); ++j)
    m.feedNames.append(QStringLiteral("x%1").arg(j + 1));
  m.costs = costs;
  m.prices = costs;
  m.bigM = bigM;
  for (const Row &r : rows)
    m.constraints.push_back({r.a, r.kind, r.limit, false});
  return m;
}

SimplexSolver solved(const RationModel &m)
{
  SimplexSolver s;
  if (!m.loadInto(s))
    qFatal("tableau refused");
  s.solve();
  return s;
}

constexpr auto Fixed = LimitKind::Fixed;
constexpr auto Lower = LimitKind::Lower;
constexpr auto Upper = LimitKind::Upper;

} // namespace

class TestSimplexSolver : public QObject {
  Q_OBJECT
private slots:
  void workedExample();
  void equalCriteriaTakeTheLowerColumn();
  void tiedQuotientsComparedOnAddedColumns();
  void columnWithoutPositiveEntryIsPassedOver();
  void verdicts_data();
  void verdicts();
  void zeroLevelArtificialIsDrivenOut();
  void rowNoFeedCanMoveHasZeroPrice();
  void tooSmallBigMStillFindsTheOptimum();
  void infeasibleEndIsTheBigMEnd();
  void cyclingExampleTerminates();
  void refusesMismatchedSizes();
  void singularBasisFallsBack_data();
  void singularBasisFallsBack();
  void pairedColumns_data();
  void pairedColumns();
  void longEdgeBelowTheTolerance();
  void freshLevelsAndCriteriaAreTheRefactorisedOnes_data();
  void freshLevelsAndCriteriaAreTheRefactorisedOnes();
  void waitingUpdatesChangeNoNumber_data();
  void waitingUpdatesChangeNoNumber();
  void ratioTestRow_data();
  void ratioTestRow();
};

void TestSimplexSolver::workedExample()
{
  // Minimise 2x1 + 3x2 with x1 + x2 = 10 and x1 <= 4.
  const RationModel m = programme({2, 3}, {{{1, 1}, Fixed, 10}, {{1, 0}, Upper, 4}});
  SimplexSolver s;
  QVERIFY(m.loadInto(s));
  QCOMPARE(s.basicColumn(0), 2);  // artificial of the fixed row
  QCOMPARE(s.basicColumn(1), 3);  // slack of the upper row
  QCOMPARE(s.solve(), SimplexSolver::Status::Optimal);
  QCOMPARE(s.value(0), 4.0);
  QCOMPARE(s.value(1), 6.0);
  QCOMPARE(s.objective(), 26.0);
  // Duals: the fixed row prices 3, the upper row -1 (raising it by one
  // swaps one unit of x2 for x1).
  QCOMPARE(s.z(2), 3.0);
  QCOMPARE(s.z(3), -1.0);
}

void TestSimplexSolver::equalCriteriaTakeTheLowerColumn()
{
  const RationModel m = programme({-1, -1}, {{{1, 1}, Upper, 1}});
  const SimplexSolver s = solved(m);
  QCOMPARE(s.value(0), 1.0);
  QCOMPARE(s.value(1), 0.0);
}

void TestSimplexSolver::tiedQuotientsComparedOnAddedColumns()
{
  // x1 enters with the quotient 2 in both rows; scaled by their pivot
  // entries the rows first differ in the slack of row 1 (1 against 0), so
  // row 2 leaves.
  const RationModel m = programme({-1, 0}, {{{1, 1}, Upper, 2}, {{2, 0}, Upper, 4}});
  const SimplexSolver s = solved(m);
  QCOMPARE(s.basicColumn(1), 0);
  QCOMPARE(s.basicColumn(0), 2);
  QCOMPARE(s.value(0), 2.0);
}

void TestSimplexSolver::columnWithoutPositiveEntryIsPassedOver()
{
  // x1 improves most but appears in no row: x2 enters instead, then the
  // solve ends on the unbounded direction without a pivot on it.
  const RationModel m = programme({-2, -1}, {{{0, 1}, Upper, 3}});
  SimplexSolver s = solved(m);
  QCOMPARE(s.status(), SimplexSolver::Status::Unbounded);
  QCOMPARE(s.value(1), 3.0);
  QCOMPARE(s.rowOfColumn(0), -1);
}

void TestSimplexSolver::verdicts_data()
{
  QTest::addColumn<RationModel>("model");
  QTest::addColumn<int>("status");
  QTest::addColumn<double>("objective");
  QTest::newRow("lower and upper on one row") << programme({1, 2}, {{{1, 1}, Lower, 3}, {{1, 1}, Upper, 5}, {{1, 0}, Upper, 2}})
                                              << int(SimplexSolver::Status::Optimal) << 4.0;
  QTest::newRow("contradicting limits") << programme({1, 1}, {{{1, 1}, Upper, 1}, {{1, 1}, Lower, 2}})
                                        << int(SimplexSolver::Status::Infeasible) << -1.0;
  QTest::newRow("equation nothing can meet") << programme({1, 1}, {{{1, 1}, Lower, 1}, {{0, 0}, Fixed, 3}})
                                             << int(SimplexSolver::Status::Infeasible) << -1.0;
  QTest::newRow("degenerate start") << programme({1, 1}, {{{1, -1}, Fixed, 0}, {{1, 1}, Lower, 4}, {{1, 0}, Lower, 0}})
                                    << int(SimplexSolver::Status::Optimal) << 4.0;
  QTest::newRow("every cost zero") << programme({0, 0}, {{{1, 1}, Fixed, 2}}, 0.0)
                                   << int(SimplexSolver::Status::Optimal) << 0.0;
}

void TestSimplexSolver::verdicts()
{
  QFETCH(RationModel, model);
  QFETCH(int, status);
  QFETCH(double, objective);
  const SimplexSolver s = solved(model);
  QCOMPARE(int(s.status()), status);
  QCOMPARE(s.found(), status == int(SimplexSolver::Status::Optimal));
  if (s.found())
    QVERIFY(std::fabs(s.objective() - objective) < 1e-9);
  else
    QVERIFY(s.hasPositiveArtificial());
}

void TestSimplexSolver::zeroLevelArtificialIsDrivenOut()
{
  // The second row is the first one doubled: one artificial stays basic at
  // level zero after the Big-M solve.
  const RationModel m = programme({1, 2}, {{{1, 1}, Lower, 2}, {{2, 2}, Lower, 4}});
  const SimplexSolver s = solved(m);
  QVERIFY(s.found());
  QCOMPARE(s.objective(), 2.0);
  for (int r = 0; r < s.rows(); ++r)
    QVERIFY2(s.basicColumn(r) < 4, "an artificial is still basic");
  // The duals price the rows at the cost of x1, shared between the twins,
  // never at the Big-M.
  const double y1 = s.z(4), y2 = s.z(5);
  QVERIFY(std::fabs(y1 + 2 * y2 - 1.0) < 1e-9);
  QVERIFY(y1 > -1e-9 && y2 > -1e-9);
}

void TestSimplexSolver::rowNoFeedCanMoveHasZeroPrice()
{
  const RationModel m = programme({1, 2}, {{{0, 0}, Fixed, 0}, {{1, 1}, Lower, 2}});
  const SimplexSolver s = solved(m);
  QVERIFY(s.found());
  QCOMPARE(s.objective(), 2.0);
  QCOMPARE(s.z(3), 0.0);  // the fixed row's artificial column
  QCOMPARE(s.z(4), 1.0);
}

void TestSimplexSolver::tooSmallBigMStillFindsTheOptimum()
{
  // With M = 1 an artificial is cheaper than x1 (cost 10): Big-M alone
  // would end with the artificial at 1.
  const RationModel m = programme({10, 30}, {{{1, 1}, Lower, 1}}, 1.0);
  const SimplexSolver s = solved(m);
  QVERIFY(s.ranPhaseOne());
  QCOMPARE(s.status(), SimplexSolver::Status::Optimal);
  QCOMPARE(s.value(0), 1.0);
  QCOMPARE(s.objective(), 10.0);
  QCOMPARE(s.z(3), 10.0);  // the true dual of the row
}

void TestSimplexSolver::infeasibleEndIsTheBigMEnd()
{
  // x1 + x2 >= 2 and x1 + x2 <= 1 with M = 1: the Big-M solve ends at once,
  // the artificial at 2 being cheaper than any feed; phase one then brings
  // x1 in against the upper limit and still ends above zero. The report of
  // an infeasible problem is read off the tableau the Big-M solve ended
  // on, the loaded one here, not off phase one's.
  const RationModel m = programme({10, 30}, {{{1, 1}, Lower, 2}, {{1, 1}, Upper, 1}}, 1.0);
  SimplexSolver loaded;
  QVERIFY(m.loadInto(loaded));
  const SimplexSolver s = solved(m);
  QVERIFY(s.ranPhaseOne());
  QCOMPARE(s.status(), SimplexSolver::Status::Infeasible);
  QCOMPARE(s.iterations(), 1);
  for (int r = 0; r < s.rows(); ++r) {
    QCOMPARE(s.basicColumn(r), loaded.basicColumn(r));
    QCOMPARE(s.rhs(r), loaded.rhs(r));
    for (int c = 0; c < s.cols(); ++c)
      QCOMPARE(s.entry(r, c), loaded.entry(r, c));
  }
  QCOMPARE(s.rhs(0), 2.0);
}

void TestSimplexSolver::cyclingExampleTerminates()
{
  // Beale's example, which cycles under the largest-coefficient rule with a
  // plain first-row tie-break.
  const RationModel m = programme({-0.75, 20, -0.5, 6},
                                  {{{0.25, -8, -1, 9}, Upper, 0}, {{0.5, -12, -0.5, 3}, Upper, 0}, {{0, 0, 1, 0}, Upper, 1}});
  const SimplexSolver s = solved(m);
  QCOMPARE(s.status(), SimplexSolver::Status::Optimal);
  QVERIFY(std::fabs(s.objective() + 1.25) < 1e-9);
}

void TestSimplexSolver::refusesMismatchedSizes()
{
  SimplexSolver s;
  QVERIFY(!s.load(2, 3, std::vector<double>(5, 0.0), {0, 0}, {0, 0, 0}, {1, 2}, {0, 0, 0}, 1));
  QVERIFY(!s.load(1, 2, std::vector<double>(2, 0.0), {0}, {0, 0}, {2}, {0, 0}, 1));
}

void TestSimplexSolver::singularBasisFallsBack_data()
{
  // Whether the optimal basis was refactorised before the singular one: it
  // is then the one to go back to, otherwise the basis as loaded is.
  // `stalled`: eliminated in the order of a solve that has stalled, the
  // single-entry columns first. `surplusTwin`: the singular basis holds the
  // second row's surplus beside its artificial, two single-entry columns
  // in one row, instead of the twin feeds.
  QTest::addColumn<bool>("refactoredBefore");
  QTest::addColumn<bool>("stalled");
  QTest::addColumn<bool>("surplusTwin");
  QTest::newRow("back to the loaded basis") << false << false << false;
  QTest::newRow("back to the last refactorised basis") << true << false << false;
  QTest::newRow("stalled, back to the loaded basis") << false << true << false;
  QTest::newRow("stalled, back to the last refactorised basis") << true << true << false;
  QTest::newRow("surplus beside its artificial") << true << false << true;
  QTest::newRow("stalled, surplus beside its artificial") << true << true << true;
}

void TestSimplexSolver::singularBasisFallsBack()
{
  QFETCH(bool, refactoredBefore);
  QFETCH(bool, stalled);
  QFETCH(bool, surplusTwin);
  // x1 and x3 are twins: no basis may hold both. The optimum holds x2 and
  // one of them (x1 + x3 = 5, x2 = 5, cost 15).
  const RationModel m = programme({2, 1, 2}, {{{1, 1, 1}, Fixed, 10}, {{0.12, 0.04, 0.12}, Lower, 0.8}});
  SimplexSolver loaded;
  QVERIFY(m.loadInto(loaded));
  SimplexSolver s = solved(m);
  QVERIFY(s.found());
  QVERIFY(std::fabs(s.objective() - 15.0) < 1e-9);
  std::vector<int> optimal(std::size_t(s.rows()));
  for (int r = 0; r < s.rows(); ++r)
    optimal[r] = s.basicColumn(r);
  const int twinRow = s.rowOfColumn(0) >= 0 ? s.rowOfColumn(0) : s.rowOfColumn(2);
  QVERIFY(twinRow >= 0 && s.rowOfColumn(1) >= 0);

  if (stalled)
    SimplexSolverTestAccess::markStalled(s);
  const SimplexSolver *expected = &loaded;
  SimplexSolver fresh;
  if (refactoredBefore) {
    QVERIFY(SimplexSolverTestAccess::refactor(s, optimal));
    fresh = s;
    expected = &fresh;
  }
  std::vector<int> singular = optimal;
  if (surplusTwin) {
    // Columns x1 x2 x3 | s1 | a0 a1: the surplus of the second row and
    // that row's artificial, and nothing for the first row.
    QCOMPARE(loaded.basicColumn(1), 5);
    QCOMPARE(loaded.entry(1, 3), -1.0);
    singular = {3, 5};
  } else {
    singular[s.rowOfColumn(1)] = optimal[twinRow] == 0 ? 2 : 0;
  }
  QVERIFY(!SimplexSolverTestAccess::refactor(s, singular));

  // The whole state is that of the basis gone back to, none of it spent by
  // the elimination that failed.
  for (int r = 0; r < s.rows(); ++r) {
    QCOMPARE(s.basicColumn(r), expected->basicColumn(r));
    QCOMPARE(s.rhs(r), expected->rhs(r));
    for (int c = 0; c < s.cols(); ++c)
      QCOMPARE(s.entry(r, c), expected->entry(r, c));
  }
  for (int c = 0; c < s.cols(); ++c)
    QCOMPARE(s.rowOfColumn(c), expected->rowOfColumn(c));
  // And the solve goes on from there to the optimum.
  QCOMPARE(s.solve(), SimplexSolver::Status::Optimal);
  QVERIFY(std::fabs(s.objective() - 15.0) < 1e-9);
}

void TestSimplexSolver::waitingUpdatesChangeNoNumber_data()
{
  // An ordinary pivot leaves its update of the other rows to the next one
  // (see SimplexSolver::pivot()), and what reads the tableau in between
  // sees it applied or flushes it. A solve must take the same path to the
  // same numbers as one whose every pivot updates the whole tableau at
  // once. Each case meets the waiting update somewhere else: every pivot on
  // the row of the one before (one row), the tie-break of the ratio test
  // and rows a pivot leaves alone (sparse and degenerate problems), the
  // criteria computed afresh on a long run, a stall, phase one.
  QTest::addColumn<RationModel>("model");
  QTest::newRow("one row") << programme({1, 10, 2}, {{{1, 2, 1.5}, Lower, 4}});
  QTest::newRow("tied quotients") << programme({-1, -1, 0}, {{{1, 1, 0}, Upper, 2}, {{2, 0, 1}, Upper, 4}, {{0, 1, 1}, Upper, 2}});
  // The first problem whose solve shows `meets`.
  std::mt19937 rng(4242u);
  using Solved = const SimplexSolver &;
  auto pick = [&](const std::function<RationProblem()> &make, const std::function<bool(Solved)> &meets) {
    for (;;) {
      const RationModel m = RationModel::build(make());
      SimplexSolver s;
      if (m.stop() != RationModel::Stop::None || !m.loadInto(s))
        continue;
      s.solve();
      if (meets(s))
        return m;
    }
  };
  auto any = [](Solved) { return true; };
  auto stalled = [](Solved s) { return s.pivotsBeforeStall() < s.iterations(); };
  for (int k = 0; k < 4; ++k)
    QTest::newRow(qPrintable(QStringLiteral("sparse 30 x 20 #%1").arg(k)))
        << pick([&] { return vz::test::randomProblem(rng, {30, 20, 3, false, false}); }, any);
  QTest::newRow("degenerate 40 x 20") << pick([&] { return vz::test::randomProblem(rng, {40, 20, 2, false, true}); }, any);
  QTest::newRow("long run") << pick([&] { return vz::test::degenerateProblem(rng, 85, 45, true); },
                                    [&](Solved s) { return !stalled(s) && s.pivotsBeforeStall() > 130; });
  QTest::newRow("stall") << pick([&] { return vz::test::degenerateProblem(rng, 85, 45); },
                                 [&](Solved s) { return stalled(s) && s.pivotsBeforeStall() > 20; });
  QTest::newRow("phase one") << pick([&] { return vz::test::degenerateProblem(rng, 85, 45, true); },
                                     [](Solved s) { return s.ranPhaseOne(); });
  // After a stall the steepest edge's test for a positive entry, the edge
  // lengths computed afresh, the perturbation and the tableau computed
  // afresh all meet a waiting update as well.
  QTest::newRow("perturbed, then phase one")
      << pick([&] { return vz::test::degenerateProblem(rng, 85, 45, true); },
              [&](Solved s) { return s.stalls() > 0 && s.ranPhaseOne(); });
  QTest::newRow("refactorised after a stall")
      << pick([&] { return vz::test::degenerateProblem(rng, 85, 60); },
              [&](Solved s) { return stalled(s) && s.refactorisations() > 0; });
}

void TestSimplexSolver::waitingUpdatesChangeNoNumber()
{
  QFETCH(RationModel, model);
  SimplexSolver waiting, atOnce;
  QVERIFY(model.loadInto(waiting) && model.loadInto(atOnce));
  SimplexSolverTestAccess::updatesWait(waiting, true);
  SimplexSolverTestAccess::updatesWait(atOnce, false);
  waiting.solve();
  atOnce.solve();
  QVERIFY(waiting.iterations() >= 2);
  QCOMPARE(waiting.status(), atOnce.status());
  QCOMPARE(waiting.iterations(), atOnce.iterations());
  QCOMPARE(waiting.pivotsBeforeStall(), atOnce.pivotsBeforeStall());
  QCOMPARE(waiting.pivotPathHash(), atOnce.pivotPathHash());
  // Exactly the same numbers; only the sign of a zero may differ, which
  // nothing reads.
  auto same = [](double x, double y) { return x == y; };
  QVERIFY(same(waiting.objective(), atOnce.objective()));
  for (int r = 0; r < waiting.rows(); ++r) {
    QCOMPARE(waiting.basicColumn(r), atOnce.basicColumn(r));
    QVERIFY2(same(waiting.rhs(r), atOnce.rhs(r)), qPrintable(QStringLiteral("level of row %1").arg(r)));
    for (int c = 0; c < waiting.cols(); ++c)
      QVERIFY2(same(waiting.entry(r, c), atOnce.entry(r, c)),
               qPrintable(QStringLiteral("row %1, column %2: %3 against %4")
                              .arg(r).arg(c).arg(waiting.entry(r, c), 0, 'g', 17).arg(atOnce.entry(r, c), 0, 'g', 17)));
  }
  for (int c = 0; c < waiting.cols(); ++c)
    QVERIFY2(same(waiting.criterion(c), atOnce.criterion(c)) && same(waiting.z(c), atOnce.z(c)),
             qPrintable(QStringLiteral("criterion of column %1").arg(c)));
}

QTEST_GUILESS_MAIN(TestSimplexSolver)
#include "tst_simplexsolver.moc"

void TestSimplexSolver::pairedColumns_data()
{
  // Minimise 2x1 + 3x2 + x3 with x1 + x2 + x3 >= 4, x1 + 2x3 >= 3 and
  // x2 + x3 <= 5, laid out by hand: x1 x2 x3 | s0 s1 | a0 a1 t2. A surplus
  // with the entry -1 in a row whose loaded basic column is that row's unit
  // column is stored with that column; one with another entry (the same
  // limit on a scaled surplus) is a column of its own. Each layout must read
  // back as loaded and solve to x3 = 4, s1 entering the basis on the way.
  QTest::addColumn<double>("s0");
  QTest::addColumn<double>("s1");
  QTest::newRow("both paired") << -1.0 << -1.0;
  QTest::newRow("one paired, one of its own") << -1.0 << -2.0;
  QTest::newRow("none paired") << -0.5 << -2.0;
}

void TestSimplexSolver::pairedColumns()
{
  QFETCH(double, s0);
  QFETCH(double, s1);
  const int rows = 3, cols = 8;
  const std::vector<double> entries = {
      1, 1, 1, s0, 0,  1, 0, 0,  //
      1, 0, 2, 0,  s1, 0, 1, 0,  //
      0, 1, 1, 0,  0,  0, 0, 1,  //
  };
  SimplexSolver s;
  QVERIFY(s.load(rows, cols, entries, {4, 3, 5}, {2, 3, 1, 0, 0, 1000, 1000, 0}, {5, 6, 7}, {0, 0, 0, 0, 0, 1, 1, 0},
                 3));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      QCOMPARE(s.entry(r, c), entries[std::size_t(r) * cols + c]);
  QCOMPARE(s.solve(), SimplexSolver::Status::Optimal);
  QVERIFY(std::fabs(s.objective() - 4.0) < 1e-9);
  QVERIFY(std::fabs(s.value(2) - 4.0) < 1e-9);
  QVERIFY(std::fabs(s.value(4) + 5.0 / s1) < 1e-9);
  QCOMPARE(s.value(0), 0.0);
  QCOMPARE(s.value(1), 0.0);
  // The basic columns read as unit columns, whichever they are stored with.
  for (int r = 0; r < rows; ++r)
    for (int i = 0; i < rows; ++i)
      QCOMPARE(s.entry(i, s.basicColumn(r)), i == r ? 1.0 : 0.0);
}

void TestSimplexSolver::longEdgeBelowTheTolerance()
{
  // x2 costs 5e-8 less than x1 per unit: both criteria compare equal, so x1
  // (the lower column) enters, and x2's criterion, 5e-8, is then within the
  // tolerance of zero. But a million units make that 0.05 of cost, far more
  // than a trifle of it: the solve goes on to x2.
  const RationModel m = programme({1, 1 - 5e-8}, {{{1, 1}, Lower, 1e6}});
  const SimplexSolver s = solved(m);
  QCOMPARE(s.status(), SimplexSolver::Status::Optimal);
  QCOMPARE(s.value(0), 0.0);
  QVERIFY(std::fabs(s.value(1) - 1e6) < 1e-6);
  QVERIFY(std::fabs(s.objective() - (1e6 - 0.05)) < 1e-6);
}

void TestSimplexSolver::freshLevelsAndCriteriaAreTheRefactorisedOnes_data()
{
  // The levels and criteria a verdict after a stall is taken on, and an
  // infeasible end confirmed on: computed from the basic columns alone, they
  // must be those of a whole fresh tableau. `basis` empty: the basis the
  // solve ends on.
  QTest::addColumn<RationModel>("model");
  QTest::addColumn<QList<int>>("basis");
  QTest::addColumn<bool>("singular");
  // Columns x1 x2 x3 | s1 | a0 a1; x1 and x3 are twins.
  const RationModel twins = programme({2, 1, 2}, {{{1, 1, 1}, Fixed, 10}, {{0.12, 0.04, 0.12}, Lower, 0.8}});
  QTest::newRow("feeds alone") << twins << QList<int>() << false;
  // x2 = 10 from the first row; the surplus then at 0.04 * 10 - 0.8, below
  // zero, taken from the row x2 also holds an entry in.
  QTest::newRow("a feed and a surplus") << twins << QList<int>{1, 3} << false;
  QTest::newRow("an artificial and a feed") << twins << QList<int>{4, 0} << false;
  QTest::newRow("twin feeds") << twins << QList<int>{0, 2} << true;
  QTest::newRow("surplus beside its artificial") << twins << QList<int>{3, 5} << true;
  std::mt19937 rng(4242u);
  RationModel large;
  for (;;) {
    large = RationModel::build(vz::test::degenerateProblem(rng, 85, 45, true));
    SimplexSolver s;
    if (large.stop() == RationModel::Stop::None && large.loadInto(s) && s.solve() == SimplexSolver::Status::Infeasible
        && s.stalls() > 0)
      break;
  }
  QTest::newRow("large, infeasible after a stall") << large << QList<int>() << false;
}

void TestSimplexSolver::freshLevelsAndCriteriaAreTheRefactorisedOnes()
{
  QFETCH(RationModel, model);
  QFETCH(QList<int>, basis);
  QFETCH(bool, singular);
  SimplexSolver s = solved(model);
  std::vector<int> chosen(basis.begin(), basis.end());
  if (chosen.empty())
    for (int r = 0; r < s.rows(); ++r)
      chosen.push_back(s.basicColumn(r));
  std::vector<double> levels;
  if (singular) {
    QVERIFY(!SimplexSolverTestAccess::freshLevels(s, chosen, levels));
    QVERIFY(!SimplexSolverTestAccess::freshCriteria(s, chosen));
    return;
  }
  QVERIFY(SimplexSolverTestAccess::refactor(s, chosen));
  QVERIFY(SimplexSolverTestAccess::freshLevels(s, chosen, levels));
  QCOMPARE(int(levels.size()), s.rows());
  for (int r = 0; r < s.rows(); ++r)
    QVERIFY2(std::fabs(levels[r] - s.rhs(r)) <= 1e-9 * std::max(1.0, std::fabs(s.rhs(r))),
             qPrintable(QStringLiteral("row %1: %2, refactorised %3").arg(r).arg(levels[r], 0, 'g', 17).arg(s.rhs(r), 0, 'g', 17)));
  std::vector<double> z, d;
  for (int c = 0; c < s.cols(); ++c) {
    z.push_back(s.z(c));
    d.push_back(s.criterion(c));
  }
  QVERIFY(SimplexSolverTestAccess::freshCriteria(s, chosen));
  for (int c = 0; c < s.cols(); ++c) {
    const double scale = 1e-9 * std::max(1.0, std::fabs(z[c]));
    QVERIFY2(std::fabs(s.z(c) - z[c]) <= scale && std::fabs(s.criterion(c) - d[c]) <= scale,
             qPrintable(QStringLiteral("column %1: z %2, criterion %3; refactorised %4, %5")
                            .arg(c).arg(s.z(c), 0, 'g', 17).arg(s.criterion(c), 0, 'g', 17).arg(z[c], 0, 'g', 17).arg(d[c], 0, 'g', 17)));
  }
  // A basic column reads its own cost, exactly, as on a tableau.
  for (int r = 0; r < s.rows(); ++r) {
    QCOMPARE(s.z(s.basicColumn(r)), s.basicCost(r));
    QCOMPARE(s.criterion(s.basicColumn(r)), 0.0);
  }
}

void TestSimplexSolver::ratioTestRow_data()
{
  QTest::addColumn<std::vector<double>>("levels");
  QTest::addColumn<std::vector<double>>("column");
  QTest::addColumn<int>("expected");
  // Each row's slack is basic, so tied rows differ first in the slack of
  // the lowest of them, whose scaled entry there is the only one above
  // zero: the second tied row in order leaves. Seven rows take the last
  // ones past a whole vector of four.
  const double t = SimplexSolver::Tolerance;
  QTest::newRow("one clear least") << std::vector<double>{4, 2, 6} << std::vector<double>{1, 1, 1} << 1;
  QTest::newRow("clear least last of seven")
      << std::vector<double>{9, 9, 9, 9, 9, 9, 1} << std::vector<double>{1, 1, 1, 1, 1, 1, 1} << 6;
  QTest::newRow("entry below the tolerance passed over")
      << std::vector<double>{0, 5, 3, 8, 9} << std::vector<double>{0.5 * t, 1, 1, 1, 1} << 2;
  QTest::newRow("no entry qualifies") << std::vector<double>{1, 1, 1} << std::vector<double>{0, -2, 0.5 * t} << -1;
  QTest::newRow("one entry qualifies") << std::vector<double>{0, 7, 0} << std::vector<double>{-1, 2, 0} << 1;
  QTest::newRow("equal quotients") << std::vector<double>{2, 4, 2} << std::vector<double>{1, 2, 1} << 1;
  // The least quotient first, another within the tolerance after it: a
  // tie, and the other row leaves.
  QTest::newRow("least tied within the tolerance")
      << std::vector<double>{1, 1 + 0.5 * t, 3, 5, 6} << std::vector<double>{1, 1, 1, 1, 1} << 1;
  // The first row stays the smallest against the two after it (neither is
  // below it by the tolerance), and is tied with both, though the second
  // is more than the tolerance above the least.
  QTest::newRow("ties measured from the first smallest")
      << std::vector<double>{1 + 0.7 * t, 1 + 1.2 * t, 1} << std::vector<double>{1, 1, 1} << 1;
  // A smaller one by the tolerance or more replaces the first smallest.
  QTest::newRow("smaller by the tolerance replaces")
      << std::vector<double>{1 + 2 * t, 9, 9, 9, 9, 1, 9} << std::vector<double>{1, 1, 1, 1, 1, 1, 1} << 5;
  // With a tie at the least, each smaller one replaces the one before:
  // three in a row within one vector of four, then the tie after them.
  QTest::newRow("replaced again within a vector")
      << std::vector<double>{3, 2, 1, 1 + 0.5 * t, 9, 9, 9} << std::vector<double>{1, 1, 1, 1, 1, 1, 1} << 3;
  // Likewise across vectors, over rows the column does not qualify, the
  // tie in the rows past the last whole vector.
  QTest::newRow("replaced across vectors and passed rows")
      << std::vector<double>{5, 0, 9, 9, 0, 3, 9, 1, 1 + 0.5 * t}
      << std::vector<double>{1, 0.5 * t, 1, 1, -1, 1, 1, 1, 1} << 8;
  // The first qualifying row after rows the column does not qualify, tied
  // with one after it: the smaller comes later and is not smaller by the
  // tolerance.
  QTest::newRow("first qualifying row after passed ones")
      << std::vector<double>{0, 0, 1 + 0.5 * t, 9, 9, 1} << std::vector<double>{-1, 0, 1, 1, 1, 1} << 5;
}

void TestSimplexSolver::ratioTestRow()
{
  QFETCH(std::vector<double>, levels);
  QFETCH(std::vector<double>, column);
  QFETCH(int, expected);
  // Column 0 enters; a slack per row after it, each basic in its row.
  const int rows = int(levels.size()), cols = rows + 1;
  std::vector<double> entries(std::size_t(rows) * cols, 0.0);
  std::vector<int> basis(static_cast<std::size_t>(rows));
  for (int r = 0; r < rows; ++r) {
    entries[std::size_t(r) * cols] = column[r];
    entries[std::size_t(r) * cols + r + 1] = 1.0;
    basis[r] = r + 1;
  }
  std::vector<double> costs(static_cast<std::size_t>(cols), 0.0);
  costs[0] = -1.0;
  SimplexSolver s;
  QVERIFY(s.load(rows, cols, entries, levels, costs, basis, std::vector<std::uint8_t>(std::size_t(cols), 0), 1));
  QCOMPARE(SimplexSolverTestAccess::leavingRow(s, 0), expected);
}

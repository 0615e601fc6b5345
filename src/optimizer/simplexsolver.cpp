#include "simplexsolver.h"

#include <algorithm>
#include <cmath>

namespace vz {

namespace {

constexpr double Tol = SimplexSolver::Tolerance;
constexpr double Excluded = 1e300;

// A run of degenerate pivots this long is taken for stalling (or cycling):
// Bland's rule then chooses until the cost falls again.
int defaultStallLimit(int rows)
{
  return std::max(50, rows);
}

// row -= mult * pivotRow over every column. Each element is one multiply
// and one subtraction (no fused multiply-add), so every build of this loop
// gives the same numbers; the wider one is only faster.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void subtractMultiple(double *__restrict row, const double *__restrict pivotRow, double mult, int cols)
{
  for (int c = 0; c < cols; ++c)
    row[c] -= mult * pivotRow[c];
}

} // namespace

bool SimplexSolver::load(int rows, int cols, std::vector<double> entries, std::vector<double> rhs,
                         std::vector<double> costs, std::vector<int> basis,
                         std::vector<std::uint8_t> artificial, int addedColumnsFrom)
{
  m_status = Status::NotSolved;
  if (rows < 0 || cols < 0 || entries.size() != std::size_t(rows) * std::size_t(cols)
      || rhs.size() != std::size_t(rows) || costs.size() != std::size_t(cols)
      || basis.size() != std::size_t(rows) || artificial.size() != std::size_t(cols))
    return false;
  for (int col : basis)
    if (col < 0 || col >= cols)
      return false;

  m_rows = rows;
  m_cols = cols;
  m_tieFrom = std::clamp(addedColumnsFrom, 0, cols);
  m_a = std::move(entries);
  m_columnIndex = -1;
  m_b = std::move(rhs);
  m_b0 = m_b;
  m_cost0 = std::move(costs);
  m_c = m_cost0;
  m_basis = std::move(basis);
  m_artificial = std::move(artificial);
  m_barred.assign(std::size_t(cols), 0);
  m_rowOf.assign(std::size_t(cols), -1);
  m_homeRow.assign(std::size_t(cols), -1);
  for (int r = 0; r < rows; ++r) {
    m_rowOf[m_basis[r]] = r;
    m_homeRow[m_basis[r]] = r;
  }
  m_cb.assign(std::size_t(rows), 0.0);
  m_z.assign(std::size_t(cols), 0.0);
  m_d.assign(std::size_t(cols), 0.0);
  m_iterations = 0;
  m_blandPivots = 0;
  m_ranPhaseOne = false;
  return true;
}

double SimplexSolver::value(int col) const
{
  const int r = m_rowOf[col];
  return r < 0 ? 0.0 : m_b[r];
}

double SimplexSolver::objective() const
{
  double sum = 0.0;
  for (int r = 0; r < m_rows; ++r)
    sum += m_cb[r] * m_b[r];
  return sum;
}

void SimplexSolver::computeCriterion()
{
  for (int r = 0; r < m_rows; ++r)
    m_cb[r] = m_c[m_basis[r]];
  std::fill(m_z.begin(), m_z.end(), 0.0);
  for (int r = 0; r < m_rows; ++r) {
    const double cb = m_cb[r];
    if (cb == 0.0)
      continue;
    const double *row = &m_a[std::size_t(r) * m_cols];
    for (int c = 0; c < m_cols; ++c)
      m_z[c] += cb * row[c];
  }
  for (int c = 0; c < m_cols; ++c)
    m_d[c] = m_z[c] - m_c[c];
}

bool SimplexSolver::artificialPositive(int row) const
{
  const int col = m_basis[row];
  if (!m_artificial[col])
    return false;
  const int home = m_homeRow[col];
  const double scale = home < 0 ? 1.0 : std::max(1.0, std::fabs(m_b0[home]));
  return m_b[row] > Tol * scale;
}

bool SimplexSolver::hasPositiveArtificial() const
{
  for (int r = 0; r < m_rows; ++r)
    if (artificialPositive(r))
      return true;
  return false;
}

// -1: no column improves (optimal); -2: the improving columns all lack a
// positive entry (an unbounded direction).
void SimplexSolver::refreshPenalties()
{
  m_penalty.assign(std::size_t(m_cols), 0.0);
  for (int c = 0; c < m_cols; ++c)
    if (m_barred[c] || m_rowOf[c] >= 0)
      m_penalty[c] = -Excluded;
}

int SimplexSolver::chooseEntering(bool bland) const
{
  // The column is copied out once here: the ratio test reads it again.
  auto hasPositiveEntry = [this](int c) {
    gatherColumn(c);
    for (int r = 0; r < m_rows; ++r)
      if (m_column[r] >= Tol)
        return true;
    return false;
  };
  // Basic and barred columns carry a huge negative penalty, so the scans
  // below need no branch per column to pass them over.
  const double *d = m_d.data();
  const double *penalty = m_penalty.data();

  bool anyCandidate = false;
  if (bland) {
    for (int c = 0; c < m_cols; ++c) {
      if (d[c] + penalty[c] < Tol)
        continue;
      anyCandidate = true;
      if (hasPositiveEntry(c))
        return c;
    }
    return anyCandidate ? -2 : -1;
  }

  // Largest criterion first; the first of equal ones. A column without a
  // positive entry is passed over for the next largest.
  std::vector<int> &skipped = m_scratch;
  skipped.clear();
  for (;;) {
    int best = -1;
    double bestValue = Tol;
    for (int c = 0; c < m_cols; ++c) {
      const double v = d[c] + penalty[c];
      if (v >= bestValue && (best < 0 || v - bestValue >= Tol)) {
        if (!skipped.empty() && std::find(skipped.begin(), skipped.end(), c) != skipped.end())
          continue;
        best = c;
        bestValue = v;
      }
    }
    if (best < 0)
      return skipped.empty() ? -1 : -2;
    if (hasPositiveEntry(best))
      return best;
    skipped.push_back(best);
  }
}

void SimplexSolver::gatherColumn(int c) const
{
  if (m_columnIndex == c)
    return;
  m_column.resize(std::size_t(m_rows));
  const double *p = m_a.data() + c;
  for (int r = 0; r < m_rows; ++r, p += m_cols)
    m_column[r] = *p;
  m_columnIndex = c;
}

int SimplexSolver::ratioTest(int e, bool bland) const
{
  // One pass down the column gathers the qualifying rows and their
  // quotients; the ties are then found among those alone.
  std::vector<int> &rows = m_pivotNz;
  std::vector<double> &quotients = m_quotients;
  rows.clear();
  quotients.clear();
  int best = -1;
  double bestQ = 0.0;
  gatherColumn(e);
  for (int r = 0; r < m_rows; ++r) {
    const double a = m_column[r];
    if (a < Tol)
      continue;
    const double q = std::max(m_b[r], 0.0) / a;
    rows.push_back(r);
    quotients.push_back(q);
    if (best < 0 || bestQ - q >= Tol) {
      best = r;
      bestQ = q;
    }
  }
  if (best < 0)
    return -1;

  std::vector<int> &tied = m_scratch;
  tied.clear();
  for (std::size_t k = 0; k < rows.size(); ++k)
    if (std::fabs(quotients[k] - bestQ) < Tol)
      tied.push_back(rows[k]);
  if (tied.size() <= 1)
    return best;

  if (bland) {
    int chosen = tied.front();
    for (int r : tied)
      if (m_basis[r] < m_basis[chosen])
        chosen = r;
    return chosen;
  }

  // Compare the tied rows divided by their pivot entries, the added columns
  // (surplus, then basic) first, then the feed columns.
  auto decide = [&](int c) -> int {
    const double first = at(tied.front(), c) / at(tied.front(), e);
    bool differs = false;
    for (std::size_t k = 1; k < tied.size() && !differs; ++k)
      differs = std::fabs(at(tied[k], c) / at(tied[k], e) - first) >= Tol;
    if (!differs)
      return -1;
    int chosen = tied.front();
    double low = first;
    for (std::size_t k = 1; k < tied.size(); ++k) {
      const double v = at(tied[k], c) / at(tied[k], e);
      if (low - v >= Tol) {
        chosen = tied[k];
        low = v;
      }
    }
    return chosen;
  };
  for (int c = m_tieFrom; c < m_cols; ++c)
    if (const int r = decide(c); r >= 0)
      return r;
  for (int c = 0; c < m_tieFrom; ++c)
    if (const int r = decide(c); r >= 0)
      return r;
  return best;
}

void SimplexSolver::pivot(int r, int e)
{
  double *prow = &m_a[std::size_t(r) * m_cols];
  const double p = prow[e];
  if (p != 1.0) {
    const double inv = 1.0 / p;
    for (int c = 0; c < m_cols; ++c)
      prow[c] *= inv;
    m_b[r] *= inv;
  }
  prow[e] = 1.0;

  // Only the pivot row's non-zero columns change; the tableau is mostly the
  // identity blocks of the added columns, so this skips most of the work.
  std::vector<int> &nz = m_pivotNz;
  nz.clear();
  for (int c = 0; c < m_cols; ++c)
    if (prow[c] != 0.0)
      nz.push_back(c);
  const bool sparse = nz.size() * 4 < std::size_t(m_cols);
  const double br = m_b[r];

  auto eliminate = [&](double *row, double mult) {
    if (sparse) {
      for (int c : nz)
        row[c] -= mult * prow[c];
    } else {
      subtractMultiple(row, prow, mult, m_cols);
    }
    row[e] = 0.0;
  };

  for (int i = 0; i < m_rows; ++i) {
    if (i == r)
      continue;
    double *row = &m_a[std::size_t(i) * m_cols];
    const double mult = row[e];
    if (mult == 0.0)
      continue;
    eliminate(row, mult);
    m_b[i] -= mult * br;
  }
  const double de = m_d[e];
  if (de != 0.0)
    eliminate(m_d.data(), de);

  m_columnIndex = -1;
  const int leaving = m_basis[r];
  m_rowOf[leaving] = -1;
  m_penalty[leaving] = m_barred[leaving] ? -Excluded : 0.0;
  m_basis[r] = e;
  m_rowOf[e] = r;
  m_penalty[e] = -Excluded;
  m_cb[r] = m_c[e];
}

SimplexSolver::LoopEnd SimplexSolver::iterate()
{
  int degenerateRun = 0;
  bool bland = false;
  int sinceRefresh = 0;
  for (;;) {
    if (m_iterations >= m_iterationLimit)
      return LoopEnd::IterationLimit;
    // The criterion row is carried through the pivots; recompute it now and
    // then, and always before taking a stop for an optimum.
    if (++sinceRefresh >= 64) {
      computeCriterion();
      sinceRefresh = 0;
    }
    int e = chooseEntering(bland);
    if (e < 0) {
      computeCriterion();
      sinceRefresh = 0;
      e = chooseEntering(bland);
      if (e == -1)
        return LoopEnd::Optimal;
      if (e == -2)
        return LoopEnd::Unbounded;
    }
    const int r = ratioTest(e, bland);
    if (r < 0)
      return LoopEnd::Unbounded;
    const bool degenerate = std::max(m_b[r], 0.0) / at(r, e) < Tol;
    pivot(r, e);
    ++m_iterations;
    if (bland)
      ++m_blandPivots;
    if (degenerate) {
      if (++degenerateRun > (m_stallLimit >= 0 ? m_stallLimit : defaultStallLimit(m_rows)))
        bland = true;
    } else {
      degenerateRun = 0;
      bland = false;
    }
  }
}

void SimplexSolver::driveOutZeroArtificials()
{
  for (int r = 0; r < m_rows; ++r) {
    const int art = m_basis[r];
    if (!m_artificial[art])
      continue;
    int best = -1;
    double bestAbs = 0.0;
    for (int c = 0; c < m_cols; ++c) {
      if (m_artificial[c] || m_rowOf[c] >= 0)
        continue;
      const double v = std::fabs(at(r, c));
      if (v >= Tol && v > bestAbs) {
        best = c;
        bestAbs = v;
      }
    }
    m_b[r] = 0.0;  // within the feasibility tolerance: this is its level
    if (best >= 0) {
      pivot(r, best);
    } else {
      // No column reaches this row: the artificial stays at zero for good,
      // and its cost must not pass into the row's dual.
      m_c[art] = 0.0;
      m_cb[r] = 0.0;
    }
  }
}

SimplexSolver::Status SimplexSolver::solve()
{
  m_iterations = 0;
  m_blandPivots = 0;
  m_ranPhaseOne = false;
  m_iterationLimit = 100 * (m_rows + m_cols) + 1000;
  m_c = m_cost0;
  std::fill(m_barred.begin(), m_barred.end(), 0);
  refreshPenalties();
  computeCriterion();

  LoopEnd end = iterate();
  if (end == LoopEnd::IterationLimit) {
    computeCriterion();
    return m_status = Status::IterationLimit;
  }

  bool anyArtificialBasic = false;
  for (int r = 0; r < m_rows; ++r)
    anyArtificialBasic = anyArtificialBasic || m_artificial[m_basis[r]];
  if (!anyArtificialBasic) {
    computeCriterion();
    return m_status = (end == LoopEnd::Optimal ? Status::Optimal : Status::Unbounded);
  }

  if (hasPositiveArtificial()) {
    // Minimise the sum of the artificials from here before calling it
    // infeasible: the Big-M may simply have been too small.
    m_ranPhaseOne = true;
    const std::vector<double> a = m_a, b = m_b;
    const std::vector<int> basis = m_basis, rowOf = m_rowOf;
    for (int c = 0; c < m_cols; ++c)
      m_c[c] = m_artificial[c] ? 1.0 : 0.0;
    computeCriterion();
    const LoopEnd phaseOne = iterate();
    if (phaseOne == LoopEnd::IterationLimit || hasPositiveArtificial()) {
      m_a = a;
      m_columnIndex = -1;
      m_b = b;
      m_basis = basis;
      m_rowOf = rowOf;
      refreshPenalties();
      m_c = m_cost0;
      computeCriterion();
      return m_status = (phaseOne == LoopEnd::IterationLimit ? Status::IterationLimit
                                                             : Status::Infeasible);
    }
    m_c = m_cost0;
    for (int r = 0; r < m_rows; ++r)
      m_cb[r] = m_c[m_basis[r]];
  }

  // Feasible with artificials at level zero: take them out, bar them, and
  // finish on the true costs.
  driveOutZeroArtificials();
  for (int c = 0; c < m_cols; ++c)
    m_barred[c] = m_artificial[c];
  refreshPenalties();
  computeCriterion();
  end = iterate();
  computeCriterion();
  switch (end) {
  case LoopEnd::Optimal: return m_status = Status::Optimal;
  case LoopEnd::Unbounded: return m_status = Status::Unbounded;
  case LoopEnd::IterationLimit: break;
  }
  return m_status = Status::IterationLimit;
}

} // namespace vz

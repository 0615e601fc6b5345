#include "simplexsolver.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace vz {

namespace {

constexpr double Tol = SimplexSolver::Tolerance;
constexpr double Excluded = 1e300;

// Pivots since the tableau was loaded or last computed afresh below which it
// still counts as fresh when a further stall is met. A solve that never
// stalls takes its verdict on a tableau updated by up to some four hundred
// pivots, and after a stall the tableau is computed afresh every
// RefactorEvery pivots anyway and every verdict on data computed afresh of
// its own, so a stall brings a fresh tableau only past that. At 150, two in
// three of the large degenerate 85 x 60 problems computed one afresh at a
// stall, each costing as much as some fifty pivots, for no verdict and next
// to no pivot saved.
constexpr int FreshPivots = 400;

// Pivots after a stall between two tableaux computed afresh, to keep the
// round-off of a long run from building up. Every verdict is taken on data
// computed afresh of its own (see settle()), so this only guards the pivots
// on the way: at 100, one in five of the large infeasible problems paid for
// a further refactorisation a few dozen pivots before its verdict, and the
// round-off of the longer stretch changed no verdict and no pivot count to
// speak of.
constexpr int RefactorEvery = 150;

// Pivots without the cost falling that count as a stall as well.
int progressWindow(int rows)
{
  return std::max(50, rows);
}

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default"), optimize("fp-contract=off")))
#endif
void addSquares(double *__restrict sums, const double *__restrict row, int cols)
{
  for (int c = 0; c < cols; ++c)
    sums[c] += row[c] * row[c];
}

// The first block of columns, from column `from` on and before `end` (both
// whole blocks), in which a criterion with its penalty reaches `value`;
// `end` when none does. A block is two vectors of four and one test, on
// every machine the build is for: most blocks hold basic, barred or not
// improving columns alone and are passed over so.
constexpr int CriterionBlock = 8;
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default")))
#endif
int nextBlockReaching(const double *d, const double *penalty, int from, int end, double value)
{
  typedef double Half __attribute__((vector_size(32), aligned(8), may_alias));
  typedef std::int64_t HalfMask __attribute__((vector_size(32)));
  for (int c = from; c < end; c += CriterionBlock) {
    const Half *dh = reinterpret_cast<const Half *>(d + c);
    const Half *ph = reinterpret_cast<const Half *>(penalty + c);
    const HalfMask reaches = (dh[0] + ph[0] >= value) | (dh[1] + ph[1] >= value);
    if ((reaches[0] | reaches[1] | reaches[2] | reaches[3]) != 0)
      return c;
  }
  return end;
}

// The improving columns (a criterion with its penalty at or above the
// tolerance), in the order of the columns, into `listed`; their count.
// Most columns are basic, barred or not improving: a block of them without
// an improving one is passed over with one test (see nextBlockReaching()),
// and only the others are scored (see edgeScores()).
int improvingColumns(int *listed, const double *d, const double *penalty, int cols)
{
  int count = 0;
  auto consider = [&](int c) {
    listed[count] = c;
    count += d[c] + penalty[c] >= Tol ? 1 : 0;
  };
  const int blocksEnd = cols / CriterionBlock * CriterionBlock;
  for (int c = 0; (c = nextBlockReaching(d, penalty, c, blocksEnd, Tol)) < blocksEnd; c += CriterionBlock)
    for (int k = c; k < c + CriterionBlock; ++k)
      consider(k);
  for (int c = blocksEnd; c < cols; ++c)
    consider(c);
  return count;
}

// Per listed column, its steepest-edge score: the criterion with its
// penalty squared over the column's weight.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("fp-contract=off")))
#endif
void edgeScores(double *__restrict score, const int *__restrict listed, int count, const double *__restrict d,
                const double *__restrict penalty, const double *__restrict norms)
{
  for (int k = 0; k < count; ++k) {
    const int c = listed[k];
    const double v = d[c] + penalty[c];
    score[k] = v * v / norms[c];
  }
}

// Per row, the ratio test's quotient of a row the column qualifies (an
// entry not below the tolerance), and infinity for any other row, which
// then never comes first; the smallest of them comes back. The quotients
// are the very divisions the ratio test makes, four at a time (written out
// in vectors: a division under a condition is never vectorised, lest it
// trap).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default")))
#endif
double rowQuotients(double *__restrict q, const double *__restrict b, const double *__restrict column, int rows)
{
  typedef double Quad __attribute__((vector_size(32), aligned(8), may_alias));
  constexpr double Inf = std::numeric_limits<double>::infinity();
  const Quad zero = {0.0, 0.0, 0.0, 0.0};
  const Quad inf = {Inf, Inf, Inf, Inf};
  Quad least4 = inf;
  int r = 0;
  for (; r + 4 <= rows; r += 4) {
    const Quad bv = *reinterpret_cast<const Quad *>(b + r);
    const Quad cv = *reinterpret_cast<const Quad *>(column + r);
    Quad v = (bv < zero ? zero : bv) / cv;
    v = cv < Tol ? inf : v;
    *reinterpret_cast<Quad *>(q + r) = v;
    least4 = v < least4 ? v : least4;
  }
  double least = Inf;
  for (int k = 0; k < 4; ++k)
    least = least4[k] < least ? least4[k] : least;
  for (; r < rows; ++r) {
    q[r] = column[r] < Tol ? Inf : std::max(b[r], 0.0) / column[r];
    least = q[r] < least ? q[r] : least;
  }
  return least;
}

// The rows whose quotient is not clear of `least` by the tolerance, as the
// ratio test compares them (q - least >= Tol); a row of the least quotient
// is always one of them.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default")))
#endif
int rowsNearLeast(const double *q, int rows, double least)
{
  typedef double Quad __attribute__((vector_size(32), aligned(8), may_alias));
  typedef std::int64_t QuadMask __attribute__((vector_size(32)));
  const Quad low = {least, least, least, least};
  QuadMask clear = {0, 0, 0, 0};  // minus the rows clear of it
  int r = 0;
  for (; r + 4 <= rows; r += 4)
    clear += *reinterpret_cast<const Quad *>(q + r) - low >= Tol;
  int near = r + int(clear[0] + clear[1] + clear[2] + clear[3]);
  for (; r < rows; ++r)
    near += q[r] - least >= Tol ? 0 : 1;
  return near;
}

// How many of `rows` entries of a column the ratio test qualifies (an
// entry not below the tolerance), and in `first` the first of them (`rows`
// when none is). The count takes no branch per row (which rows qualify
// follows no pattern a branch predictor could learn) and counts those
// below, four rows at a time.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default")))
#endif
int qualifyingRows(const double *column, int rows, int &first)
{
  typedef double Quad __attribute__((vector_size(32), aligned(8), may_alias));
  typedef std::int64_t QuadMask __attribute__((vector_size(32)));
  QuadMask below = {0, 0, 0, 0};  // minus the rows below, per lane
  int r = 0;
  for (; r + 4 <= rows; r += 4)
    below += *reinterpret_cast<const Quad *>(column + r) < Tol;
  int count = r + int(below[0] + below[1] + below[2] + below[3]);
  for (; r < rows; ++r)
    count += column[r] < Tol ? 0 : 1;
  first = 0;
  while (first < rows && column[first] < Tol)
    ++first;
  return count;
}

// The first row from `from` on, before `rows`, whose quotient is below
// `bestQ` by the tolerance or more, as the ratio test compares them
// (bestQ - q >= Tol); `rows` when none is. Four rows are tested at a time:
// mostly none of them is.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default")))
#endif
int nextRowBelow(const double *q, int from, int rows, double bestQ)
{
  typedef double Quad __attribute__((vector_size(32), aligned(8), may_alias));
  typedef std::int64_t QuadMask __attribute__((vector_size(32)));
  const Quad best = {bestQ, bestQ, bestQ, bestQ};
  int r = from;
  for (; r + 4 <= rows; r += 4) {
    const QuadMask below = best - *reinterpret_cast<const Quad *>(q + r) >= Tol;
    if ((below[0] | below[1] | below[2] | below[3]) != 0)
      break;
  }
  for (; r < rows; ++r)
    if (bestQ - q[r] >= Tol)
      return r;
  return rows;
}

// The rows whose quotient is within the tolerance of `bestQ`, as the ratio
// test compares them (|q - bestQ| < Tol), in order, into `tied`; their
// count. Four rows are tested at a time: mostly none of them is.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default")))
#endif
int rowsTiedWith(int *tied, const double *q, int rows, double bestQ)
{
  typedef double Quad __attribute__((vector_size(32), aligned(8), may_alias));
  typedef std::int64_t QuadMask __attribute__((vector_size(32)));
  const Quad best = {bestQ, bestQ, bestQ, bestQ};
  int count = 0;
  auto consider = [&](int r) {
    tied[count] = r;
    count += std::fabs(q[r] - bestQ) < Tol ? 1 : 0;
  };
  int r = 0;
  for (; r + 4 <= rows; r += 4) {
    Quad d = *reinterpret_cast<const Quad *>(q + r) - best;
    d = d < 0.0 ? -d : d;
    const QuadMask near = d < Tol;
    if ((near[0] | near[1] | near[2] | near[3]) != 0)
      for (int k = r; k < r + 4; ++k)
        consider(k);
  }
  for (; r < rows; ++r)
    consider(r);
  return count;
}

// sums[c] += scale * row[c]: a multiply and an add, never fused, on every
// build.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default"), optimize("fp-contract=off")))
#endif
void addScaled(double *__restrict sums, const double *__restrict row, double scale, int cols)
{
  for (int c = 0; c < cols; ++c)
    sums[c] += scale * row[c];
}

// The criteria after a pivot: each column's falls by the entering one's
// times the column's entry in the pivot row, read through its stored column.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default"), optimize("fp-contract=off")))
#endif
void updateCriteria(double *__restrict d, const double *__restrict sign, const int *__restrict storedOf,
                    const double *__restrict prow, double de, int cols)
{
  for (int c = 0; c < cols; ++c)
    d[c] -= de * (sign[c] * prow[storedOf[c]]);
}

// updateCriteria() and, in the same pass, the pricing weights after a stall
// (see SimplexSolver::pivot()): each column's weight grows to its entry in
// the pivot row squared times the entering column's weight `we`, when that
// is more. Both read the pivot row through the same stored column, which
// is then gathered once.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default"), optimize("fp-contract=off")))
#endif
void updateCriteriaAndWeights(double *__restrict d, double *__restrict w, const double *__restrict sign,
                              const int *__restrict storedOf, const double *__restrict prow, double de, double we,
                              int cols)
{
  for (int c = 0; c < cols; ++c) {
    const double t = prow[storedOf[c]];
    d[c] -= de * (sign[c] * t);
    const double grown = t * t * we;
    w[c] = w[c] < grown ? grown : w[c];
  }
}

// The weights alone, as updateCriteriaAndWeights() grows them.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default"), optimize("fp-contract=off")))
#endif
void growWeights(double *__restrict w, const int *__restrict storedOf, const double *__restrict prow, double we,
                 int cols)
{
  for (int c = 0; c < cols; ++c) {
    const double t = prow[storedOf[c]];
    const double grown = t * t * we;
    w[c] = w[c] < grown ? grown : w[c];
  }
}

// Multiplies `lineCount` lines of eight entries by `inv` and marks the lines
// that hold an entry other than zero.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default"), optimize("fp-contract=off")))
#endif
void divideAndMark(double *prow, double inv, int lineCount, std::uint8_t *lines)
{
  // A line as two vectors of four: the compiler keeps these in registers on
  // every machine it builds for.
  typedef double Half __attribute__((vector_size(32), may_alias));
  typedef std::int64_t HalfMask __attribute__((vector_size(32)));
  Half *halves = reinterpret_cast<Half *>(prow);
  for (int l = 0; l < lineCount; ++l) {
    const Half low = halves[2 * l] * inv, high = halves[2 * l + 1] * inv;
    halves[2 * l] = low;
    halves[2 * l + 1] = high;
    const HalfMask nonZero = (low != 0.0) | (high != 0.0);  // either zero counts as zero
    lines[l] = (nonZero[0] | nonZero[1] | nonZero[2] | nonZero[3]) != 0 ? 1 : 0;
  }
}

// Which entries of a pivot row a row update goes through: the runs of whole
// cache lines (eight entries, where the rows start) that hold a non-zero
// entry of the pivot row, neighbouring lines in one run. An entry in a
// column the pivot row holds 0 in loses a zero (at most the sign of a zero
// changes, which nothing reads), so every plan gives the same numbers; the
// plan only saves work. The basic columns lie in lines of their own after
// the others (see arrangeStored()) and, but for the one that leaves, hold 0
// in the pivot row; early in a solve the added columns are mostly zero in
// it as well. A line is one vector instruction where the machine has the
// width: an entry taken one at a time from a list cost about as much as a
// whole line and had to wait for it all the same.
struct RowPlan {
  static constexpr int Line = 8;
  std::vector<int> &runs;     // scratch kept by the solver: start and end of each run
  std::vector<std::uint8_t> &lines;  // likewise: per line, whether it takes part
  int count = 0;

  // Divides the pivot row of `stride` entries (a whole number of lines)
  // through by the pivot (multiplies it by `inv`) and plans the update of
  // the other rows.
  void make(double *prow, double inv, int stride)
  {
    const int lineCount = stride / Line;
    lines.resize(std::size_t(lineCount));
    divideAndMark(prow, inv, lineCount, lines.data());
    runs.resize(std::size_t(lineCount) + 1);
    count = 0;
    for (int l = 0; l < lineCount;) {
      if (!lines[l]) {
        ++l;
        continue;
      }
      const int start = l;
      while (l < lineCount && lines[l])
        ++l;
      runs[2 * count] = start * Line;
      runs[2 * count + 1] = l * Line;
      ++count;
    }
  }
};

// The largest of 1 and the magnitudes of row[k] * keep[k] over `n` entries
// (a whole number of vectors of four), keep[k] being 1 or 0. The largest of
// some numbers is the same in any order, so four lanes at a time.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default")))
#endif
double largestKept(const double *row, const double *keep, int n)
{
  typedef double Half __attribute__((vector_size(32), aligned(8), may_alias));
  Half top = {1.0, 1.0, 1.0, 1.0};
  for (int k = 0; k + 4 <= n; k += 4) {
    Half v = *reinterpret_cast<const Half *>(row + k) * *reinterpret_cast<const Half *>(keep + k);
    v = v < 0.0 ? -v : v;
    top = v > top ? v : top;
  }
  return std::max(std::max(top[0], top[1]), std::max(top[2], top[3]));
}

// The runs of the lines that either of two plans' rows takes part in, as
// RowPlan::make() finds them; their count.
int unionRuns(const std::uint8_t *x, const std::uint8_t *y, int lineCount, std::vector<int> &runs)
{
  runs.resize(std::size_t(lineCount) + 1);
  int count = 0;
  for (int l = 0; l < lineCount;) {
    if (!(x[l] | y[l])) {
      ++l;
      continue;
    }
    const int start = l;
    while (l < lineCount && (x[l] | y[l]))
      ++l;
    runs[2 * count] = start * RowPlan::Line;
    runs[2 * count + 1] = l * RowPlan::Line;
    ++count;
  }
  return count;
}

// to[k] -= mult * from[k] over `count` entries, a whole number of lines
// that start on cache lines and do not overlap: a line is one vector
// instruction, or two, with no checks for overlap and no loose ends.
[[gnu::always_inline]] inline void subtractLines(double *__restrict to, const double *__restrict from, int count,
                                                 double mult)
{
  to = static_cast<double *>(__builtin_assume_aligned(to, 64));
  from = static_cast<const double *>(__builtin_assume_aligned(from, 64));
  for (int k = 0; k < count; k += RowPlan::Line)
    for (int t = 0; t < RowPlan::Line; ++t)
      to[k + t] -= mult * from[k + t];
}

// Gauss-Jordan step on a row-major tableau of m rows, `stride` entries
// apart (a whole number of lines), each starting on a cache line: column e
// is cleared from every row but the pivot row r, which is already divided
// through. Column e is read times `sign` (see SimplexSolver::at()). In the
// same pass the cleared column changes places with column `leaving` in
// every row but r (see SimplexSolver::swapStored()), the basic column of row
// r, whose entries there are all 0 before the step. Each
// entry is one multiply and one subtraction (no fused multiply-add, not even
// where the machine has one), so every build of this function gives the same
// numbers; the wider ones are only faster.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default"), optimize("fp-contract=off")))
#endif
void clearColumn(double *a, double *b, int m, int stride, int r, int e, int leaving, double sign,
                 const RowPlan &plan)
{
  const double *prow = static_cast<const double *>(__builtin_assume_aligned(a + std::size_t(r) * stride, 64));
  const double br = b[r];
  const int *runs = plan.runs.data();
  const int runCount = plan.count;
  for (int i = 0; i < m; ++i) {
    if (i == r)
      continue;
    double *row = static_cast<double *>(__builtin_assume_aligned(a + std::size_t(i) * stride, 64));
    const double mult = sign * row[e];
    if (mult != 0.0) {
      for (int j = 0; j < runCount; ++j)
        subtractLines(row + runs[2 * j], prow + runs[2 * j], runs[2 * j + 1] - runs[2 * j], mult);
      b[i] -= mult * br;
    }
    row[e] = row[leaving];
    row[leaving] = 0.0;
  }
}

// A pivot whose update of the other rows waits (see SimplexSolver::pivot()):
// its row, the stored columns that enter and leave, its row divided through
// as it stood before those swapped places, each row's multiplier (the row's
// entry in the entering column before the pivot, times its sign; 0 for its
// own row) and the plan of the update.
struct PendingUpdate {
  int row;
  int entering;
  int leaving;
  const double *prow;
  const double *mult;
  const int *runs;
  int runCount;
  const std::uint8_t *lines;
};

// What clearColumn() makes of one row, with its multiplier given.
[[gnu::always_inline]] inline void updateRow(double *row, const PendingUpdate &u, double mult)
{
  if (mult != 0.0)
    for (int j = 0; j < u.runCount; ++j)
      subtractLines(row + u.runs[2 * j], u.prow + u.runs[2 * j], u.runs[2 * j + 1] - u.runs[2 * j], mult);
  row[u.entering] = row[u.leaving];
  row[u.leaving] = 0.0;
}

// The update of rows [from, to) of a waiting pivot, but for its own row.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default"), optimize("fp-contract=off")))
#endif
void applyPending(double *a, int from, int to, int stride, const PendingUpdate &u)
{
  for (int i = from; i < to; ++i)
    if (i != u.row)
      updateRow(static_cast<double *>(__builtin_assume_aligned(a + std::size_t(i) * stride, 64)), u, u.mult[i]);
}

// clearColumn() after the waiting pivot `u`, the two updates made in one
// pass: each line of a row is loaded and stored once for both. Row r has
// taken `u`'s update already; `mult` holds each row's multiplier for this
// pivot, its entry in column e after `u` (see pendingColumn()), and `runs`
// the lines that either pivot row holds a non-zero entry in. A line that
// only one of them takes part in takes a subtraction of 0 * 0 from the
// other, which leaves a number as it is (at most a zero's sign changes,
// see RowPlan), as does a multiplier of 0.
//
// `u` moves the entry of its leaving column to its entering column's place
// after its subtraction, and this pivot's subtraction comes after that: the
// two places are made over once the line pass is done, from the entry
// loaded before it, with the same operations. Written before the pass,
// they would be stores a line load of the pass had to wait for. `active`
// is scratch of m rows, `moved` of 2m.
template <bool WholeLines>
[[gnu::always_inline]] inline void clearColumnAfterIn(double *a, double *b, int m, int stride, int r, int e,
                                                      int leaving, const double *mult, const int *runs, int runCount,
                                                      const PendingUpdate &u, int *active, double *moved)
{
  const double *prow = static_cast<const double *>(__builtin_assume_aligned(a + std::size_t(r) * stride, 64));
  const double *urow = static_cast<const double *>(__builtin_assume_aligned(u.prow, 64));
  const double br = b[r];
  const double uLeaving = urow[u.leaving], atEntering = prow[u.entering], atLeaving = prow[u.leaving];
  auto rowOf = [&](int i) { return static_cast<double *>(__builtin_assume_aligned(a + std::size_t(i) * stride, 64)); };
  // The rows either pivot changes, and the entries to be moved, taken
  // before the pass changes them.
  int count = 0;
  for (int i = 0; i < m; ++i) {
    moved[i] = a[std::size_t(i) * stride + u.leaving];
    active[count] = i;
    count += i != r && (u.mult[i] != 0.0 || mult[i] != 0.0) ? 1 : 0;
  }
  // Four rows at a time: a line of each pivot row is loaded once for the
  // four, where the loads are what the pass waits on. Where a line fits in
  // one vector register (`WholeLines`), it is written as one vector of
  // eight: the compiler then keeps each line of the pivot rows in a
  // register for the four rows, where from arrays of eight it made some
  // eight per cent more of the pass's time. Narrower machines take the
  // arrays: split into halves there, the vectors of eight made the pass
  // twice as slow.
  constexpr int Rows = 4;
  int k = 0;
  for (; k + Rows <= count; k += Rows) {
    double *row[Rows];
    double mu[Rows], mt[Rows];
    for (int q = 0; q < Rows; ++q) {
      row[q] = rowOf(active[k + q]);
      mu[q] = u.mult[active[k + q]];
      mt[q] = mult[active[k + q]];
    }
    if constexpr (WholeLines) {
      typedef double LineVector __attribute__((vector_size(64), aligned(64)));
      const LineVector *ul = reinterpret_cast<const LineVector *>(urow);
      const LineVector *tl = reinterpret_cast<const LineVector *>(prow);
      LineVector *lines[Rows];
      for (int q = 0; q < Rows; ++q)
        lines[q] = reinterpret_cast<LineVector *>(row[q]);
      for (int j = 0; j < runCount; ++j)
        for (int l = runs[2 * j] / RowPlan::Line; l < runs[2 * j + 1] / RowPlan::Line; ++l) {
          const LineVector up = ul[l], tp = tl[l];
          for (int q = 0; q < Rows; ++q)
            lines[q][l] = (lines[q][l] - mu[q] * up) - mt[q] * tp;
        }
    } else {
      for (int j = 0; j < runCount; ++j)
        for (int c = runs[2 * j]; c < runs[2 * j + 1]; c += RowPlan::Line) {
          double up[RowPlan::Line], tp[RowPlan::Line];
          for (int t = 0; t < RowPlan::Line; ++t) {
            up[t] = urow[c + t];
            tp[t] = prow[c + t];
          }
          for (int q = 0; q < Rows; ++q)
            for (int t = 0; t < RowPlan::Line; ++t)
              row[q][c + t] = (row[q][c + t] - mu[q] * up[t]) - mt[q] * tp[t];
        }
    }
  }
  for (; k < count; ++k) {
    double *row = rowOf(active[k]);
    const double mu = u.mult[active[k]], mt = mult[active[k]];
    for (int j = 0; j < runCount; ++j)
      for (int c = runs[2 * j]; c < runs[2 * j + 1]; c += RowPlan::Line)
        for (int t = 0; t < RowPlan::Line; ++t)
          row[c + t] = (row[c + t] - mu * urow[c + t]) - mt * prow[c + t];
  }
  // The two places and the levels: every row's operations are made, four
  // rows at a time, and their results kept or not by its multipliers,
  // where a branch per row followed no pattern the predictor could learn.
  // Row r keeps its level; `moved` takes the entering column's entries,
  // and its second half the leaving column's.
  typedef double Quad __attribute__((vector_size(32), aligned(8), may_alias));
  const Quad none = {0.0, 0.0, 0.0, 0.0};
  double *zeros = moved + m;
  int i = 0;
  for (; i + 4 <= m; i += 4) {
    const Quad mu = *reinterpret_cast<const Quad *>(u.mult + i);
    const Quad mt = *reinterpret_cast<const Quad *>(mult + i);
    const Quad was = *reinterpret_cast<const Quad *>(moved + i);
    const Quad lifted = was - mu * uLeaving;
    const Quad x = mu != none ? lifted : was;
    const Quad xt = x - mt * atEntering, zt = none - mt * atLeaving;
    *reinterpret_cast<Quad *>(moved + i) = mt != none ? xt : x;
    *reinterpret_cast<Quad *>(zeros + i) = mt != none ? zt : none;
    const Quad level = *reinterpret_cast<const Quad *>(b + i);
    const Quad lowered = level - mt * br;
    *reinterpret_cast<Quad *>(b + i) = mt != none ? lowered : level;
  }
  for (; i < m; ++i) {
    const double mu = u.mult[i], mt = mult[i];
    double x = mu != 0.0 ? moved[i] - mu * uLeaving : moved[i];
    double zero = 0.0;
    if (mt != 0.0) {
      x -= mt * atEntering;
      zero -= mt * atLeaving;
      b[i] -= mt * br;
    }
    moved[i] = x;
    zeros[i] = zero;
  }
  b[r] = br;
  for (i = 0; i < m; ++i) {
    if (i == r)
      continue;
    double *row = rowOf(i);
    if (i != u.row) {
      row[u.entering] = moved[i];
      row[u.leaving] = zeros[i];
    }
    row[e] = row[leaving];
    row[leaving] = 0.0;
  }
}

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target("avx512f"), optimize("fp-contract=off")))
void clearColumnAfterWide(double *a, double *b, int m, int stride, int r, int e, int leaving, const double *mult,
                          const int *runs, int runCount, const PendingUpdate &u, int *active, double *moved)
{
  clearColumnAfterIn<true>(a, b, m, stride, r, e, leaving, mult, runs, runCount, u, active, moved);
}

__attribute__((target_clones("avx2", "default"), optimize("fp-contract=off")))
#endif
void clearColumnAfterNarrow(double *a, double *b, int m, int stride, int r, int e, int leaving, const double *mult,
                            const int *runs, int runCount, const PendingUpdate &u, int *active, double *moved)
{
  clearColumnAfterIn<false>(a, b, m, stride, r, e, leaving, mult, runs, runCount, u, active, moved);
}

void clearColumnAfter(double *a, double *b, int m, int stride, int r, int e, int leaving, const double *mult,
                      const int *runs, int runCount, const PendingUpdate &u, int *active, double *moved)
{
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
  static const bool wide = __builtin_cpu_supports("avx512f");
  if (wide) {
    clearColumnAfterWide(a, b, m, stride, r, e, leaving, mult, runs, runCount, u, active, moved);
    return;
  }
#endif
  clearColumnAfterNarrow(a, b, m, stride, r, e, leaving, mult, runs, runCount, u, active, moved);
}

// column[k] = sign * (mult[k] != 0 ? p[k * stride] - mult[k] * pv :
// p[k * stride]) for `count` rows: every row's entry is computed and kept
// or not, four rows at a time, where a branch per row followed no pattern
// the predictor could learn (and the compiler would not compute a
// subtraction the condition may not need, lest it trap).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default"), optimize("fp-contract=off")))
#endif
void changedColumn(const double *p, int stride, const double *mult, int count, double pv, double sign,
                   double *column)
{
  typedef double Quad __attribute__((vector_size(32), aligned(8), may_alias));
  const Quad zero = {0.0, 0.0, 0.0, 0.0};
  const std::size_t step = std::size_t(stride);
  int k = 0;
  for (; k + 4 <= count; k += 4, p += 4 * step) {
    const Quad x = {p[0], p[step], p[2 * step], p[3 * step]};
    const Quad m = *reinterpret_cast<const Quad *>(mult + k);
    const Quad moved = x - m * pv;
    *reinterpret_cast<Quad *>(column + k) = sign * (m != zero ? moved : x);
  }
  for (; k < count; ++k, p += step)
    column[k] = sign * (mult[k] != 0.0 ? *p - mult[k] * pv : *p);
}

// How stored column s reads as the waiting pivot `u` will leave it: after
// the pivot the entering column holds what the leaving one's stored column
// had, and the leaving one 0 (see clearColumn()); the pivot's own row is up
// to date.
struct PendingRead {
  int s;
  int source;
  bool zero;
  bool changes;
  double pv;

  PendingRead(const PendingUpdate &u, int s)
      : s(s), source(s == u.entering ? u.leaving : s), zero(s == u.leaving),
        changes(u.lines[source / RowPlan::Line] != 0), pv(u.prow[source])
  {
  }

  // Row i's entry, by the operations its update makes, so the number is
  // that of the updated tableau.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
  __attribute__((optimize("fp-contract=off")))
#endif
  [[gnu::always_inline]] double entry(const double *a, int stride, int i, const PendingUpdate &u) const
  {
    if (i == u.row)
      return a[std::size_t(i) * stride + s];
    if (zero)
      return 0.0;
    double v = a[std::size_t(i) * stride + source];
    if (changes && u.mult[i] != 0.0)
      v -= u.mult[i] * pv;
    return v;
  }
};

// Stored column s of rows [from, to) as the waiting pivot `u` will leave
// it, times `sign`, into `column` (from its start).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("fp-contract=off")))
#endif
void pendingColumn(const double *a, int from, int to, int stride, int s, double sign, const PendingUpdate &u,
                   double *column)
{
  const PendingRead read(u, s);
  if (read.source == s && !read.zero) {
    // Any other column: a multiplier of 0 leaves the entry as it is, as in
    // the update; its own row's is 0.
    const double *p = a + std::size_t(from) * stride + s;
    if (!read.changes)
      for (int i = from; i < to; ++i, p += stride)
        column[i - from] = sign * *p;
    else
      changedColumn(p, stride, u.mult + from, to - from, read.pv, sign, column);
    return;
  }
  for (int i = from; i < to; ++i)
    column[i - from] = sign * read.entry(a, stride, i, u);
}

// b[i] -= mult[i] * br for every row whose multiplier is not 0 (the pivot
// row's is kept as 0), as clearColumn() does. Every row's is computed and
// kept or not, a vector at a time: which rows have a multiplier follows no
// pattern a branch predictor could learn.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default"), optimize("fp-contract=off")))
#endif
void updateLevels(double *__restrict b, const double *__restrict mult, int m, double br)
{
  // Written out in vectors: the compiler would not compute a subtraction
  // the condition may not need (lest it trap).
  typedef double Quad __attribute__((vector_size(32), aligned(8), may_alias));
  const Quad zero = {0.0, 0.0, 0.0, 0.0};
  int i = 0;
  for (; i + 4 <= m; i += 4) {
    const Quad bv = *reinterpret_cast<const Quad *>(b + i);
    const Quad mv = *reinterpret_cast<const Quad *>(mult + i);
    const Quad moved = bv - mv * br;
    *reinterpret_cast<Quad *>(b + i) = mv != zero ? moved : bv;
  }
  for (; i < m; ++i)
    if (mult[i] != 0.0)
      b[i] -= mult[i] * br;
}

// Per row of `rows`, its entry in stored column `s` times `sign`, as the
// waiting pivot `u` leaves it (as pendingColumn() computes it: the same
// operations as the update), or as it stands when no pivot waits
// (`u.row` < 0).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("fp-contract=off")))
#endif
void tiedEntries(double *out, const double *a, const int *rows, int count, int stride, int s, double sign,
                 const PendingUpdate &u)
{
  if (u.row < 0) {
    for (int k = 0; k < count; ++k)
      out[k] = sign * a[std::size_t(rows[k]) * stride + s];
    return;
  }
  const PendingRead read(u, s);
  for (int k = 0; k < count; ++k)
    out[k] = sign * read.entry(a, stride, rows[k], u);
}

// Per column of a row-major table of m rows by n columns: how many of its
// entries are not zero, the sum of the rows they are in and the sum of their
// values (for a column with one entry, its row and its value); per row the
// largest magnitude of its entries. One pass, without a branch per entry.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx512f", "avx2", "default")))
#endif
void surveyTable(const double *a, int m, int n, int *count, int *rowSum, double *valueSum, double *largest)
{
  std::fill_n(count, n, 0);
  std::fill_n(rowSum, n, 0);
  std::fill_n(valueSum, n, 0.0);
  for (int r = 0; r < m; ++r) {
    const double *row = a + std::size_t(r) * n;
    // Magnitudes compare as their bit patterns with the sign cleared.
    std::uint64_t top = 0;
    for (int c = 0; c < n; ++c) {
      const double v = row[c];
      const int nonZero = v != 0.0 ? 1 : 0;
      count[c] += nonZero;
      rowSum[c] += -nonZero & r;
      valueSum[c] += v;
      std::uint64_t bits;
      std::memcpy(&bits, &v, sizeof bits);
      top = std::max(top, bits & ~(std::uint64_t(1) << 63));
    }
    std::memcpy(&largest[r], &top, sizeof top);
  }
}

} // namespace

bool SimplexSolver::load(int rows, int cols, std::vector<double> entries, std::vector<double> rhs,
                         std::vector<double> costs, std::vector<int> basis,
                         std::vector<std::uint8_t> artificial, int addedColumnsFrom)
{
  m_status = Status::NotSolved;
  m_pivotsSinceRefactor = 0;  // the loaded tableau is as fresh as one gets
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
  // The loaded tableau is kept as given: refactorisation and perturbation
  // work from it.
  m_a0 = std::move(entries);
  m_basis = std::move(basis);
  m_basis0 = m_basis;
  m_rowOf.assign(std::size_t(cols), -1);
  m_homeRow.assign(std::size_t(cols), -1);
  for (int r = 0; r < rows; ++r) {
    m_rowOf[m_basis[r]] = r;
    m_homeRow[m_basis[r]] = r;
  }
  m_barred.assign(std::size_t(cols), 0);
  m_scale0.resize(std::size_t(rows));
  mapTwins();
  for (int r = 0; r < rows; ++r)
    m_scale0[r] = std::max({1.0, std::fabs(rhs[r]), m_scale0[r]});
  arrangeStored();
  // The stored columns, each row padded to whole cache lines.
  m_stride = (m_stored + 7) / 8 * 8;
  m_a.resize(std::size_t(rows) * m_stride);
  fillStoredRows();
  m_columnIndex = -1;
  m_pendingRow = -1;
  m_b = std::move(rhs);
  m_b0 = m_b;
  m_shift.assign(std::size_t(rows), 0.0);
  m_perturbed = false;
  m_cost0 = std::move(costs);
  m_c = m_cost0;
  m_artificial = std::move(artificial);
  m_cb.assign(std::size_t(rows), 0.0);
  m_z.assign(std::size_t(cols), 0.0);
  m_d.assign(std::size_t(cols), 0.0);
  m_iterations = 0;
  m_blandPivots = 0;
  m_ranPhaseOne = false;
  m_stalls = 0;
  m_refactorisations = 0;
  return true;
}

// A column whose one entry is -1, in a row whose basic column as loaded is
// the unit column of that row, is that column negated, and stays so through
// every pivot: it is stored as that column with the sign -1. Every other
// column has a stored column of its own. Leaves in m_scale0 each row's
// largest magnitude.
void SimplexSolver::mapTwins()
{
  const int rows = m_rows, cols = m_cols;
  // Per column, in one block filled below: how many entries, and for one,
  // its row (and its value); the column it is the negation of, and whether
  // it is taken as some column's twin.
  const std::unique_ptr<int[]> scratch(new int[4 * std::size_t(cols)]);
  int *count = scratch.get(), *rowOf = count + cols, *twinOf = rowOf + cols, *taken = twinOf + cols;
  std::vector<double> &value = m_zStored;  // scratch until sized below
  value.resize(std::size_t(cols));
  surveyTable(m_a0.data(), rows, cols, count, rowOf, value.data(), m_scale0.data());
  m_singleRow0.resize(std::size_t(cols));
  for (int c = 0; c < cols; ++c)
    m_singleRow0[c] = count[c] == 1 ? rowOf[c] : -1;
  // Each pair: the negated column, and the unit column it is stored with.
  std::fill_n(twinOf, cols, -1);
  std::fill_n(taken, cols, 0);
  for (int c = 0; c < cols; ++c) {
    if (count[c] != 1)
      continue;
    const int r = rowOf[c];
    const int u = m_basis[r];
    if (u != c && m_rowOf[c] < 0 && !taken[u] && count[u] == 1 && rowOf[u] == r && value[c] == -1.0
        && value[u] == 1.0) {
      twinOf[c] = u;
      taken[u] = 1;
    }
  }
  m_twin.assign(std::size_t(cols), -1);
  m_sign.assign(std::size_t(cols), 1.0);
  m_stored = cols;
  for (int c = 0; c < cols; ++c)
    if (const int u = twinOf[c]; u >= 0) {
      m_twin[c] = u;
      m_twin[u] = c;
      m_sign[c] = -1.0;
      --m_stored;
    }
  m_zStored.assign(std::size_t(m_stored), 0.0);
}

// Where each stored column lies in a row: those of the basic columns after
// all the others. A basic column holds 0 in every row but its own, so it
// takes no part in a row update (but for the one that leaves), which then
// runs over one stretch of the others instead of through the whole row; on
// the large problems that is some forty per cent less of the tableau. The
// pivots keep the order (see swapStored()); it is laid out afresh here when
// the tableau is filled from the loaded data. The order changes no number:
// every entry is computed the same wherever it lies.
void SimplexSolver::arrangeStored()
{
  const int cols = m_cols;
  m_storedOf.assign(std::size_t(cols), -1);
  m_storedColumns.assign(2 * std::size_t(m_stored), -1);
  m_storedBarred.assign(std::size_t(m_stored), 0);
  int next = 0;
  for (int basic = 0; basic < 2; ++basic)
    for (int c = 0; c < cols; ++c) {
      const int t = m_twin[c];
      if (m_sign[c] < 0.0 || (m_rowOf[c] >= 0 || (t >= 0 && m_rowOf[t] >= 0)) != (basic == 1))
        continue;
      m_storedOf[c] = next;
      m_storedColumns[2 * std::size_t(next)] = c;
      if (t >= 0) {
        m_storedOf[t] = next;
        m_storedColumns[2 * std::size_t(next) + 1] = t;
      }
      m_storedBarred[next] = m_barred[c] && (t < 0 || m_barred[t]) ? 1 : 0;
      ++next;
    }
}

// Stored columns p and q change places in the maps, and in row `row` of the
// tableau: a pivot has swapped them in the other rows (see clearColumn()).
void SimplexSolver::swapStored(int p, int q, int row)
{
  if (p == q)
    return;
  std::swap(m_a[std::size_t(row) * m_stride + p], m_a[std::size_t(row) * m_stride + q]);
  for (int k = 0; k < 2; ++k)
    std::swap(m_storedColumns[2 * std::size_t(p) + k], m_storedColumns[2 * std::size_t(q) + k]);
  for (const int s : {p, q})
    for (int k = 0; k < 2; ++k)
      if (const int c = m_storedColumns[2 * std::size_t(s) + k]; c >= 0)
        m_storedOf[c] = s;
  std::swap(m_storedBarred[p], m_storedBarred[q]);
}

// The tableau as loaded, down to its stored columns and laid out as they
// are (see arrangeStored()), each row padded with zeros. As loaded the
// stored columns follow the loaded ones in a few long runs (the feeds, the
// added columns outside the basis, the basic ones), each copied whole; after
// pivots the basic columns lie scattered, in runs of one or two, and the
// columns are taken one by one through the map, as they are on a short row,
// where the runs are not worth finding.
void SimplexSolver::fillStoredRows()
{
  std::vector<int> &runs = m_scratch;  // per run its first stored and loaded column, then the end
  runs.clear();
  const int *held = m_storedColumns.data();
  const bool findRuns = m_stored >= 64;
  if (findRuns)
    runs.reserve(2 * std::size_t(m_stored) + 1);
  for (int k = 0; findRuns && k < m_stored;) {
    const int start = k, from = held[2 * k];
    for (++k; k < m_stored && held[2 * k] == from + (k - start);)
      ++k;
    runs.push_back(start);
    runs.push_back(from);
  }
  if (!runs.empty())
    runs.push_back(m_stored);
  const bool longRuns = !runs.empty() && runs.size() / 2 * 16 <= std::size_t(m_stored);
  for (int r = 0; r < m_rows; ++r) {
    const double *from = &m_a0[std::size_t(r) * m_cols];
    double *to = &m_a[std::size_t(r) * m_stride];
    if (longRuns)
      for (std::size_t j = 0; j + 1 < runs.size(); j += 2)
        std::copy_n(from + runs[j + 1], runs[j + 2] - runs[j], to + runs[j]);
    else
      for (int k = 0; k < m_stored; ++k)
        to[k] = from[held[2 * k]];
    std::fill(to + m_stored, to + m_stride, 0.0);
  }
}

// The basic columns in the order of the columns: the order in which the
// entries of a loaded row are summed.
std::vector<int> SimplexSolver::basicColumnsInOrder() const
{
  std::vector<int> basic(m_basis);
  std::sort(basic.begin(), basic.end());
  return basic;
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
  m_freshCriteria = false;
  for (int r = 0; r < m_rows; ++r)
    m_cb[r] = m_c[m_basis[r]];
  std::vector<double> &z = m_zStored;
  std::fill(z.begin(), z.end(), 0.0);
  for (int r = 0; r < m_rows; ++r) {
    const double cb = m_cb[r];
    if (cb == 0.0)
      continue;
    addScaled(z.data(), &m_a[std::size_t(r) * m_stride], cb, m_stored);
  }
  for (int c = 0; c < m_cols; ++c) {
    m_z[c] = m_sign[c] * z[m_storedOf[c]];
    m_d[c] = m_z[c] - m_c[c];
  }
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

bool SimplexSolver::anyBelowZero() const
{
  for (int r = 0; r < m_rows; ++r)
    if (m_b[r] < -Tol)
      return true;
  return false;
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
  // The column is copied out once here, as a waiting update leaves it, its
  // rows at or above the tolerance counted as it is: the ratio test reads
  // the chosen one again.
  auto hasPositiveEntry = [this](int c) {
    gatherColumn(c);
    return m_qualifying > 0;
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

  if (m_steepest) {
    // The criterion per unit length of the column's edge: at a degenerate
    // corner the steepest edge leaves it in far fewer pivots than the
    // largest criterion. The lengths are computed exactly here when this
    // pricing starts and after the tableau was computed afresh, and kept
    // up by the pivots in between (see pivot()).
    std::vector<double> &norms = m_norms;
    if (!m_normsValid) {
      std::vector<double> &sums = m_zStored;
      sums.assign(std::size_t(m_stored), 1.0);
      for (int r = 0; r < m_rows; ++r)
        addSquares(sums.data(), &m_a[std::size_t(r) * m_stride], m_stored);
      norms.resize(std::size_t(m_cols));
      for (int c = 0; c < m_cols; ++c)
        norms[c] = sums[m_storedOf[c]];
      m_normsValid = true;
    }
    // The best score, the first of equal ones, among the columns with a
    // positive entry: the best of all, unless it has none, and then the
    // next best; a column is gone through for a positive entry only when it
    // would be chosen. Only the improving columns are scored, the
    // divisions with them.
    std::vector<int> &listed = m_improving;
    listed.resize(std::size_t(m_cols));
    const int count = improvingColumns(listed.data(), d, penalty, m_cols);
    if (count == 0)
      return -1;
    std::vector<double> &scores = m_quotients;
    scores.resize(std::size_t(count));
    edgeScores(scores.data(), listed.data(), count, d, penalty, norms.data());
    const double *score = scores.data();
    // Mostly the best column has a positive entry: the first of the largest
    // score.
    int first = 0;
    for (int k = 1; k < count; ++k)
      first = score[k] > score[first] ? k : first;
    if (score[first] <= 0.0)
      return -2;  // improving columns, but none scores above zero
    if (hasPositiveEntry(listed[first]))
      return listed[first];
    std::vector<int> &passed = m_scratch;
    passed.assign(1, first);
    for (;;) {
      int best = -1;
      double bestScore = 0.0;
      for (int k = 0; k < count; ++k)
        if (score[k] > bestScore && std::find(passed.begin(), passed.end(), k) == passed.end()) {
          best = k;
          bestScore = score[k];
        }
      if (best < 0)
        return -2;
      if (hasPositiveEntry(listed[best]))
        return listed[best];
      passed.push_back(best);
    }
  }

  // Largest criterion first; the first of equal ones. A column without a
  // positive entry is passed over for the next largest.
  std::vector<int> &skipped = m_scratch;
  skipped.clear();
  for (;;) {
    int best = -1;
    double bestValue = Tol;
    auto consider = [&](int c) {
      const double v = d[c] + penalty[c];
      if (v >= bestValue && (best < 0 || v - bestValue >= Tol)) {
        if (!skipped.empty() && std::find(skipped.begin(), skipped.end(), c) != skipped.end())
          return;
        best = c;
        bestValue = v;
      }
    };
    // Most columns are basic, barred or not improving: a block of them in
    // which none reaches the best so far is passed over with one test.
    const int blocksEnd = m_cols / CriterionBlock * CriterionBlock;
    for (int c = 0; (c = nextBlockReaching(d, penalty, c, blocksEnd, bestValue)) < blocksEnd;
         c += CriterionBlock)
      for (int k = c; k < c + CriterionBlock; ++k)
        consider(k);
    for (int c = blocksEnd; c < m_cols; ++c)
      consider(c);
    if (best < 0)
      return skipped.empty() ? -1 : -2;
    if (hasPositiveEntry(best))
      return best;
    skipped.push_back(best);
  }
}

// Every criterion is within the tolerance of zero, but a column whose
// criterion is above zero may still lead a long way downhill: the
// tolerance is one for all columns, whatever their scale. The column of
// the largest fall, when that fall is more than a trifle of the cost; -1
// when none is.
int SimplexSolver::longEdge() const
{
  const double trifle = 1e-9 * std::max(1.0, std::fabs(objective()));
  int chosen = -1;
  double largest = trifle;
  for (int c = 0; c < m_cols; ++c) {
    const double d = m_d[c] + m_penalty[c];
    if (d <= 0.0)
      continue;
    const int r = ratioTest(c, false);
    if (r < 0)
      continue;
    const double fall = d * std::max(m_b[r], 0.0) / at(r, c);
    if (fall > largest) {
      largest = fall;
      chosen = c;
    }
  }
  return chosen;
}

void SimplexSolver::gatherColumn(int c) const
{
  if (m_columnIndex == c)
    return;
  m_column.resize(std::size_t(m_rows));
  double *column = m_column.data();
  const double sign = m_sign[c];
  if (m_pendingRow >= 0) {
    pendingColumn(m_a.data(), 0, m_rows, m_stride, m_storedOf[c], sign, pendingUpdate<PendingUpdate>(), column);
  } else {
    const double *p = m_a.data() + m_storedOf[c];
    for (int r = 0; r < m_rows; ++r, p += m_stride)
      column[r] = sign * *p;
  }
  m_qualifying = qualifyingRows(column, m_rows, m_firstQualifying);
  m_columnIndex = c;
}

int SimplexSolver::ratioTest(int e, bool bland) const
{
  // The qualifying rows are counted as the column is gathered; the
  // quotients are then taken for all rows at once, and the ties found among
  // them.
  std::vector<double> &quotients = m_quotients;
  quotients.resize(std::size_t(m_rows));
  gatherColumn(e);
  const double *column = m_column.data();
  if (m_qualifying <= 1)
    return m_qualifying == 1 ? m_firstQualifying : -1;
  // Mostly one row's quotient is below every other's by the tolerance or
  // more: the scan below would take that row whatever came before it, keep
  // it against all that come after, and find no row tied with it. That is
  // checked over all rows at once, with the same divisions and the same
  // comparisons; only near-ties need the scan.
  {
    const double least = rowQuotients(quotients.data(), m_b.data(), column, m_rows);
    if (least < std::numeric_limits<double>::infinity()
        && rowsNearLeast(quotients.data(), m_rows, least) == 1) {
      int r = 0;
      while (quotients[r] != least)
        ++r;
      return r;
    }
  }
  // The first smallest quotient, a smaller one taken only when it is
  // smaller by the tolerance or more. The rows the column does not qualify
  // have an infinite quotient, which is never smaller than another by the
  // tolerance nor within it, so all rows are gone through, as they lie.
  const double *q = quotients.data();
  int best = m_firstQualifying;
  double bestQ = q[best];
  for (int r = best; (r = nextRowBelow(q, r + 1, m_rows, bestQ)) < m_rows;) {
    best = r;
    bestQ = q[r];
  }

  std::vector<int> &tied = m_scratch;
  tied.resize(std::size_t(m_rows));
  tied.resize(std::size_t(rowsTiedWith(tied.data(), q, m_rows, bestQ)));
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
  // (surplus, then basic) first, then the feed columns. While perturbed, and
  // some stored column holds barred columns alone, barred columns are passed
  // over: they cannot enter, and the degenerate solves were tuned so.
  const bool passBarred = m_perturbed && m_someStoredBarred;
  // The tied rows' entries are read a column at a time, times the
  // column's sign, as a waiting pivot's update leaves them (see
  // tiedEntries()): the tie is mostly decided within some twenty columns,
  // where copies of the tied rows with the update made went through every
  // line of them.
  const int tiedCount = int(tied.size());
  const PendingUpdate u = pendingUpdate<PendingUpdate>();
  std::vector<double> &entries = m_tiedEntries;
  entries.resize(2 * tied.size());
  double *piv = entries.data();
  double *v = piv + tiedCount;
  auto tiedColumn = [&](int c, double *out) {
    tiedEntries(out, m_a.data(), tied.data(), tiedCount, m_stride, m_storedOf[c], m_sign[c], u);
  };
  // Each tied row's pivot entry, read once for all the columns compared.
  tiedColumn(e, piv);
  auto decide = [&](int c) -> int {
    if (passBarred && m_barred[c])
      return -1;
    tiedColumn(c, v);
    // A column all the tied rows hold zero in divides out to zeros, which
    // never differ: it is passed over without its divisions, as most of the
    // columns gone through here are (the basic ones among them).
    bool nonZero = false;
    for (int k = 0; k < tiedCount; ++k)
      nonZero |= v[k] != 0.0;
    if (!nonZero)
      return -1;
    const double first = v[0] / piv[0];
    bool differs = false;
    for (int k = 1; k < tiedCount && !differs; ++k)
      differs = std::fabs(v[k] / piv[k] - first) >= Tol;
    if (!differs)
      return -1;
    int chosen = tied.front();
    double low = first;
    for (int k = 1; k < tiedCount; ++k) {
      const double q = v[k] / piv[k];
      if (low - q >= Tol) {
        chosen = tied[k];
        low = q;
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

double SimplexSolver::current(int r, int c) const
{
  if (m_pendingRow < 0)
    return at(r, c);
  double v;
  pendingColumn(m_a.data(), r, r + 1, m_stride, m_storedOf[c], m_sign[c], pendingUpdate<PendingUpdate>(), &v);
  return v;
}

// The waiting pivot's update of the other rows, before anything but the
// ordinary rules reads the tableau.
void SimplexSolver::flushPending()
{
  if (m_pendingRow < 0)
    return;
  applyPending(m_a.data(), 0, m_rows, m_stride, pendingUpdate<PendingUpdate>());
  m_pendingRow = -1;
  m_columnIndex = -1;
}

// A pivot of the main loop, before or after a stall, but not by Bland's
// rule (`mayWait`), makes its own row and the levels at once, and leaves
// the update of the other rows to the next pivot, which makes both in one
// pass over the tableau (see clearColumnAfter()): the pass waits on its
// loads and stores, and a line of a row is then loaded and stored once for
// two pivots. The rules in between read the
// tableau only through gatherColumn() (the steepest edge's test for a
// positive entry as well), the tie-break's copies of the tied rows and
// current(), which all see the waiting update, and everything else
// flushes it first (see iterate()). Every entry still takes the same
// operations in the same order, so the numbers are the same.
void SimplexSolver::pivot(int r, int e, bool mayWait)
{
  notePivot(r, e);
  aboutToChangeTableau();
  const bool fused = m_pendingRow >= 0;
  const bool wait = !fused && mayWait;
  if (wait || fused)
    gatherColumn(e);  // the multipliers, as the tableau stands (after the waiting pivot)
  const int pe = m_storedOf[e];
  const double se = m_sign[e];
  double *prow = &m_a[std::size_t(r) * m_stride];
  if (fused)
    applyPending(m_a.data(), r, r + 1, m_stride, pendingUpdate<PendingUpdate>());
  const double p = se * prow[pe];
  // The pricing weights after a stall (see chooseEntering()) follow the
  // pivot by the pivot row alone, as the devex rule has it: a column's
  // weight grows to its entry over the pivot, squared, times the entering
  // column's weight, when that is more; the leaving column's is the
  // entering one's over the pivot squared. They only ever grow, so that a
  // long edge is never taken for a short one.
  const bool weights = m_steepest && m_normsValid;
  const double we = weights ? m_norms[e] : 0.0;
  const double inv = p != 1.0 ? 1.0 / p : 1.0;
  m_b[r] *= inv;

  // Only the pivot row's non-zero columns change (see RowPlan).
  RowPlan plan{m_planRuns, m_planLines};
  plan.make(prow, inv, m_stride);
  prow[pe] = se;  // column e reads 1 in the pivot row
  const int leaving = m_basis[r];
  const int pl = m_storedOf[leaving];
  if (wait) {
    std::swap(m_pendingMult, m_column);
    m_columnIndex = -1;
    m_pendingMult[r] = 0.0;  // its row is done
    updateLevels(m_b.data(), m_pendingMult.data(), m_rows, m_b[r]);
    m_pendingPivotRow.resize(std::size_t(m_stride));
    std::copy_n(prow, m_stride, m_pendingPivotRow.data());
    std::swap(m_pendingRuns, m_planRuns);
    std::swap(m_pendingLines, m_planLines);
    m_pendingRunCount = plan.count;
    m_pendingRow = r;
    m_pendingEntering = pe;
    m_pendingLeaving = pl;
  } else if (fused) {
    const int runCount = unionRuns(m_pendingLines.data(), m_planLines.data(), m_stride / RowPlan::Line, m_unionRuns);
    m_activeRows.resize(std::size_t(m_rows));
    m_movedEntries.resize(2 * std::size_t(m_rows));
    clearColumnAfter(m_a.data(), m_b.data(), m_rows, m_stride, r, pe, pl, m_column.data(), m_unionRuns.data(),
                     runCount, pendingUpdate<PendingUpdate>(), m_activeRows.data(), m_movedEntries.data());
    m_pendingRow = -1;
  } else {
    clearColumn(m_a.data(), m_b.data(), m_rows, m_stride, r, pe, pl, se, plan);
  }
  followPivotRow(prow, e, leaving, p, weights, we);
  swapStored(pe, pl, r);
  enterBasis(r, e, leaving);
}

void SimplexSolver::notePivot(int r, int e)
{
  // FNV-1a over the row, the entering and the leaving column.
  for (const std::uint64_t v : {std::uint64_t(r), std::uint64_t(e), std::uint64_t(m_basis[r])}) {
    m_pathHash ^= v;
    m_pathHash *= 1099511628211ull;
  }
}

void SimplexSolver::followPivotRow(const double *prow, int e, int leaving, double p, bool weights, double we)
{
  // The criteria and the weights are kept per column, each read through its
  // stored column.
  const double de = m_d[e];
  if (weights && de != 0.0)
    updateCriteriaAndWeights(m_d.data(), m_norms.data(), m_sign.data(), m_storedOf.data(), prow, de, we, m_cols);
  else if (weights)
    growWeights(m_norms.data(), m_storedOf.data(), prow, we, m_cols);
  else if (de != 0.0)
    updateCriteria(m_d.data(), m_sign.data(), m_storedOf.data(), prow, de, m_cols);
  if (de != 0.0)
    m_d[e] = 0.0;
  if (weights)
    m_norms[leaving] = std::max(we / (p * p), 1.0);
  m_freshCriteria = false;
  m_columnIndex = -1;
  ++m_pivotsSinceRefactor;
}

void SimplexSolver::enterBasis(int r, int e, int leaving)
{
  m_rowOf[leaving] = -1;
  m_penalty[leaving] = m_barred[leaving] ? -Excluded : 0.0;
  m_basis[r] = e;
  m_rowOf[e] = r;
  m_penalty[e] = -Excluded;
  m_cb[r] = m_c[e];
}

SimplexSolver::LoopEnd SimplexSolver::iterate(bool mayEndFeasible, bool perturbAtOnce)
{
  const int stallLimit = m_stallLimit >= 0 ? m_stallLimit : DefaultStallLimit;
  // Bland's rule for a run of degenerate pivots only, when tests ask for it
  // from the first one on.
  const bool blandOnStall = m_stallLimit == 0;
  // Pivots without the cost falling that count as a stall as well: round-off
  // can make pivots that should be degenerate move by a hair, in a cycle.
  const int window = std::max(stallLimit, progressWindow(m_rows));
  int degenerateRun = 0;
  bool bland = false;
  bool lastResort = false;
  // Stall handling has begun, in this run or an earlier one of this solve
  // (whose round-off this run inherits).
  bool stalled = m_stalls > 0 && !m_stallBasis.empty();
  int sinceRefresh = 0;
  int sinceRefactor = 0;
  int sinceProgress = 0;
  int rounds = 0;
  double best = objective();
  const bool wait = m_stride >= m_waitFrom;

  // Back onto the unperturbed problem, on fresh data, and feasible again
  // (the fresh data may also show round-off the updates had hidden).
  // When that cannot be done, the last resort starts from the feasible basis
  // the first stall was met at.
  auto leavePerturbation = [&] {
    if (settle())
      return;
    restoreBasis(m_stallBasis.empty() ? m_goodBasis : m_stallBasis);
    lastResort = true;
  };
  auto onStall = [&]() -> bool {
    flushPending();
    if (!m_stallTools) {
      // The first stall of the solve: the steepest edge from here on. Only
      // should that stall as well does the rest come in.
      m_stallTools = true;
      m_pivotsBeforeStall = m_iterations;
      m_steepest = true;
      m_normsValid = false;
      // Stalled at a feasible point under the Big-M costs: the corner is
      // left under the true costs, perturbed at once (see solve()). The
      // steepest edge under the Big-M costs mostly met a second stall
      // there after a run of degenerate pivots (of 2000 feasible 85 x 45
      // problems, 387626 pivots in all against 400710, of 2000 85 x 60 ones
      // 478314 against 492421).
      if (mayEndFeasible && !hasPositiveArtificial())
        return true;
      degenerateRun = 0;
      sinceProgress = 0;
      best = objective();
      return false;
    }
    if (!stalled) {
      stalled = true;
      m_stallBasis = m_basis;
    }
    ++rounds;
    // A tableau computed afresh a few pivots ago needs no second one.
    if (rounds > 3 || (m_pivotsSinceRefactor >= FreshPivots && !refactor())) {
      if (m_perturbed)
        leavePerturbation();
      lastResort = true;
    } else if (mayEndFeasible && !m_perturbed && !hasPositiveArtificial()) {
      // Stalled at a feasible point under the Big-M costs: the artificials
      // only weigh on the pivots from here on. The caller takes them out.
      return true;
    } else {
      perturb();
      m_steepest = true;
    }
    degenerateRun = 0;
    sinceProgress = 0;
    sinceRefactor = 0;
    sinceRefresh = 0;
    best = objective();
    return false;
  };

  if (perturbAtOnce)
    onStall();
  // Every caller computes the criteria just before: until the first pivot
  // they need no second computation before a verdict (phase one mostly
  // ends so, without a pivot).
  const int startedAt = m_iterations;
  for (;;) {
    if (m_iterations >= m_iterationLimit) {
      flushPending();
      if (m_perturbed && m_someStoredBarred)
        refactor();  // the last state on fresh data
      return LoopEnd::IterationLimit;
    }
    // The criterion row is carried through the pivots; recompute it now and
    // then, and always before taking a stop for an optimum.
    if (++sinceRefresh >= 64) {
      flushPending();
      computeCriterion();
      sinceRefresh = 0;
    }
    // After a stall the run may be long: keep round-off from building up
    // (see RefactorEvery).
    if (stalled && ++sinceRefactor >= RefactorEvery) {
      flushPending();
      refactor();
      sinceRefactor = 0;
      sinceRefresh = 0;
    }
    const bool useBland = bland || lastResort;
    // The edge lengths computed afresh read the whole tableau.
    if (m_steepest && !m_normsValid)
      flushPending();
    int e = chooseEntering(useBland);
    int r = -1;
    if (e >= 0)
      r = ratioTest(e, useBland);
    if (e < 0 || r < 0) {
      flushPending();
      if (e < 0 && m_iterations != startedAt) {
        computeCriterion();
        sinceRefresh = 0;
        e = chooseEntering(useBland);
        if (e >= 0)
          r = ratioTest(e, useBland);
      }
      // Once a stall has been met, the pivots since may have drifted from
      // the problem (steepest-edge pivots take small pivot entries, and the
      // ratio test passes over entries below the tolerance, which can leave
      // a basic variable below zero): the verdict is taken on levels and
      // criteria computed afresh (see settle()), with dual pivots for what
      // falls below zero. A solve that never stalled keeps the tableau it
      // has, unless it too has a basic variable below zero: a ration that
      // breaks a limit is no optimum, however few pivots led there.
      // Levels and criteria computed afresh since the last pivot, off the
      // perturbation, are already what that would make again (phase one
      // starts where the Big-M run ended).
      const bool fresh =
          !m_perturbed && (m_pivotsSinceRefactor == 0 || m_pivotsSinceRefactor == m_freshPivots);
      if ((e < 0 || r < 0)
          && (anyBelowZero() || (!fresh && (stalled || (m_stallTools && m_pivotsSinceRefactor > 0))))) {
        // A verdict is near: take it on the problem as loaded.
        leavePerturbation();
        sinceRefactor = 0;
        sinceRefresh = 0;
        e = chooseEntering(lastResort);
        r = e >= 0 ? ratioTest(e, lastResort) : -1;
        degenerateRun = 0;
        sinceProgress = 0;
        best = objective();
      }
      if (e == -1 && !lastResort) {
        e = longEdge();
        r = e >= 0 ? ratioTest(e, false) : -1;
        if (e < 0 || r < 0)
          e = -1;
      }
      if (e == -1)
        return LoopEnd::Optimal;
      if (e < 0 || r < 0)
        return LoopEnd::Unbounded;
    }
    const bool degenerate = std::max(m_b[r], 0.0) / current(r, e) < Tol;
    // The next pivot's choice reads the tableau only where current(),
    // gatherColumn() and the tie-break's copies see the waiting update;
    // anything else flushes it first.
    pivot(r, e, wait && !useBland);
    ++m_iterations;
    if (bland || lastResort)
      ++m_blandPivots;
    if (lastResort)
      continue;
    if (degenerate) {
      if (++degenerateRun > stallLimit) {
        if (blandOnStall)
          bland = true;
        else if (onStall())
          return LoopEnd::Feasible;
      }
    } else {
      degenerateRun = 0;
      bland = false;
    }
    if (blandOnStall || lastResort)
      continue;
    const double now = objective();
    if (now < best - 1e-9 * std::max(1.0, std::fabs(best))) {
      best = now;
      sinceProgress = 0;
    } else if (++sinceProgress > window) {
      if (onStall())
        return LoopEnd::Feasible;
    }
  }
}

// The tableau as loaded, from its non-zero entries, laid out for the
// current basis.
void SimplexSolver::fillLoaded()
{
  aboutToChangeTableau();
  arrangeStored();
  fillStoredRows();
}

double SimplexSolver::rowScale(int originalRow) const
{
  return originalRow < 0 ? 1.0 : m_scale0[originalRow];
}

// Gauss-Jordan elimination for the current basis on `a` (m rows by n
// columns, `stride` apart, the loaded tableau or part of it): basis position r's column is
// column columns[r] of `a`, read times signs[r]. Leaves in b the right-hand
// sides as loaded (with the perturbation, if any) carried through, and in
// rowFor[r] the row that position r's column was made a unit column in.
// The pivot of each step is the largest entry left in the column's untaken
// rows, against its row's scale. False when the basis is singular.
bool SimplexSolver::eliminate(Tableau &a, int n, int stride, const std::vector<int> &columns,
                              const std::vector<double> &signs, std::vector<double> &b,
                              std::vector<int> &rowFor, bool singlesFirst)
{
  const int m = m_rows;
  RowPlan plan{m_planRuns, m_planLines};
  b.resize(std::size_t(m));
  for (int i = 0; i < m; ++i)
    b[i] = m_b0[i] + (m_perturbed ? m_shift[i] : 0.0);
  rowFor.assign(std::size_t(m), -1);
  std::vector<std::uint8_t> taken(std::size_t(m), 0);
  // `singlesFirst`: the columns with a single entry in the loaded tableau
  // (slacks, surpluses, artificials) first: as long as nothing has been
  // eliminated they need no elimination at all, and the rows they take keep
  // out of the rest. Otherwise the columns outside the loaded basis go
  // first, as they always have, so that a solve that never stalls meets the
  // same numbers when it goes on from a fresh tableau.
  std::vector<int> order;
  order.reserve(std::size_t(m));
  for (int pass = 0; pass < 2; ++pass)
    for (int r = 0; r < m; ++r)
      if ((singlesFirst ? m_singleRow0[m_basis[r]] >= 0 : m_homeRow[m_basis[r]] < 0) == (pass == 0))
        order.push_back(r);
  const std::size_t singles = singlesFirst ? std::size_t(std::count_if(order.begin(), order.end(), [&](int r) {
    return m_singleRow0[m_basis[r]] >= 0;
  })) : 0;
  for (std::size_t step = 0; step < order.size(); ++step) {
    const int r = order[step];
    const int c = columns[r];
    const double sign = signs[r];
    // A single-entry column's one entry is still the loaded one and no other
    // row has one in its column: its row needs no search (the search would
    // find that row) and there is nothing to clear.
    const bool single = step < singles;
    int piv = -1;
    double largest = 0.0;
    for (int i = 0; i < m && !(single && piv >= 0); ++i) {
      const double x = a[std::size_t(i) * stride + c];
      if (single ? x == 0.0 : taken[i] != 0)
        continue;
      const double v = std::fabs(x) / m_scale0[i];
      if (v > largest) {
        largest = v;
        piv = i;
      }
    }
    if (piv < 0 || taken[piv] || largest < 1e-11)
      return false;
    double *prow = &a[std::size_t(piv) * stride];
    const double inv = 1.0 / (sign * prow[c]);
    b[piv] *= inv;
    if (single) {
      if (inv != 1.0)  // mostly 1 or -1
        for (int k = 0; k < n; ++k)
          prow[k] *= inv;
      prow[c] = sign;
    } else {
      // The rows start sparse and fill in slowly: pass over the zeros of the
      // pivot row while they are many.
      plan.make(prow, inv, stride);
      prow[c] = sign;
      clearColumn(a.data(), b.data(), m, stride, piv, c, c, sign, plan);
    }
    taken[piv] = 1;
    rowFor[r] = piv;
  }
  return true;
}

// Solves the square system `sys` of k equations, each k coefficients and
// its right-hand side (k + 1 entries a row), into x; the pivot of each step
// is the largest entry left in its column against its equation's scale.
// False when the system is singular.
bool SimplexSolver::solveSquare(std::vector<double> &sys, int k, const std::vector<double> &scale,
                                std::vector<double> &x) const
{
  const int w = k + 1;
  std::vector<int> order(static_cast<std::size_t>(k));
  for (int p = 0; p < k; ++p)
    order[p] = p;
  for (int q = 0; q < k; ++q) {
    int piv = -1;
    double largest = 0.0;
    for (int t = q; t < k; ++t) {
      const int p = order[t];
      const double v = std::fabs(sys[std::size_t(p) * w + q]) / scale[p];
      if (v > largest) {
        largest = v;
        piv = t;
      }
    }
    if (piv < 0 || largest < 1e-11)
      return false;
    std::swap(order[q], order[piv]);
    const double *prow = &sys[std::size_t(order[q]) * w];
    const double inv = 1.0 / prow[q];
    for (int t = q + 1; t < k; ++t) {
      double *row = &sys[std::size_t(order[t]) * w];
      const double mult = row[q] * inv;
      if (mult == 0.0)
        continue;
      for (int j = q; j <= k; ++j)
        row[j] -= mult * prow[j];
    }
  }
  x.assign(std::size_t(k), 0.0);
  for (int q = k - 1; q >= 0; --q) {
    const double *row = &sys[std::size_t(order[q]) * w];
    double v = row[k];
    for (int j = q + 1; j < k; ++j)
      v -= row[j] * x[j];
    x[q] = v / row[q];
  }
  return true;
}

// A single-entry column (slack, surplus, artificial) of the basis holds its
// row alone, so the basis splits in two: the other basic columns on the
// rows no single-entry column holds, a small square system, and the rest
// one row at a time. On the large problems that is some forty columns by
// forty rows instead of the whole tableau. Per row, the basis position of
// the single-entry column that holds it (-1: none); `others` the other
// positions and `rest` the other rows, as many. False when two single-entry
// columns hold one row: the basis is singular.
bool SimplexSolver::splitBasis(std::vector<int> &singleOf, std::vector<int> &others, std::vector<int> &rest) const
{
  const int m = m_rows;
  singleOf.assign(std::size_t(m), -1);
  others.clear();
  rest.clear();
  for (int r = 0; r < m; ++r) {
    const int c = m_basis[r];
    const int row = m_singleRow0[c];
    if (row < 0) {
      others.push_back(r);
      continue;
    }
    if (singleOf[row] >= 0)
      return false;
    singleOf[row] = r;
  }
  for (int i = 0; i < m; ++i)
    if (singleOf[i] < 0)
      rest.push_back(i);
  return true;
}

// The levels of the basic columns computed afresh from the loaded data,
// without the rest of the tableau (see splitBasis()). False when the basis
// is singular.
bool SimplexSolver::freshLevels(std::vector<double> &levels)
{
  const int m = m_rows;
  std::vector<int> singleOf, others, rest;
  if (!splitBasis(singleOf, others, rest))
    return false;
  std::vector<double> b(static_cast<std::size_t>(m));
  for (int i = 0; i < m; ++i)
    b[i] = m_b0[i] + (m_perturbed ? m_shift[i] : 0.0);
  // The other columns' levels from the rows no single-entry column holds.
  const int k = int(others.size()), w = k + 1;
  std::vector<double> sys(std::size_t(k) * w), scale(static_cast<std::size_t>(k));
  for (int p = 0; p < k; ++p) {
    const double *from = &m_a0[std::size_t(rest[p]) * m_cols];
    for (int q = 0; q < k; ++q)
      sys[std::size_t(p) * w + q] = from[m_basis[others[q]]];
    sys[std::size_t(p) * w + k] = b[rest[p]];
    scale[p] = m_scale0[rest[p]];
  }
  std::vector<double> x;
  if (!solveSquare(sys, k, scale, x))
    return false;
  levels.assign(std::size_t(m), 0.0);
  for (int q = 0; q < k; ++q)
    levels[others[q]] = x[q];
  // Each single-entry column's level from its own row.
  for (int i = 0; i < m; ++i) {
    const int r = singleOf[i];
    if (r < 0)
      continue;
    const double *from = &m_a0[std::size_t(i) * m_cols];
    double v = b[i];
    for (const int q : others)
      v -= from[m_basis[q]] * levels[q];
    levels[r] = v / from[m_basis[r]];
  }
  return true;
}

// The criteria computed afresh from the loaded data, without the tableau:
// the row prices y from the basic columns' costs (see splitBasis(); a row a
// single-entry column holds is priced by that column alone, the others by
// the other columns' small system), then z_j = y . a_j. A basic column's
// criterion is 0 and its z its cost, exactly, as on a tableau. False when
// the basis is singular.
bool SimplexSolver::freshCriteria()
{
  const int m = m_rows;
  std::vector<int> singleOf, others, rest;
  if (!splitBasis(singleOf, others, rest))
    return false;
  std::vector<double> y(static_cast<std::size_t>(m), 0.0);
  for (int i = 0; i < m; ++i)
    if (const int r = singleOf[i]; r >= 0)
      y[i] = m_c[m_basis[r]] / m_a0[std::size_t(i) * m_cols + m_basis[r]];
  // One equation per other column: its entries in the rows no single-entry
  // column holds, against its cost less what the priced rows give it.
  const int k = int(others.size()), w = k + 1;
  std::vector<double> sys(std::size_t(k) * w), scale(static_cast<std::size_t>(k), 1.0);
  std::vector<int> priced;  // the rows a single-entry column holds, in order
  priced.reserve(std::size_t(m));
  for (int i = 0; i < m; ++i)
    if (singleOf[i] >= 0)
      priced.push_back(i);
  for (int q = 0; q < k; ++q) {
    const int c = m_basis[others[q]];
    double given = 0.0;
    for (const int i : priced)
      given += m_a0[std::size_t(i) * m_cols + c] * y[i];
    double *row = &sys[std::size_t(q) * w];
    for (int p = 0; p < k; ++p) {
      row[p] = m_a0[std::size_t(rest[p]) * m_cols + c];
      scale[q] = std::max(scale[q], std::fabs(row[p]));
    }
    row[k] = m_c[c] - given;
  }
  std::vector<double> x;
  if (!solveSquare(sys, k, scale, x))
    return false;
  for (int p = 0; p < k; ++p)
    y[rest[p]] = x[p];
  std::fill(m_z.begin(), m_z.end(), 0.0);
  for (int i = 0; i < m; ++i)
    if (const double yi = y[i]; yi != 0.0)
      addScaled(m_z.data(), &m_a0[std::size_t(i) * m_cols], yi, m_cols);
  for (int c = 0; c < m_cols; ++c)
    m_d[c] = m_z[c] - m_c[c];
  for (int r = 0; r < m; ++r) {
    const int c = m_basis[r];
    m_cb[r] = m_c[c];
    m_z[c] = m_c[c];
    m_d[c] = 0.0;
  }
  return true;
}

// The criteria a verdict is read with: after a stall, computed afresh from
// the loaded data when the tableau has been pivoted on since it was (see
// settle()); otherwise, and should that fail, from the tableau, as a solve
// that never stalled always has them.
void SimplexSolver::verdictCriteria()
{
  // Taking the perturbation off has just computed them so, mostly, and
  // no pivot has come since: the same numbers again.
  if (m_freshCriteria)
    return;
  if (!(m_stallTools && m_pivotsSinceRefactor > 0 && freshCriteria()))
    computeCriterion();
}

// A fresh Gauss-Jordan elimination of the loaded tableau (and the
// right-hand sides with the perturbation, if any) for the current basis:
// row r again has the unit entry of its basic column (see eliminate()).
// Returns false when the basis has become singular, the tableau then being
// that of the last basis refactorised (see backToGoodBasis()).
bool SimplexSolver::refactor()
{
  const int m = m_rows, n = m_stored;
  // Worked in place: a second tableau would cost each solve its page
  // faults. Should the basis be singular, the tableau goes back to the last
  // basis that was not.
  Tableau &a = m_a;
  fillLoaded();
  std::vector<double> b;
  std::vector<int> rowFor;
  std::vector<int> columns(static_cast<std::size_t>(m));
  std::vector<double> signs(static_cast<std::size_t>(m));
  for (int r = 0; r < m; ++r) {
    columns[r] = m_storedOf[m_basis[r]];
    signs[r] = m_sign[m_basis[r]];
  }
  if (!eliminate(a, n, m_stride, columns, signs, b, rowFor, m_stallTools)) {
    backToGoodBasis();
    return false;
  }
  // Row r is to hold the row eliminated for basis position r: follow the
  // cycles of that permutation with one spare row.
  std::vector<std::uint8_t> taken(std::size_t(m), 0);
  std::vector<double> &spare = m_spareRow;
  spare.resize(std::size_t(n));
  for (int r = 0; r < m; ++r) {
    m_b[r] = b[rowFor[r]];
    if (taken[r] || rowFor[r] == r)
      continue;
    std::copy_n(&a[std::size_t(r) * m_stride], n, spare.data());
    int j = r;
    for (;;) {
      taken[j] = 1;
      const int from = rowFor[j];
      if (from == r) {
        std::copy_n(spare.data(), n, &a[std::size_t(j) * m_stride]);
        break;
      }
      std::copy_n(&a[std::size_t(from) * m_stride], n, &a[std::size_t(j) * m_stride]);
      j = from;
    }
  }
  m_goodBasis = m_basis;
  // The basic columns are exact unit columns.
  for (int r = 0; r < m; ++r) {
    const int c = m_basis[r];
    for (int i = 0; i < m; ++i)
      setAt(i, c, i == r ? 1.0 : 0.0);
  }
  m_columnIndex = -1;
  m_normsValid = false;
  m_pivotsSinceRefactor = 0;
  m_freshPivots = -1;
  ++m_refactorisations;
  computeCriterion();
  return true;
}

// Lifts every basic variable by a small amount of its own (a pseudo-random
// 2 to 4 millionths of its row's largest entry for a slack, surplus or
// artificial, a tenth of that for any other column), so that no ratio test
// ties and no pivot is degenerate. The single-entry columns lifted the more
// stay basic the longer, and the run leaves the corner through the feeds:
// of 1000 degenerate 85 x 45 problems, 59499 pivots after the first stall
// against 62925 with one lift for all, of 1000 85 x 60 ones 69679 against
// 77045, of 1000 infeasible 85 x 60 ones 96017 against 115459, and no more
// tableaux computed afresh. The lift is kept as a change of the loaded
// right-hand sides, so that a refactorisation carries it and taking it off
// is exact.
void SimplexSolver::perturb()
{
  aboutToChangeTableau();
  std::vector<double> lift(static_cast<std::size_t>(m_rows));
  // Per stored column, 1, or 0 for one that holds barred columns alone (and
  // for the padding): the barred ones take no part in a row's scale.
  // The basic columns, which lie after the others (see arrangeStored()),
  // are unit columns: they never raise the scale above 1, and a row is
  // read only up to them (in whole vectors).
  std::vector<double> keep(std::size_t(m_stride), 0.0);
  for (int k = 0; k < m_stored; ++k)
    keep[k] = m_storedBarred[k] ? 0.0 : 1.0;
  const int read = std::min(m_stride, (m_stored - m_rows + 3) / 4 * 4);
  for (int r = 0; r < m_rows; ++r) {
    const double largest = largestKept(&m_a[std::size_t(r) * m_stride], keep.data(), read);
    m_seed = m_seed * 1664525u + 1013904223u;
    const double u = double(m_seed >> 8) / double(1u << 24);
    lift[r] = (1.0 + u) * (m_singleRow0[m_basis[r]] >= 0 ? 2e-6 : 2e-7) * largest;
    m_b[r] += lift[r];
  }
  if (!m_perturbed)
    std::fill(m_shift.begin(), m_shift.end(), 0.0);
  // Each row's shift sums its entries in the basic columns, in the order of
  // the columns, times their rows' lifts. The sums are taken column by
  // column, every row's at once, each still in the order of the columns:
  // one chain of additions per row waited on each addition in turn. A zero
  // entry adds a zero, which leaves a sum as it is (none is ever -0), and a
  // single-entry column adds to its own row alone.
  const std::vector<int> basic = basicColumnsInOrder();
  std::vector<double> sums(static_cast<std::size_t>(m_rows), 0.0);
  for (const int c : basic) {
    const double l = lift[m_rowOf[c]];
    if (const int i = m_singleRow0[c]; i >= 0) {
      sums[i] += l * m_a0[std::size_t(i) * m_cols + c];
      continue;
    }
    const double *from = &m_a0[std::size_t(c)];
    for (int i = 0; i < m_rows; ++i, from += m_cols)
      sums[i] += l * *from;
  }
  for (int i = 0; i < m_rows; ++i)
    m_shift[i] += sums[i];
  m_perturbed = true;
  ++m_stalls;
}

// Takes the perturbation off: levels and criteria computed afresh on the
// loaded right-hand sides (a whole fresh tableau only where those cannot
// be had), and dual pivots for the rows that fall below zero. False when
// that fails.
bool SimplexSolver::settle()
{
  m_perturbed = false;
  std::fill(m_shift.begin(), m_shift.end(), 0.0);
  // After a stall, the levels and the criteria are computed afresh from the
  // loaded data without the tableau, at a tenth of the cost of a whole fresh
  // one: the tableau only guides the pivots, should there be any, and is
  // computed afresh every so many of them anyway (see RefactorEvery). Rows
  // that fall below zero are mended by dual pivots on the tableau as it
  // stands, from those levels and criteria, and the levels are computed
  // afresh once more after them: a whole fresh tableau cost as much as
  // some forty pivots, and one in seven of the large degenerate problems
  // paid for it here. Only should that fail does the whole tableau come.
  if (m_stallTools && m_pivotsSinceRefactor > 0) {
    std::vector<double> levels;
    auto below = [&levels] { return std::any_of(levels.begin(), levels.end(), [](double v) { return v < -Tol; }); };
    for (int round = 0; round < 2; ++round) {
      if (!freshLevels(levels) || (round > 0 && below()) || !freshCriteria())
        break;
      if (!below()) {
        aboutToChangeTableau();
        for (int r = 0; r < m_rows; ++r)
          m_b[r] = std::max(levels[r], 0.0);  // within the tolerance: this is the level
        m_freshPivots = m_pivotsSinceRefactor;
        m_freshCriteria = true;
        return true;
      }
      aboutToChangeTableau();
      std::copy(levels.begin(), levels.end(), m_b.begin());
      if (!dualRepair())
        break;
    }
  }
  if (!refactor())
    return false;
  // refactor() leaves the criteria computed afresh; only dual pivots, when
  // there were any, carried them on by updates.
  const int before = m_iterations;
  if (!dualRepair())
    return false;
  if (m_iterations != before)
    computeCriterion();
  return true;
}

// The basis is (nearly) optimal but some basic variables are below zero:
// the dual simplex brings them back, keeping the criteria as they are.
bool SimplexSolver::dualRepair()
{
  for (int guard = 0; guard < 4 * m_rows + 100; ++guard) {
    int r = -1;
    double worst = 0.0;
    for (int i = 0; i < m_rows; ++i) {
      if (m_b[i] >= -Tol)
        continue;
      // The most negative against the scale of the row.
      double scale = 1.0;
      const double *row = &m_a[std::size_t(i) * m_stride];
      for (int k = 0; k < m_stored; ++k)
        scale = std::max(scale, std::fabs(row[k]));
      const double v = m_b[i] / scale;
      if (v < worst) {
        worst = v;
        r = i;
      }
    }
    if (r < 0) {
      aboutToChangeTableau();
      for (int i = 0; i < m_rows; ++i)
        if (m_b[i] < 0.0)
          m_b[i] = 0.0;  // within the tolerance: this is the level
      return true;
    }
    int e = -1;
    double bestRatio = 0.0, bestAbs = 0.0;
    for (int c = 0; c < m_cols; ++c) {
      const double v = at(r, c);
      if (m_barred[c] || m_rowOf[c] >= 0 || v > -Tol)
        continue;
      const double ratio = std::max(0.0, -m_d[c]) / -v;
      if (e < 0 || ratio < bestRatio - Tol || (ratio < bestRatio + Tol && -v > bestAbs)) {
        e = c;
        bestRatio = ratio;
        bestAbs = -v;
      }
    }
    if (e < 0)
      return false;
    pivot(r, e);
    ++m_iterations;
  }
  return false;
}

// A refactorisation met a singular basis and left the tableau spent: redo it
// for the last basis refactorised, or, should that fail as well, take the
// tableau as loaded with its own basis.
void SimplexSolver::backToGoodBasis()
{
  if (!m_restoring && m_goodBasis != m_basis) {
    m_restoring = true;
    restoreBasis(m_goodBasis);
    m_restoring = false;
    return;
  }
  aboutToChangeTableau();
  m_b = m_b0;
  m_perturbed = false;
  std::fill(m_shift.begin(), m_shift.end(), 0.0);
  m_basis = m_basis0;
  std::fill(m_rowOf.begin(), m_rowOf.end(), -1);
  for (int r = 0; r < m_rows; ++r)
    m_rowOf[m_basis[r]] = r;
  fillLoaded();
  refreshPenalties();
  m_columnIndex = -1;
  m_normsValid = false;
  m_pivotsSinceRefactor = 0;
  computeCriterion();
}

// The first change phase one makes to the tableau: what stood before it is
// kept, for an infeasible end to be reported on.
void SimplexSolver::keepTableau()
{
  m_keepOnChange = false;
  m_tableauKept = true;
  m_keptA = m_a;
  m_keptB = m_b;
  m_keptStoredOf = m_storedOf;
  m_keptStoredColumns = m_storedColumns;
  m_keptStoredBarred = m_storedBarred;
}

void SimplexSolver::restoreBasis(const std::vector<int> &basis)
{
  m_basis = basis;
  std::fill(m_rowOf.begin(), m_rowOf.end(), -1);
  for (int r = 0; r < m_rows; ++r)
    m_rowOf[m_basis[r]] = r;
  refreshPenalties();
  m_perturbed = false;
  std::fill(m_shift.begin(), m_shift.end(), 0.0);
  refactor();
}

// Phase one has ended with an artificial above zero: recompute its level on
// fresh data and compare it with the scale of the row it belongs to. When
// the fresh data shows no such artificial, the updated tableau had drifted.
bool SimplexSolver::confirmedInfeasible()
{
  auto infeasible = [this](const std::vector<double> &levels) {
    for (int r = 0; r < m_rows; ++r) {
      const int col = m_basis[r];
      if (m_artificial[col] && levels[r] > Tol * rowScale(m_homeRow[col]))
        return true;
    }
    return false;
  };
  // Levels computed afresh since the last pivot, off the perturbation (the
  // Big-M run mostly ends so after a stall, and phase one without a pivot),
  // are what a second computation would give.
  const bool fresh = !m_perturbed && m_pivotsSinceRefactor == m_freshPivots;
  if (m_pivotsSinceRefactor > 0 && !fresh) {
    // Mostly the end is confirmed, and the caller then goes back to the
    // state before phase one: the levels alone tell, at a fraction of a
    // whole tableau. Only a solve that goes on needs the tableau.
    std::vector<double> levels;
    if (!freshLevels(levels) || infeasible(levels))
      return true;
    if (!refactor())
      return true;
  }
  return infeasible(m_b);
}

// pivot(r, e) where e is the negated twin of row r's basic column: both
// are held by one stored column, which reads 0 in every other row, so the
// pivot entry is -1 and the rows other than r keep every entry as it is
// (pivot() would only write a zero over a zero there). Only row r changes,
// and the criteria and the pricing weights as pivot() changes them. The
// rows left alone are most of the cost of such a pivot: each is a line of
// its own to fetch.
void SimplexSolver::pivotOnTwin(int r, int e)
{
  flushPending();  // row r is changed in place
  notePivot(r, e);
  aboutToChangeTableau();
  const int pe = m_storedOf[e];
  const double se = m_sign[e];
  double *prow = &m_a[std::size_t(r) * m_stride];
  const double p = se * prow[pe];
  const bool weights = m_steepest && m_normsValid;
  const double we = weights ? m_norms[e] : 0.0;
  const double inv = p != 1.0 ? 1.0 / p : 1.0;
  m_b[r] *= inv;
  for (int k = 0; k < m_stride; ++k)
    prow[k] *= inv;
  prow[pe] = se;
  const int leaving = m_basis[r];
  followPivotRow(prow, e, leaving, p, weights, we);
  enterBasis(r, e, leaving);
}

void SimplexSolver::driveOutZeroArtificials()
{
  // The caller computes the criteria afresh right after: with them all 0,
  // the pivots here leave them as they are instead of carrying them along.
  std::fill(m_d.begin(), m_d.end(), 0.0);
  for (int r = 0; r < m_rows; ++r) {
    const int art = m_basis[r];
    if (!m_artificial[art])
      continue;
    // After a stall, an artificial that is the negation of its row's
    // surplus gives way to that surplus: the same corner, the basis with one
    // column negated, so the pivot changes the pivot row alone, where any
    // other column's would go through the whole tableau (on the degenerate
    // problems some forty pivots of a solve's two hundred). A solve that
    // never stalled keeps its largest-entry choice, the path it always took.
    if (const int twin = m_twin[art]; m_stallTools && twin >= 0 && !m_artificial[twin] && m_rowOf[twin] < 0) {
      m_b[r] = 0.0;
      pivotOnTwin(r, twin);
      continue;
    }
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
      m_freshCriteria = false;
    }
  }
}

SimplexSolver::Status SimplexSolver::solve()
{
  m_iterations = 0;
  m_blandPivots = 0;
  m_ranPhaseOne = false;
  m_stalls = 0;
  m_refactorisations = 0;
  m_seed = 20261210u;
  m_pathHash = 14695981039346656037ull;
  m_stallTools = false;
  m_pivotsBeforeStall = -1;
  m_perturbed = false;
  m_steepest = false;
  m_normsValid = false;
  m_goodBasis = m_basis;
  m_restoring = false;
  m_someStoredBarred = false;
  m_stallBasis.clear();
  m_freshPivots = -1;
  m_freshCriteria = false;
  std::fill(m_shift.begin(), m_shift.end(), 0.0);
  m_iterationLimit = 100 * (m_rows + m_cols) + 1000;
  m_c = m_cost0;
  std::fill(m_barred.begin(), m_barred.end(), 0);
  std::fill(m_storedBarred.begin(), m_storedBarred.end(), 0);
  refreshPenalties();
  computeCriterion();

  LoopEnd end = iterate(true);
  if (end == LoopEnd::IterationLimit) {
    computeCriterion();
    return m_status = Status::IterationLimit;
  }

  bool anyArtificialBasic = false;
  for (int r = 0; r < m_rows; ++r)
    anyArtificialBasic = anyArtificialBasic || m_artificial[m_basis[r]];
  if (!anyArtificialBasic && end != LoopEnd::Feasible) {
    verdictCriteria();
    return m_status = (end == LoopEnd::Optimal ? Status::Optimal : Status::Unbounded);
  }

  if (end != LoopEnd::Feasible && hasPositiveArtificial()) {
    // Minimise the sum of the artificials from here before calling it
    // infeasible: the Big-M may simply have been too small.
    m_ranPhaseOne = true;
    // Mostly phase one finds nothing to do and confirms the end as it
    // stands: the tableau, two hundred kilobytes on a large problem, is
    // copied only should phase one go on to change it.
    m_keepOnChange = true;
    m_tableauKept = false;
    const int pivotsSinceRefactor = m_pivotsSinceRefactor;
    const std::vector<int> basis = m_basis, rowOf = m_rowOf;
    // The Big-M criteria, computed afresh for its verdict: an end that
    // phase one has not changed keeps them, instead of computing them again.
    const int pivotsBefore = m_iterations;
    std::vector<double> z = m_z, d = m_d;
    for (int c = 0; c < m_cols; ++c)
      m_c[c] = m_artificial[c] ? 1.0 : 0.0;
    m_freshCriteria = false;
    verdictCriteria();
    const LoopEnd phaseOne = iterate();
    const bool ended = phaseOne == LoopEnd::IterationLimit
                       || (hasPositiveArtificial() && confirmedInfeasible());
    m_keepOnChange = false;
    if (ended && m_tableauKept) {
      m_a.swap(m_keptA);
      m_b.swap(m_keptB);
      m_storedOf.swap(m_keptStoredOf);
      m_storedColumns.swap(m_keptStoredColumns);
      m_storedBarred.swap(m_keptStoredBarred);
      m_pivotsSinceRefactor = pivotsSinceRefactor;
    }
    Tableau().swap(m_keptA);
    std::vector<double>().swap(m_keptB);
    if (ended) {
      m_columnIndex = -1;
      m_normsValid = false;
      m_basis = basis;
      m_rowOf = rowOf;
      refreshPenalties();
      m_c = m_cost0;
      if (m_iterations == pivotsBefore && !m_tableauKept) {
        m_z.swap(z);
        m_d.swap(d);
        for (int r = 0; r < m_rows; ++r)
          m_cb[r] = m_c[m_basis[r]];
      } else {
        computeCriterion();
      }
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
  // A stored column is barred when every column it holds is.
  std::fill(m_storedBarred.begin(), m_storedBarred.end(), 1);
  for (int c = 0; c < m_cols; ++c)
    if (!m_barred[c])
      m_storedBarred[m_storedOf[c]] = 0;
  m_someStoredBarred = std::find(m_storedBarred.begin(), m_storedBarred.end(), 1) != m_storedBarred.end();
  refreshPenalties();
  computeCriterion();
  // A solve that has stalled before the artificials were taken out starts
  // the true costs at the corner it stalled at, mostly, or near it: the
  // stall would be met again after a run of degenerate pivots, so the
  // perturbation comes at once.
  end = iterate(false, m_stallTools && !m_perturbed);
  verdictCriteria();
  switch (end) {
  case LoopEnd::Optimal:
  case LoopEnd::Feasible: return m_status = Status::Optimal;
  case LoopEnd::Unbounded: return m_status = Status::Unbounded;
  case LoopEnd::IterationLimit: break;
  }
  return m_status = Status::IterationLimit;
}

} // namespace vz

#pragma once
// Primal simplex on a dense tableau, minimising the cost row, started from a
// basis of artificial and slack columns with Big-M costs on the artificials.
//
// Pivot rules: the column with the largest positive criterion z_j - c_j enters
// (the lowest-numbered one among equal ones; a column without a positive entry
// is passed over); the leaving row is the first smallest quotient, ties broken
// by comparing the scaled tied rows column by column, the added columns first.
// Values closer than Tolerance compare equal. When no criterion is above the
// tolerance, a column whose criterion is still above zero enters all the
// same if the fall of the cost along its edge is more than a trifle (1e-9)
// of the cost: the tolerance is one for all columns, whatever their scale,
// and a criterion of 5e-8 on a long edge can leave the cost a tenth of a
// percent above the optimum.
//
// What keeps it sound on any input:
//  - artificial columns are known by their index, never by their cost;
//  - a stall (a run of degenerate pivots, or a long run without the cost
//    falling) brings in the tools for degenerate corners, and nothing before
//    it does: until the first stall every pivot is chosen by the rules above
//    alone, so a solve that never stalls takes the same path, to the same
//    numbers, whatever those tools become. From the first stall on, the
//    entering column is the steepest edge (its lengths computed exactly now
//    and then, and kept up by the devex rule in between), which leaves a
//    degenerate corner in a few pivots where the largest criterion wanders
//    along it for hundreds, and every verdict is taken on levels and
//    criteria computed afresh from the loaded data (from the basic columns
//    alone, or with the whole tableau where rows below zero need dual
//    pivots). A stall met at a feasible point under the Big-M costs, the
//    first one as well, ends the Big-M run there (the true costs then
//    start perturbed); a further stall otherwise is met by a small bounded
//    perturbation of the right-hand sides, under which no pivot is
//    degenerate; from then on the tableau is recomputed every so many
//    pivots, and before any verdict the perturbation is taken off on
//    freshly computed data and the few rows it leaves below zero are
//    mended by dual pivots. A solve that
//    never stalled is mended the same way, and only then, when it ends with
//    a basic variable below zero. Bland's rule is the last resort, should
//    that fail; an iteration limit ends the run in any case;
//  - an optimum that still holds an artificial at a positive level is checked
//    by a phase one (sum of the artificials); when that finds a feasible point
//    the solve goes on from it with the artificials barred, so a Big-M that
//    is too small never turns a feasible problem into an infeasible one. An
//    infeasible end of phase one is confirmed on levels computed afresh,
//    each artificial measured against the scale of its own row;
//  - an artificial left basic at level zero is driven out by a degenerate
//    pivot on its own row; one that no column can replace (a row nothing can
//    move) gets cost 0, so the row's dual is a true price, never the Big-M.
//
// The solver is independent of the ration problem, so that benchmarks and the
// tests drive it directly.
#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

namespace vz {

// Storage that starts on a cache line: with rows padded to a whole number of
// lines as well, no vector load of a row update straddles two lines. A
// resize leaves the new entries unset, as the tableau is filled whole right
// after (zeroing it first cost a pass over it on every load).
template <typename T>
struct CacheLineAllocator {
  using value_type = T;
  static constexpr std::align_val_t Alignment{64};
  CacheLineAllocator() = default;
  template <typename U>
  CacheLineAllocator(const CacheLineAllocator<U> &) {}
  T *allocate(std::size_t n) { return static_cast<T *>(::operator new(n * sizeof(T), Alignment)); }
  void deallocate(T *p, std::size_t n) { ::operator delete(p, n * sizeof(T), Alignment); }
  template <typename U>
  void construct(U *p) noexcept
  {
    ::new (static_cast<void *>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U *p, Args &&...args)
  {
    ::new (static_cast<void *>(p)) U(std::forward<Args>(args)...);
  }
  template <typename U>
  bool operator==(const CacheLineAllocator<U> &) const { return true; }
};

class SimplexSolver {
public:
  static constexpr double Tolerance = 1e-7;
  // Degenerate pivots in a row taken for a stall, unless set otherwise. On
  // the problems that stall at all, a short limit costs far fewer pivots
  // than a long one: the run only grows once the corner is badly degenerate.
  // The longer max(50, rows) would spare few ordinary problems a stall (3 of
  // the 360 random ones in the tests have a run between the two) and cost
  // the degenerate ones about a third more pivots.
  static constexpr int DefaultStallLimit = 10;

  enum class Status {
    NotSolved,
    Optimal,         // no artificial at a positive level
    Infeasible,      // confirmed by phase one; the Big-M end state is kept
    Unbounded,       // an improving column without a positive entry stopped it
    IterationLimit,  // safety net; the state is the last basis reached
  };

  // Takes a tableau of `rows` x `cols` entries (row-major), the right-hand
  // sides (>= 0), the column costs, the initial basis (one column per row,
  // each a unit column in its row) and which columns are artificial.
  // `addedColumnsFrom` is the first column that the tie-break examines first
  // (the columns after the feed columns). Returns false, and keeps nothing,
  // when the sizes do not agree or a basis entry is out of range.
  bool load(int rows, int cols, std::vector<double> entries, std::vector<double> rhs,
            std::vector<double> costs, std::vector<int> basis, std::vector<std::uint8_t> artificial,
            int addedColumnsFrom);

  // Degenerate pivots in a row taken for a stall; a negative value (the
  // default) means DefaultStallLimit. Tests set 0 to run on the last resort,
  // Bland's rule, from the first degenerate pivot on.
  void setStallLimit(int pivots) { m_stallLimit = pivots; }

  // Solves the loaded tableau; never fails (see Status).
  Status solve();

  int rows() const { return m_rows; }
  int cols() const { return m_cols; }
  Status status() const { return m_status; }
  bool found() const { return m_status == Status::Optimal; }

  // After solve(): the final state.
  int basicColumn(int row) const { return m_basis[row]; }
  double rhs(int row) const { return m_b[row]; }
  double basicCost(int row) const { return m_cb[row]; }
  int rowOfColumn(int col) const { return m_rowOf[col]; }  // -1 when not basic
  double entry(int row, int col) const { return at(row, col); }
  double z(int col) const { return m_z[col]; }
  double criterion(int col) const { return m_d[col]; }  // z_j - c_j
  double value(int col) const;                           // 0 when not basic
  double objective() const;                              // sum of c_B * b

  // Statistics of the last solve, for tests and benchmarks.
  int iterations() const { return m_iterations; }
  int blandPivots() const { return m_blandPivots; }
  bool ranPhaseOne() const { return m_ranPhaseOne; }
  int stalls() const { return m_stalls; }                // perturbations made
  int refactorisations() const { return m_refactorisations; }
  // Pivots before the first stall, all of them when the solve never
  // stalled: the part of the path the ordinary pivot rule makes alone.
  int pivotsBeforeStall() const { return m_pivotsBeforeStall < 0 ? m_iterations : m_pivotsBeforeStall; }
  // A hash of every pivot made (its row, entering and leaving column), in
  // order: two solves with the same value took the same path.
  std::uint64_t pivotPathHash() const { return m_pathHash; }

  // Whether an artificial column is basic above the feasibility tolerance
  // of its own row.
  bool hasPositiveArtificial() const;

private:
  // Feasible: a stall under the Big-M costs met with no artificial above
  // zero, which the run ends on only when asked to.
  enum class LoopEnd { Optimal, Unbounded, IterationLimit, Feasible };

  // The tableau keeps one stored column for each pair of columns that are
  // the negation of each other (a surplus and the artificial of its row):
  // every pivot changes both alike, so one of them is enough, and on
  // problems with many lower limits a pivot works through about a quarter
  // less of the tableau. at() reads a column by its own number.
  using Tableau = std::vector<double, CacheLineAllocator<double>>;
  double at(int r, int c) const { return m_sign[c] * m_a[std::size_t(r) * m_stride + m_storedOf[c]]; }
  void setAt(int r, int c, double v) { m_a[std::size_t(r) * m_stride + m_storedOf[c]] = m_sign[c] * v; }
  void mapTwins();
  void arrangeStored();
  void swapStored(int p, int q, int row);

  void computeCriterion();
  LoopEnd iterate(bool mayEndFeasible = false, bool perturbAtOnce = false);
  int chooseEntering(bool bland) const;
  int ratioTest(int e, bool bland) const;
  int longEdge() const;
  void gatherColumn(int c) const;  // into m_column
  void refreshPenalties();
  // `mayWait`: the main loop chose this pivot, and its update of the other
  // rows may wait for the next pivot (see pivot()).
  void pivot(int r, int e, bool mayWait = false);
  void pivotOnTwin(int r, int e);
  // What every pivot does beside its rows: its step in the path hash; the
  // criteria and (after a stall) the pricing weights followed by the pivot
  // row, divided through; the basis taking e in row r for `leaving`.
  void notePivot(int r, int e);
  void followPivotRow(const double *prow, int e, int leaving, double p, bool weights, double we);
  void enterBasis(int r, int e, int leaving);
  // at(), with a pivot whose row updates wait applied to the entry.
  double current(int r, int c) const;
  void flushPending();
  // The waiting pivot as the row updates take it (a struct of the .cpp).
  template <typename Update>
  Update pendingUpdate() const
  {
    return Update{m_pendingRow,         m_pendingEntering,    m_pendingLeaving,      m_pendingPivotRow.data(),
                  m_pendingMult.data(), m_pendingRuns.data(), m_pendingRunCount,     m_pendingLines.data()};
  }
  bool artificialPositive(int row) const;
  bool anyBelowZero() const;
  void driveOutZeroArtificials();

  // Stall handling (see the top of this file).
  double rowScale(int originalRow) const;
  bool refactor();
  bool eliminate(Tableau &a, int n, int stride, const std::vector<int> &columns,
                 const std::vector<double> &signs, std::vector<double> &b, std::vector<int> &rowFor,
                 bool singlesFirst);
  bool splitBasis(std::vector<int> &singleOf, std::vector<int> &others, std::vector<int> &rest) const;
  bool solveSquare(std::vector<double> &sys, int k, const std::vector<double> &scale, std::vector<double> &x) const;
  bool freshLevels(std::vector<double> &levels);
  bool freshCriteria();
  void verdictCriteria();
  void perturb();
  bool settle();
  bool dualRepair();
  void fillLoaded();
  void fillStoredRows();
  std::vector<int> basicColumnsInOrder() const;
  void restoreBasis(const std::vector<int> &basis);
  void backToGoodBasis();
  bool confirmedInfeasible();
  void aboutToChangeTableau()
  {
    if (m_keepOnChange)
      keepTableau();
  }
  void keepTableau();

  int m_rows = 0;
  int m_cols = 0;
  int m_tieFrom = 0;
  Tableau m_a;                    // rows x m_stride, the first m_stored of each row in use
  int m_stored = 0;               // stored columns
  int m_stride = 0;               // m_stored rounded up to whole cache lines
  std::vector<int> m_storedOf;    // per column: the stored column that holds it
  std::vector<int> m_storedColumns;  // per stored column: its column, and its negated twin or -1
  std::vector<int> m_twin;        // per column: the column it is the negation of, or -1
  std::vector<double> m_sign;     // per column: 1, or -1 for the negated twin
  std::vector<std::uint8_t> m_storedBarred;  // per stored column: all its columns barred
  bool m_someStoredBarred = false;  // some stored column holds barred columns alone
  mutable std::vector<double> m_zStored;  // scratch: per stored column
  std::vector<double> m_a0;      // the tableau as loaded (see load())
  std::vector<int> m_singleRow0;  // per column: the row of its one non-zero entry as loaded, or -1
  std::vector<double> m_shift;   // the perturbation, as a change of the loaded right-hand sides
  std::vector<double> m_scale0;  // per loaded row: max(1, |b|, largest |entry|)
  std::vector<int> m_stallBasis; // the feasible basis at the first stall, for the last resort
  bool m_perturbed = false;
  bool m_steepest = false;       // steepest-edge pricing
  bool m_stallTools = false;     // a stall has been met in this solve: the tools for it are in
  mutable bool m_normsValid = false;  // m_norms holds the weights of the current tableau
  mutable std::vector<double> m_norms;
  std::vector<double> m_spareRow; // scratch for refactor()
  std::vector<int> m_basis0;     // the basis as loaded
  std::vector<int> m_goodBasis;  // the last basis refactorised
  bool m_restoring = false;
  std::vector<int> m_planRuns;   // scratch: the runs of a pivot row's update
  std::vector<std::uint8_t> m_planLines;  // likewise: its lines that take part
  // A pivot made but for its update of the rows other than its own, which
  // the next pivot makes in the same pass as its own (see pivot()): its row
  // (-1 when there is none), the stored columns that enter and leave, its
  // row divided through as it stood before those swapped places, each row's
  // multiplier (0 for its own row), and the plan of the update.
  int m_pendingRow = -1;
  int m_pendingEntering = 0;
  int m_pendingLeaving = 0;
  Tableau m_pendingPivotRow;
  std::vector<double> m_pendingMult;
  std::vector<int> m_pendingRuns;
  std::vector<std::uint8_t> m_pendingLines;
  int m_pendingRunCount = 0;
  std::vector<int> m_unionRuns;  // scratch: the runs of the two pivots' update in one pass
  std::vector<int> m_activeRows;       // likewise: the rows it changes
  std::vector<double> m_movedEntries;  // likewise: the waiting pivot's moved entries
  // The width of a row (stored columns, padded) from which the row updates
  // of the ordinary pivots wait (see pivot()). What the shared pass saves
  // grows with the lines of a row; what the waiting costs (the gathered
  // column corrected, the levels in a pass of their own, the pivot row
  // copied) does not. Per problem, best of 150 rounds: each 40 x 20
  // degenerate one (rows of 72 to 96) took 3 to 25 per cent longer with it,
  // each 30 x 20 one (48 to 64) 15 to 40 per cent, each 85 x 45 one (128 to
  // 152) 2 to 10 per cent less. The tests set it to make every solve wait,
  // or none.
  static constexpr int DefaultWaitFrom = 128;
  int m_waitFrom = DefaultWaitFrom;
  int m_pivotsSinceRefactor = 0;
  // m_pivotsSinceRefactor when settle() last computed the levels and the
  // criteria afresh without the tableau; -1 when it has not since.
  int m_freshPivots = -1;
  // The criteria were computed so (see freshCriteria()) for the current
  // basis and costs, and nothing has changed them since.
  bool m_freshCriteria = false;
  std::vector<double> m_b;
  // The tableau as it stood before phase one, copied only when phase one
  // first changes it (see solve()).
  bool m_keepOnChange = false;
  bool m_tableauKept = false;
  Tableau m_keptA;
  std::vector<double> m_keptB;
  std::vector<int> m_keptStoredOf;
  std::vector<int> m_keptStoredColumns;
  std::vector<std::uint8_t> m_keptStoredBarred;
  std::vector<double> m_b0;      // initial right-hand sides, for feasibility scales
  std::vector<double> m_c;       // current costs
  std::vector<double> m_cost0;   // costs as loaded
  std::vector<double> m_cb;
  std::vector<double> m_z;
  std::vector<double> m_d;
  std::vector<int> m_basis;
  std::vector<int> m_rowOf;
  std::vector<int> m_homeRow;    // artificial column -> the row it started in
  std::vector<std::uint8_t> m_artificial;
  std::vector<std::uint8_t> m_barred;
  std::vector<double> m_penalty;  // 0, or minus a huge value for basic and barred columns
  mutable std::vector<int> m_scratch;
  mutable std::vector<double> m_quotients;
  mutable std::vector<int> m_improving;  // scratch: the columns the steepest edge scores
  mutable std::vector<double> m_column;
  mutable int m_columnIndex = -1;  // the column m_column holds, -1 after a change
  mutable int m_qualifying = 0;    // its rows at or above Tolerance
  mutable int m_firstQualifying = 0;  // the first of them
  mutable std::vector<double> m_tiedEntries;  // scratch: the tie-break's entries of the tied rows, two columns' worth

  Status m_status = Status::NotSolved;
  int m_iterations = 0;
  int m_iterationLimit = 0;
  int m_blandPivots = 0;
  int m_stallLimit = -1;
  int m_stalls = 0;
  int m_refactorisations = 0;
  int m_pivotsBeforeStall = -1;
  std::uint32_t m_seed = 0;
  bool m_ranPhaseOne = false;
  std::uint64_t m_pathHash = 0;
  friend struct SimplexSolverTestAccess;  // the tests' way to a singular basis
};

} // namespace vz

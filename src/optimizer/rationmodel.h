#pragma once
// The linear programme of a ration problem, with the report rows printed
// beside it. Unknowns: the dry-matter amount x_j (kg per animal and day) of
// every priced feedstuff (YM); cost: the feedstuff's price per kg of dry
// matter, from its price and its dry-matter percentage (the nutrient "KMO").
// Constraint rows, top to bottom: the nutrients (BM) with a limit, a copy for
// every nutrient with both a lower and an upper limit (carrying the upper
// one), the nutrient ratios (BMO, as A - r*B against 0), and the feedstuff
// amount limits (fixed, then lower, then upper). Each row holds exactly one
// limit: fixed (=), lower (>=) or upper (<=).
//
// The report rows list every nutrient (also those without a limit, type
// "Yok"), the split copies, every ratio whose two nutrients exist and every
// feedstuff limit; the constraint rows are exactly the report rows that have
// a requested value, in the same order.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vz {

class RationProblem;
class SimplexSolver;

struct RowLimits {
  std::optional<double> fixed;
  std::optional<double> lower;
  std::optional<double> upper;

  bool any() const { return fixed || lower || upper; }
  // The requested value: fixed, else lower, else upper.
  std::optional<double> requested() const { return fixed ? fixed : lower ? lower : upper; }
};

enum class LimitKind { Fixed, Lower, Upper };

struct RationReportRow {
  enum class Kind { Nutrient, Ratio, Feed };
  Kind kind = Kind::Nutrient;
  QString name;
  QString type;          // "Sabit", "Alt", "Üst" or "Yok"
  RowLimits requested;
  int nutrient = -1;     // Nutrient: its row in nutrientMatrix
  int ratioA = -1;       // Ratio: numerator and denominator rows in nutrientMatrix
  int ratioB = -1;
  int feed = -1;         // Feed: its feed column
  int constraint = -1;   // its constraint row, -1 when it has no limit
};

struct ConstraintRow {
  std::vector<double> coefficients;  // one per feed column
  LimitKind kind = LimitKind::Lower;
  double limit = 0.0;
  bool negated = false;  // a negative limit was turned round (row and limit times -1)
};

class RationModel {
public:
  enum class Stop {
    None,
    NoPricedFeed,   // no feedstuff, or none with a price
    NoFeedLeft,     // every priced feedstuff has a dry-matter percentage of 0
    NoLimits,       // no row carries a limit
  };

  // Builds the programme from the problem; never fails, but may set stop().
  static RationModel build(const RationProblem &problem);

  Stop stop() const { return m_stop; }

  // Feed columns (priced feedstuffs with a dry-matter percentage).
  QStringList feedNames;          // trimmed
  std::vector<double> prices;     // divided by the price divisor
  std::vector<double> costs;      // per kg of dry matter (scaled), or the scaled price without KMO
  std::vector<double> kmo;        // dry-matter percentages; empty without a "KMO" row
  double divisor = 1.0;
  double bigM = 0.0;

  // Feedstuffs left out because their dry-matter percentage is 0: the name
  // and the fixed or lower limit that went with them ("Sabit"/"Alt", or empty).
  struct DroppedFeed {
    QString name;
    QStringList droppedLimits;
  };
  QList<DroppedFeed> zeroKmoFeeds;

  std::vector<std::vector<double>> nutrientMatrix;  // nutrient report rows x feed columns
  int nutrientRows = 0;                              // NBMSAYI
  int kmoRow = -1;                                   // report row named "KMO", -1 when none
  QList<RationReportRow> rows;
  std::vector<ConstraintRow> constraints;

  int feedCount() const { return int(feedNames.size()); }

  // Loads the tableau of the constraint rows into `solver`: feed columns,
  // one surplus column per lower row, then one basic column per row
  // (artificial with the Big-M cost for fixed and lower rows, slack for
  // upper rows). Returns false when the solver refuses the sizes.
  bool loadInto(SimplexSolver &solver) const;
  // The initial basic column of each constraint row (for the shadow prices).
  std::vector<int> initialBasis() const;

  // GETNTRUNCATED: the ratio row name a + "/" + b, each part cut to 9
  // characters when the whole would be longer than 20.
  static QString GETNTRUNCATED(const QString &a, const QString &b);

private:
  Stop m_stop = Stop::None;
};

} // namespace vz

#pragma once
// The ration problem open in the main window. Domain abbreviations used across
// the program: YM feedstuff (yem maddesi), BM nutrient (besin maddesi), BMO
// nutrient ratio, MAT/AMAT the feed x nutrient matrix, KMT dry-matter amount,
// KMO dry-matter percentage of a feedstuff.
//
// Every value is text as the problem file holds it; numbers are "number text":
// 11 characters, right-aligned, '.' as decimal point, 11 blanks for an empty
// cell. Rows are fixed-position lists (0-based here).
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vz {

// Feedstuff row: name (15, padded right), price, fixed, lower, upper (3 decimals).
enum FeedColumn { YmName = 0, YmPrice, YmFixed, YmLower, YmUpper, YmColumns };
// Nutrient row: name (15), unit (11, right-aligned), fixed, lower, upper (4 decimals).
enum NutrientColumn { BmName = 0, BmUnit, BmFixed, BmLower, BmUpper, BmColumns };
// Ratio row: numerator name (15), denominator name (15), fixed, lower, upper (4 decimals).
enum RatioColumn { BmoNameA = 0, BmoNameB, BmoFixed, BmoLower, BmoUpper, BmoColumns };
// Problem parameters: code ("G"), animal count (3 decimals), currency, weight unit.
enum ParamIndex { ParCode = 0, ParAnimals, ParCurrency, ParWeight, ParCount };

struct ChangedFlags {
  bool params = false;
  bool feedNames = false;
  bool nutrientNames = false;
  bool ratios = false;
  bool matrix = false;
  bool feedAmounts = false;

  bool any() const { return feedNames || nutrientNames || ratios || matrix || params || feedAmounts; }
  void clear() { *this = ChangedFlags(); }
  bool operator==(const ChangedFlags &) const = default;
};

class RationProblem {
public:
  RationProblem() = default;
  ~RationProblem();
  RationProblem(const RationProblem &) = default;
  RationProblem(RationProblem &&) noexcept = default;
  RationProblem &operator=(const RationProblem &) = default;
  RationProblem &operator=(RationProblem &&) noexcept = default;

  QList<QStringList> feeds;        // YM table
  QStringList feedNames;           // trimmed names, one per feeds row
  QStringList feedAmounts;         // manual ration amounts (YMMANMIK); empty or one per feed
  QList<QStringList> nutrients;    // BM table
  QStringList nutrientNames;       // trimmed, one per nutrients row
  QStringList nutrientUnits;       // trimmed, parallel to nutrientNames
  QList<QStringList> ratios;       // BMO table
  QList<QStringList> matrix;       // [nutrient][feed] number text, dry-matter based
  std::optional<QStringList> params;  // absent, or ParCount texts
  QStringList animalDescription;   // "label: value" lines of the last estimate
  ChangedFlags changed;

  // Every table and list empty, parameters absent, all flags lowered.
  void reset();
  void rebuildFeedNames();
  void rebuildNutrientLists();

  static QStringList defaultParams();  // {"G", "1.000", "TL", "Kg"}

  bool operator==(const RationProblem &) const = default;
};

} // namespace vz

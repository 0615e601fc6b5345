#pragma once
// The figures of the optimal solution report, taken from a solved ration
// programme: amounts, cost, the price change a feedstuff left out needs to
// enter, and per report row the requested and computed values with the
// shadow price of its limit. Prices and costs are back in the units entered
// (times the price divisor).
#include "rationmodel.h"

#include <optional>
#include <vector>

namespace vz {

class SimplexSolver;

class OptimalSolution {
public:
  // `animalCount` is the count of the report parameters (n). Never fails.
  static OptimalSolution compute(const RationModel &model, const SimplexSolver &solver, double animalCount);

  bool found = false;       // no artificial left at a positive level
  double animalCount = 0.0;

  struct Feed {
    bool basic = false;     // in the final basis (also at level 0)
    double amount = 0.0;    // x_j, kg of dry matter per animal, rounded to 3 decimals
    double price = 0.0;     // p_j, as entered
    double share = 0.0;     // s_j, % of the ration's dry matter
    double asFed = 0.0;     // f_j, kg as fed for the herd
    double criterion = 0.0; // z_j - c_j (scaled)
    double marginal = 0.0;  // g_j, price change per kg as fed for it to enter
    double highestPrice = 0.0;  // M_j = p_j - |g_j|
  };
  std::vector<Feed> feeds;
  int chosenCount = 0;      // basic feed columns
  double totalDryMatter = 0.0;  // X
  double totalShare = 0.0;      // S
  double totalAsFed = 0.0;      // F
  double cost = 0.0;            // C, per animal and day

  struct Row {
    std::optional<double> requested;  // ACTSINVALUE
    std::optional<double> computed;   // rounded; none for "KMO" without an as-fed total
    std::optional<double> shadow;     // times the divisor; none without a limit
    QString mark;                     // ISARETVARMI: 7 blanks, or six blanks and "*"
  };
  std::vector<Row> rows;  // one per model report row

  // ISARETVARMI: the violation mark of a report row in a failed solution.
  static QString ISARETVARMI(bool found, const RowLimits &requested, double computed, double requestedValue);
};

} // namespace vz

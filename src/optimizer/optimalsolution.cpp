#include "optimalsolution.h"

#include "simplexsolver.h"
#include "problem/numbertext.h"

#include <cmath>

namespace vz {

namespace {

constexpr double Tol = SimplexSolver::Tolerance;

bool isZero(double v)
{
  return std::fabs(v) < Tol;
}

} // namespace

QString OptimalSolution::ISARETVARMI(bool found, const RowLimits &requested, double computed, double requestedValue)
{
  const QString none(7, QLatin1Char(' '));
  const QString mark = QString(6, QLatin1Char(' ')) + QLatin1Char('*');
  const double v = MROUND(computed, 4);
  const double r = MROUND(requestedValue, 4);
  if (found)
    return none;
  if (requested.fixed)
    return isZero(v - r) ? none : mark;
  if (requested.lower)
    return r - v >= Tol ? mark : none;
  if (requested.upper)
    return v - r >= Tol ? mark : none;
  return none;
}

OptimalSolution OptimalSolution::compute(const RationModel &model, const SimplexSolver &solver, double animalCount)
{
  OptimalSolution s;
  s.found = solver.found();
  s.animalCount = animalCount;
  const int nF = model.feedCount();
  const bool withKmo = model.kmoRow >= 0;

  s.feeds.resize(std::size_t(nF));
  for (int j = 0; j < nF; ++j) {
    Feed &f = s.feeds[j];
    f.price = model.divisor * model.prices[j];
    f.criterion = solver.criterion(j);
    const int r = solver.rowOfColumn(j);
    if (r >= 0) {
      f.basic = true;
      f.amount = MROUND(solver.rhs(r), 3);
      s.totalDryMatter += f.amount;
      s.cost += model.divisor * solver.basicCost(r) * f.amount;
      ++s.chosenCount;
    }
  }
  for (int j = 0; j < nF; ++j) {
    Feed &f = s.feeds[j];
    if (f.amount > 0.0 && !isZero(f.amount)) {
      f.share = MROUND(f.amount / s.totalDryMatter * 100.0, 3);
      const double d = withKmo ? model.kmo[j] : 0.0;
      f.asFed = (withKmo && d != 0.0) ? MROUND(f.amount / d * 100.0 * animalCount, 3) : 0.0;
      s.totalShare += f.share;
      s.totalAsFed += f.asFed;
    }
    f.marginal = withKmo ? model.divisor * (f.criterion / 100.0 * model.kmo[j]) : model.divisor * f.criterion;
    f.highestPrice = f.price - std::fabs(f.marginal);
  }

  auto activity = [&](const std::vector<double> &coeffs) {
    double sum = 0.0;
    for (int j = 0; j < nF; ++j)
      sum += coeffs[j] * s.feeds[j].amount;
    return sum;
  };

  const std::vector<int> basis = model.initialBasis();
  s.rows.resize(std::size_t(model.rows.size()));
  for (int i = 0; i < model.rows.size(); ++i) {
    const RationReportRow &mr = model.rows.at(i);
    Row &row = s.rows[i];
    row.requested = mr.requested.requested();
    switch (mr.kind) {
    case RationReportRow::Kind::Nutrient:
      if (i == model.kmoRow) {
        // The dry-matter share of the ration as fed has no value without an
        // as-fed total (or without animals).
        if (!isZero(s.totalAsFed) && !isZero(animalCount))
          row.computed = MROUND(100.0 * s.totalDryMatter / (s.totalAsFed / animalCount), 4);
      } else {
        row.computed = MROUND(activity(model.nutrientMatrix[mr.nutrient]), 4);
      }
      break;
    case RationReportRow::Kind::Ratio: {
      const double den = activity(model.nutrientMatrix[mr.ratioB]);
      row.computed = isZero(den) ? 0.0 : MROUND(activity(model.nutrientMatrix[mr.ratioA]) / den, 4);
      break;
    }
    case RationReportRow::Kind::Feed:
      row.computed = s.feeds[mr.feed].amount;
      break;
    }
    if (mr.constraint >= 0) {
      double y = model.divisor * solver.z(basis[mr.constraint]);
      if (model.constraints[mr.constraint].negated)
        y = -y;
      row.shadow = y;
    }
    row.mark = (row.requested && row.computed) ? ISARETVARMI(s.found, mr.requested, *row.computed, *row.requested)
                                               : QString(7, QLatin1Char(' '));
  }
  return s;
}

} // namespace vz

#pragma once
// Ration problems for the optimiser's tests and benchmark: a small builder
// for hand-made problems and a seeded generator of realistic random ones.
#include "platform/rtext.h"
#include "problem/rationproblem.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <vector>

namespace vz::test {

inline QString cell(const std::optional<double> &v, int decimals)
{
  return v ? rt::Str(*v, 11, decimals) : QString(11, QLatin1Char(' '));
}

using Opt = std::optional<double>;
inline constexpr std::nullopt_t none = std::nullopt;

// Builds a problem the way the problem file holds it: padded names and
// number text.
struct ProblemBuilder {
  RationProblem p;

  ProblemBuilder &feed(const QString &name, Opt price, Opt fixed = none, Opt lower = none, Opt upper = none)
  {
    p.feeds.append({rt::PadR(name, 15), cell(price, 3), cell(fixed, 3), cell(lower, 3), cell(upper, 3)});
    p.feedNames.append(name);
    for (QStringList &row : p.matrix)
      row.append(cell(0.0, 4));
    return *this;
  }
  // `values`: one per feed added so far (blank cell for none).
  ProblemBuilder &nutrient(const QString &name, const QString &unit, const QList<Opt> &values, Opt fixed = none,
                           Opt lower = none, Opt upper = none)
  {
    p.nutrients.append({rt::PadR(name, 15), rt::PadL(unit, 11), cell(fixed, 4), cell(lower, 4), cell(upper, 4)});
    p.nutrientNames.append(name);
    p.nutrientUnits.append(unit);
    QStringList row;
    for (int j = 0; j < p.feeds.size(); ++j)
      row.append(j < values.size() ? cell(values.at(j), 4) : cell(0.0, 4));
    p.matrix.append(row);
    return *this;
  }
  ProblemBuilder &ratio(const QString &a, const QString &b, Opt fixed, Opt lower = none, Opt upper = none)
  {
    p.ratios.append({rt::PadR(a, 15), rt::PadR(b, 15), cell(fixed, 4), cell(lower, 4), cell(upper, 4)});
    return *this;
  }
  RationProblem done()
  {
    if (!p.params)
      p.params = RationProblem::defaultParams();
    return p;
  }
};

struct RandomShape {
  int feeds = 10;
  int nutrients = 10;
  int ratios = 2;
  bool infeasible = false;
  bool degenerate = false;  // every nutrient row has an identical twin
};

// A realistic ration problem: "KMO" and "KMT" first, a reference ration that
// meets every limit (unless `infeasible`, which adds one limit nothing can
// meet), prices up to a few hundred, compositions over several magnitudes.
inline RationProblem randomProblem(std::mt19937 &rng, const RandomShape &shape)
{
  auto uni = [&rng](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  auto chance = [&](double p) { return uni(0.0, 1.0) < p; };
  auto round = [](double v, int d) { return std::round(v * std::pow(10.0, d)) / std::pow(10.0, d); };

  const int nF = std::max(2, shape.feeds);
  const int nOther = std::max(0, shape.nutrients - 2);
  const double total = round(uni(5.0, 25.0), 2);

  std::vector<double> kmo(nF), x0(nF, 0.0);
  std::vector<std::vector<double>> a(nOther, std::vector<double>(nF, 0.0));
  // Now and then a feedstuff with hardly any dry matter: its price per kg of
  // dry matter then dwarfs the Big-M.
  for (int j = 0; j < nF; ++j)
    kmo[j] = chance(0.03) ? 0.05 : round(uni(15.0, 95.0), 2);
  for (int i = 0; i < nOther; ++i) {
    const double scale = std::pow(10.0, uni(-2.0, 3.0));
    for (int j = 0; j < nF; ++j)
      a[i][j] = chance(0.3) ? 0.0 : round(scale * uni(0.0, 1.0), 4);
  }
  const int chosen = std::min(nF, 2 + int(rng() % 7));
  double weights = 0.0;
  std::vector<int> order(nF);
  for (int j = 0; j < nF; ++j)
    order[j] = j;
  std::shuffle(order.begin(), order.end(), rng);
  for (int k = 0; k < chosen; ++k) {
    x0[order[k]] = uni(0.2, 1.0);
    weights += x0[order[k]];
  }
  for (double &v : x0)
    v = v * total / weights;

  ProblemBuilder b;
  for (int j = 0; j < nF; ++j) {
    Opt price = round(std::pow(10.0, uni(-1.0, 2.5)), 3);
    if (x0[j] == 0.0 && chance(0.05))
      price = none;
    Opt lower, upper;
    if (chance(0.1))
      upper = round(x0[j] * uni(1.0, 2.0) + uni(0.0, 2.0) + 0.001, 3);
    if (x0[j] > 0.0 && chance(0.1))
      lower = round(x0[j] * uni(0.0, 0.9), 3);
    b.feed(QStringLiteral("YEM%1").arg(j + 1), price, none, lower, upper);
  }
  QList<Opt> kmoRow, kmtRow;
  for (int j = 0; j < nF; ++j) {
    kmoRow.append(kmo[j]);
    kmtRow.append(1.0);
  }
  b.nutrient(QStringLiteral("KMO"), QStringLiteral("%"), kmoRow);
  b.nutrient(QStringLiteral("KMT"), QStringLiteral("Kg/Kg"), kmtRow, total);

  std::vector<double> v(nOther, 0.0);
  for (int i = 0; i < nOther; ++i)
    for (int j = 0; j < nF; ++j)
      v[i] += a[i][j] * x0[j];
  const int impossible = shape.infeasible ? int(rng() % std::max(1, nOther)) : -1;
  for (int i = 0; i < nOther; ++i) {
    QList<Opt> row;
    double largest = 0.0;
    for (int j = 0; j < nF; ++j) {
      row.append(a[i][j]);
      largest = std::max(largest, a[i][j]);
    }
    Opt fixed, lower, upper;
    const double kind = uni(0.0, 1.0);
    if (i == impossible) {
      lower = round(largest * total * 1.5 + 1.0, 4);
    } else if (kind < 0.40) {
      lower = round(v[i] * uni(0.6, 1.0), 4);
    } else if (kind < 0.60) {
      upper = round(v[i] * uni(1.0, 1.6) + 0.0001, 4);
    } else if (kind < 0.75) {
      lower = round(v[i] * uni(0.6, 1.0), 4);
      upper = round(v[i] * uni(1.0, 1.6) + 0.0001, 4);
    } else if (kind < 0.80) {
      fixed = round(v[i], 4);
    }
    const QString name = QStringLiteral("BM%1").arg(i + 1);
    b.nutrient(name, QStringLiteral("g"), row, fixed, lower, upper);
    if (shape.degenerate)
      b.nutrient(name + QStringLiteral("X"), QStringLiteral("g"), row, fixed, lower, upper);
  }
  if (shape.infeasible && nOther == 0)
    b.p.feeds[0][YmLower] = cell(total + 5.0, 3);

  for (int k = 0; k < shape.ratios && nOther >= 2; ++k) {
    const int ia = int(rng() % nOther);
    const int ib = int(rng() % nOther);
    if (ia == ib || v[ib] <= 0.01 || v[ia] <= 0.0)
      continue;
    const double r0 = v[ia] / v[ib];
    Opt lower, upper;
    const double kind = uni(0.0, 1.0);
    if (kind < 0.4)
      lower = round(r0 * uni(0.7, 1.0), 4);
    else if (kind < 0.7)
      upper = round(r0 * uni(1.0, 1.4) + 0.0001, 4);
    else {
      lower = round(r0 * uni(0.7, 1.0), 4);
      upper = round(r0 * uni(1.0, 1.4) + 0.0001, 4);
    }
    b.ratio(QStringLiteral("BM%1").arg(ia + 1), QStringLiteral("BM%1").arg(ib + 1), none, lower, upper);
  }
  return b.done();
}

// A large, highly degenerate problem: a reference ration x0 of a few
// feedstuffs fixes the dry matter, every nutrient row stands twice (as when a
// requirement is merged beside an existing one), and most nutrient limits lie
// exactly at x0's value, so many limits are tight at once. x0 meets every
// limit, so the problem is feasible - unless `infeasible`, which adds one
// lower limit nothing can reach.
inline RationProblem degenerateProblem(std::mt19937 &rng, int feeds, int nutrients, bool infeasible = false)
{
  auto uni = [&rng](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  auto chance = [&](double p) { return uni(0.0, 1.0) < p; };
  auto round = [](double v, int d) { return std::round(v * std::pow(10.0, d)) / std::pow(10.0, d); };

  const int nF = std::max(3, feeds);
  const int nOther = std::max(2, nutrients - 2);
  // Amounts with 2 decimals and entries with 2 decimals: x0's nutrient
  // values have 4 decimals and are written out exactly.
  std::vector<double> x0(nF, 0.0);
  std::vector<int> order(nF);
  for (int j = 0; j < nF; ++j)
    order[j] = j;
  std::shuffle(order.begin(), order.end(), rng);
  const int chosen = std::min(nF, 3 + int(rng() % 8));
  double total = 0.0;
  for (int k = 0; k < chosen; ++k) {
    x0[order[k]] = round(uni(0.5, 4.0), 2);
    total += x0[order[k]];
  }
  std::vector<std::vector<double>> a(nOther, std::vector<double>(nF, 0.0));
  for (int i = 0; i < nOther; ++i) {
    const double scale = std::pow(10.0, std::floor(uni(0.0, 3.0)));
    for (int j = 0; j < nF; ++j)
      a[i][j] = chance(0.3) ? 0.0 : round(scale * uni(0.0, 1.0), 2);
  }

  ProblemBuilder b;
  for (int j = 0; j < nF; ++j) {
    const double price = round(std::pow(10.0, uni(-1.0, 2.5)), 3);
    Opt lower, upper;
    if (chance(0.05))
      upper = x0[j] > 0.0 ? x0[j] : round(uni(0.5, 2.0), 2);
    else if (x0[j] > 0.0 && chance(0.1))
      lower = x0[j];
    b.feed(QStringLiteral("YEM%1").arg(j + 1), price, none, lower, upper);
  }
  QList<Opt> kmoRow, kmtRow;
  for (int j = 0; j < nF; ++j) {
    kmoRow.append(round(uni(15.0, 95.0), 2));
    kmtRow.append(1.0);
  }
  b.nutrient(QStringLiteral("KMO"), QStringLiteral("%"), kmoRow);
  b.nutrient(QStringLiteral("KMT"), QStringLiteral("Kg/Kg"), kmtRow, round(total, 2));

  std::vector<double> v(nOther, 0.0);
  for (int i = 0; i < nOther; ++i)
    for (int j = 0; j < nF; ++j)
      v[i] += a[i][j] * x0[j];
  const int impossible = infeasible ? int(rng() % nOther) : -1;
  for (int i = 0; i < nOther; ++i) {
    QList<Opt> row;
    double largest = 0.0;
    for (int j = 0; j < nF; ++j) {
      row.append(a[i][j]);
      largest = std::max(largest, a[i][j]);
    }
    Opt lower, upper;
    const double kind = uni(0.0, 1.0);
    if (i == impossible)
      lower = round(largest * total * 1.5 + 1.0, 4);
    else if (kind < 0.70)
      lower = round(v[i], 4);
    else if (kind < 0.85)
      upper = round(v[i], 4);
    const QString name = QStringLiteral("BM%1").arg(i + 1);
    b.nutrient(name, QStringLiteral("g"), row, none, lower, upper);
    b.nutrient(name + QStringLiteral("X"), QStringLiteral("g"), row, none, lower, upper);
  }
  // Two ratio limits, rounded outwards so that x0 still meets them.
  for (int k = 0, tries = 0; k < 2 && tries < 100; ++tries) {
    const int ia = int(rng() % nOther);
    const int ib = int(rng() % nOther);
    if (ia == ib || v[ib] <= 0.01 || v[ia] <= 0.0)
      continue;
    const double r0 = v[ia] / v[ib];
    if (chance(0.5))
      b.ratio(QStringLiteral("BM%1").arg(ia + 1), QStringLiteral("BM%1").arg(ib + 1), none,
              std::floor(r0 * 10000.0) / 10000.0, none);
    else
      b.ratio(QStringLiteral("BM%1").arg(ia + 1), QStringLiteral("BM%1").arg(ib + 1), none, none,
              std::ceil(r0 * 10000.0) / 10000.0);
    ++k;
  }
  return b.done();
}

} // namespace vz::test

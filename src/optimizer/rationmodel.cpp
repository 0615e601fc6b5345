#include "rationmodel.h"

#include "simplexsolver.h"
#include "platform/rtext.h"
#include "problem/rationproblem.h"

#include <algorithm>

namespace vz {

namespace {

std::optional<double> numberOrNone(const QStringList &row, int column)
{
  if (column >= row.size())
    return std::nullopt;
  const QString text = row.at(column);
  if (rt::AllTrim(text).isEmpty())
    return std::nullopt;
  return rt::Val(text);
}

double cellValue(const RationProblem &problem, int nutrientRow, int feedRow)
{
  if (nutrientRow < 0 || nutrientRow >= problem.matrix.size())
    return 0.0;
  const QStringList &row = problem.matrix.at(nutrientRow);
  if (feedRow >= row.size() || rt::AllTrim(row.at(feedRow)).isEmpty())
    return 0.0;
  return rt::Val(row.at(feedRow));
}

QString typeOf(const RowLimits &l)
{
  if (l.fixed)
    return QStringLiteral("Sabit");
  if (l.lower)
    return QStringLiteral("Alt");
  if (l.upper)
    return QStringLiteral("Üst");
  return QStringLiteral("Yok");
}

struct Feed {
  int tableRow;
  QString name;
  std::optional<double> price;
  RowLimits limits;
};

struct Ratio {
  QString a;
  QString b;
  RowLimits limits;
};

} // namespace

QString RationModel::GETNTRUNCATED(const QString &a, const QString &b)
{
  const QString name = a + QLatin1Char('/') + b;
  if (name.size() <= 20)
    return name;
  return a.left(9) + QLatin1Char('/') + b.left(9);
}

RationModel RationModel::build(const RationProblem &problem)
{
  RationModel model;

  // Rows without a name are skipped whole (names, limits and matrix cells
  // alike), so that names never shift against rows.
  QList<Feed> feeds;
  for (int j = 0; j < problem.feeds.size(); ++j) {
    const QStringList &row = problem.feeds.at(j);
    const QString name = row.isEmpty() ? QString() : rt::AllTrim(row.at(YmName));
    if (name.isEmpty())
      continue;
    feeds.append({j, name, numberOrNone(row, YmPrice),
                  {numberOrNone(row, YmFixed), numberOrNone(row, YmLower), numberOrNone(row, YmUpper)}});
  }

  struct Nutrient {
    int tableRow;
    QString name;
    RowLimits limits;
  };
  QList<Nutrient> nutrients;
  for (int i = 0; i < problem.nutrients.size(); ++i) {
    const QStringList &row = problem.nutrients.at(i);
    const QString name = row.isEmpty() ? QString() : rt::AllTrim(row.at(BmName));
    if (name.isEmpty())
      continue;
    nutrients.append({i, name, {numberOrNone(row, BmFixed), numberOrNone(row, BmLower), numberOrNone(row, BmUpper)}});
  }

  QList<Ratio> ratios;
  for (const QStringList &row : problem.ratios) {
    if (row.size() <= BmoNameB)
      continue;
    const QString a = rt::AllTrim(row.at(BmoNameA));
    const QString b = rt::AllTrim(row.at(BmoNameB));
    if (a.isEmpty() || b.isEmpty())
      continue;
    ratios.append({a, b, {numberOrNone(row, BmoFixed), numberOrNone(row, BmoLower), numberOrNone(row, BmoUpper)}});
  }

  if (std::none_of(feeds.begin(), feeds.end(), [](const Feed &f) { return f.price.has_value(); })) {
    model.m_stop = Stop::NoPricedFeed;
    return model;
  }

  int kmoNutrient = -1;
  for (int i = 0; i < nutrients.size() && kmoNutrient < 0; ++i)
    if (nutrients.at(i).name == QStringLiteral("KMO"))
      kmoNutrient = i;

  // Unpriced feedstuffs take no part; nor does one without dry matter, which
  // could otherwise be "fed" for nothing in any amount.
  QList<Feed> kept;
  for (const Feed &f : feeds) {
    if (!f.price)
      continue;
    if (kmoNutrient >= 0 && cellValue(problem, nutrients.at(kmoNutrient).tableRow, f.tableRow) == 0.0) {
      DroppedFeed dropped{f.name, {}};
      if (f.limits.fixed)
        dropped.droppedLimits.append(QStringLiteral("Sabit"));
      else if (f.limits.lower)
        dropped.droppedLimits.append(QStringLiteral("Alt"));
      model.zeroKmoFeeds.append(dropped);
      continue;
    }
    kept.append(f);
  }
  if (kept.isEmpty()) {
    model.m_stop = Stop::NoFeedLeft;
    return model;
  }

  double largest = *kept.front().price;
  for (const Feed &f : kept)
    largest = std::max(largest, *f.price);
  model.divisor = largest < 10 ? 1.0 : largest < 100 ? 10.0 : largest < 1000 ? 100.0 : largest < 10000 ? 1000.0 : 10000.0;
  for (const Feed &f : kept) {
    model.feedNames.append(f.name);
    model.prices.push_back(*f.price / model.divisor);
  }
  // With every price 0 the Big-M would vanish and the artificials would cost
  // nothing; a positive value keeps them out of a feasible ration.
  const double maxScaled = *std::max_element(model.prices.begin(), model.prices.end());
  model.bigM = maxScaled > 0.0 ? maxScaled * 1000.0 : 1000.0;
  const int nFeeds = model.feedCount();

  // Nutrient report rows: every nutrient, then a copy carrying the upper
  // limit of each nutrient that has both limits.
  QList<RowLimits> nutrientLimits;
  for (const Nutrient &n : nutrients) {
    std::vector<double> coeffs(std::size_t(nFeeds), 0.0);
    for (int j = 0; j < nFeeds; ++j)
      coeffs[j] = cellValue(problem, n.tableRow, kept.at(j).tableRow);
    RowLimits l = n.limits;
    if (l.fixed)
      l.lower = l.upper = std::nullopt;
    model.nutrientMatrix.push_back(std::move(coeffs));
    nutrientLimits.append(l);
    model.rows.append({RationReportRow::Kind::Nutrient, n.name, QString(), l, int(model.nutrientMatrix.size()) - 1});
  }
  for (int i = 0; i < nutrients.size(); ++i) {
    RowLimits &own = nutrientLimits[i];
    if (own.lower && own.upper) {
      const RowLimits copy{std::nullopt, std::nullopt, own.upper};
      own.upper = std::nullopt;
      model.rows[i].requested = own;
      model.nutrientMatrix.push_back(model.nutrientMatrix[i]);
      model.rows.append({RationReportRow::Kind::Nutrient, nutrients.at(i).name, QString(), copy,
                         int(model.nutrientMatrix.size()) - 1});
    }
  }
  model.nutrientRows = int(model.rows.size());
  for (RationReportRow &row : model.rows)
    row.type = typeOf(row.requested);
  for (int i = 0; i < model.nutrientRows && model.kmoRow < 0; ++i)
    if (model.rows.at(i).name == QStringLiteral("KMO"))
      model.kmoRow = i;

  if (model.kmoRow >= 0) {
    for (int j = 0; j < nFeeds; ++j) {
      const double d = model.nutrientMatrix[model.kmoRow][j];
      model.kmo.push_back(d);
      model.costs.push_back(model.prices[j] / d * 100.0);
    }
  } else {
    model.costs = model.prices;
  }

  // Ratios: a fixed value overrides the limits; both limits split into a
  // lower ratio in place and an upper one at the end.
  for (Ratio &r : ratios)
    if (r.limits.fixed)
      r.limits.lower = r.limits.upper = std::nullopt;
  const int ratioCount = int(ratios.size());
  for (int k = 0; k < ratioCount; ++k) {
    if (ratios[k].limits.lower && ratios[k].limits.upper) {
      ratios.append({ratios[k].a, ratios[k].b, {std::nullopt, std::nullopt, ratios[k].limits.upper}});
      ratios[k].limits.upper = std::nullopt;
    }
  }
  auto nutrientRowNamed = [&model](const QString &name) {
    for (int i = 0; i < model.nutrientRows; ++i)
      if (model.rows.at(i).name == name)
        return i;
    return -1;
  };
  QList<std::vector<double>> rowCoefficients;  // per report row, only for constrained rows
  for (int i = 0; i < model.nutrientRows; ++i)
    rowCoefficients.append(model.nutrientMatrix[i]);
  for (const Ratio &r : ratios) {
    const int a = nutrientRowNamed(r.a);
    const int b = nutrientRowNamed(r.b);
    if (a < 0 || b < 0)
      continue;
    RationReportRow row{RationReportRow::Kind::Ratio, GETNTRUNCATED(r.a, r.b), typeOf(r.limits), r.limits};
    row.ratioA = a;
    row.ratioB = b;
    model.rows.append(row);
    std::vector<double> coeffs(std::size_t(nFeeds), 0.0);
    if (const auto value = r.limits.requested())
      for (int j = 0; j < nFeeds; ++j)
        coeffs[j] = model.nutrientMatrix[a][j] - model.nutrientMatrix[b][j] * *value;
    rowCoefficients.append(std::move(coeffs));
  }

  // Feedstuff amount limits bound the dry-matter amount.
  QList<RowLimits> feedLimits;
  for (const Feed &f : kept) {
    RowLimits l = f.limits;
    if (l.fixed)
      l.lower = l.upper = std::nullopt;
    feedLimits.append(l);
  }
  for (LimitKind kind : {LimitKind::Fixed, LimitKind::Lower, LimitKind::Upper}) {
    for (int j = 0; j < nFeeds; ++j) {
      const RowLimits &l = feedLimits.at(j);
      const std::optional<double> v = kind == LimitKind::Fixed ? l.fixed : kind == LimitKind::Lower ? l.lower : l.upper;
      if (!v)
        continue;
      RowLimits requested;
      (kind == LimitKind::Fixed ? requested.fixed : kind == LimitKind::Lower ? requested.lower : requested.upper) = v;
      RationReportRow row{RationReportRow::Kind::Feed, model.feedNames.at(j), typeOf(requested), requested};
      row.feed = j;
      model.rows.append(row);
      std::vector<double> coeffs(std::size_t(nFeeds), 0.0);
      coeffs[j] = 1.0;
      rowCoefficients.append(std::move(coeffs));
    }
  }

  // Constraint rows: the report rows with a limit, in report order.
  for (int i = 0; i < model.rows.size(); ++i) {
    RationReportRow &row = model.rows[i];
    const RowLimits &l = row.requested;
    if (!l.any())
      continue;
    ConstraintRow c;
    c.coefficients = rowCoefficients.at(i);
    c.kind = l.fixed ? LimitKind::Fixed : l.lower ? LimitKind::Lower : LimitKind::Upper;
    // A ratio row compares A - r*B with 0; its requested value is r.
    c.limit = row.kind == RationReportRow::Kind::Ratio ? 0.0 : *l.requested();
    if (c.limit < 0.0) {
      // Typed limits carry no sign, but a file may: keep the right-hand side
      // non-negative, as the starting basis needs.
      c.negated = true;
      c.limit = -c.limit;
      for (double &v : c.coefficients)
        v = -v;
      if (c.kind == LimitKind::Lower)
        c.kind = LimitKind::Upper;
      else if (c.kind == LimitKind::Upper)
        c.kind = LimitKind::Lower;
    }
    row.constraint = int(model.constraints.size());
    model.constraints.push_back(std::move(c));
  }
  if (model.constraints.empty())
    model.m_stop = Stop::NoLimits;
  return model;
}

std::vector<int> RationModel::initialBasis() const
{
  int surplus = 0;
  for (const ConstraintRow &c : constraints)
    surplus += c.kind == LimitKind::Lower ? 1 : 0;
  std::vector<int> basis;
  const int first = feedCount() + surplus;
  for (int i = 0; i < int(constraints.size()); ++i)
    basis.push_back(first + i);
  return basis;
}

bool RationModel::loadInto(SimplexSolver &solver) const
{
  const int m = int(constraints.size());
  const int nF = feedCount();
  int nS = 0;
  for (const ConstraintRow &c : constraints)
    nS += c.kind == LimitKind::Lower ? 1 : 0;
  const int n = nF + nS + m;

  std::vector<double> a(std::size_t(m) * n, 0.0);
  std::vector<double> b(std::size_t(m), 0.0);
  std::vector<double> cost(std::size_t(n), 0.0);
  std::vector<std::uint8_t> artificial(std::size_t(n), 0);
  std::vector<int> basis(std::size_t(m), 0);
  for (int j = 0; j < nF; ++j)
    cost[j] = costs[j];
  int surplus = nF;
  for (int i = 0; i < m; ++i) {
    const ConstraintRow &c = constraints[i];
    double *row = &a[std::size_t(i) * n];
    std::copy(c.coefficients.begin(), c.coefficients.end(), row);
    b[i] = c.limit;
    if (c.kind == LimitKind::Lower)
      row[surplus++] = -1.0;
    const int basic = nF + nS + i;
    row[basic] = 1.0;
    basis[i] = basic;
    if (c.kind != LimitKind::Upper) {
      cost[basic] = bigM;
      artificial[basic] = 1;
    }
  }
  return solver.load(m, n, std::move(a), std::move(b), std::move(cost), std::move(basis), std::move(artificial), nF);
}

} // namespace vz

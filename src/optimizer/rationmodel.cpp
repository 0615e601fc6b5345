#include "rationmodel.h"

#include "simplexsolver.h"
#include "platform/rtext.h"
#include "problem/rationproblem.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstring>

namespace vz {

namespace {

// Every cell of the problem passes through here: read it where it lies.
std::optional<double> numberOrNone(const QStringList &row, int column)
{
  if (column >= row.size())
    return std::nullopt;
  const QStringView text = row.at(column);
  const char16_t *const end = text.utf16() + text.size();
  const char16_t *const first = rt::SkipBlanks(text.utf16(), end);
  if (first == end)
    return std::nullopt;
  return rt::Val(QStringView(first, end));
}

// A fixed value overrides the limits, which are then not read at all.
RowLimits limitsOf(const QStringList &row, int fixed, int lower, int upper)
{
  RowLimits l;
  l.fixed = numberOrNone(row, fixed);
  if (!l.fixed) {
    l.lower = numberOrNone(row, lower);
    l.upper = numberOrNone(row, upper);
  }
  return l;
}

// A row's trimmed name, read where it lies. The problem's list of names
// holds the same text already, unless the list went stale: the model then
// shares that text instead of copying it (see Named::text()).
struct Named {
  QStringView name;
  const QString *shared = nullptr;  // the list's text, when it is the same

  QString text() const { return shared ? *shared : name.toString(); }
};

Named nameOf(const QStringList &row, int column, const QStringList &names, int i)
{
  if (column >= row.size())
    return {};
  const QStringView t = rt::AllTrimView(row.at(column));
  if (i < names.size() && names.at(i).size() == t.size()
      && std::memcmp(names.at(i).utf16(), t.utf16(), std::size_t(t.size()) * sizeof(char16_t)) == 0)
    return {t, &names.at(i)};
  return {t};
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

// A report row made where it stays: a row built aside and appended was
// zeroed and copied whole, which cost more than reading its numbers.
RationReportRow &addRow(QList<RationReportRow> &rows, RationReportRow::Kind kind, QString name,
                        const RowLimits &requested)
{
  RationReportRow &row = rows.emplaceBack();
  row.kind = kind;
  row.name = std::move(name);
  row.requested = requested;
  return row;
}

// The rows of the problem's tables as the model reads them: their texts are
// looked at where they lie, and copied only into the model itself.
struct Feed {
  int tableRow;
  Named name;
  std::optional<double> price;
  RowLimits limits;
};

struct Nutrient {
  int tableRow;
  Named name;
  RowLimits limits;
};

struct Ratio {
  QStringView a;
  QStringView b;
  RowLimits limits;
};

QString truncatedRatioName(QStringView a, QStringView b)
{
  if (a.size() + 1 + b.size() > 20) {
    a = a.left(9);
    b = b.left(9);
  }
  QString name;
  name.reserve(a.size() + 1 + b.size());
  name.append(a).append(QLatin1Char('/')).append(b);
  return name;
}

} // namespace

QString RationModel::GETNTRUNCATED(const QString &a, const QString &b)
{
  return truncatedRatioName(a, b);
}

RationModel RationModel::build(const RationProblem &problem)
{
  RationModel model;

  // Rows without a name are skipped whole (names, limits and matrix cells
  // alike), so that names never shift against rows.
  QVarLengthArray<Feed, 128> feeds;
  feeds.reserve(problem.feeds.size());
  for (int j = 0; j < problem.feeds.size(); ++j) {
    const QStringList &row = problem.feeds.at(j);
    const Named name = nameOf(row, YmName, problem.feedNames, j);
    if (name.name.isEmpty())
      continue;
    feeds.append({j, name, numberOrNone(row, YmPrice), limitsOf(row, YmFixed, YmLower, YmUpper)});
  }

  QVarLengthArray<Nutrient, 128> nutrients;
  nutrients.reserve(problem.nutrients.size());
  for (int i = 0; i < problem.nutrients.size(); ++i) {
    const QStringList &row = problem.nutrients.at(i);
    const Named name = nameOf(row, BmName, problem.nutrientNames, i);
    if (name.name.isEmpty())
      continue;
    nutrients.append({i, name, limitsOf(row, BmFixed, BmLower, BmUpper)});
  }

  QVarLengthArray<Ratio, 32> ratios;
  ratios.reserve(problem.ratios.size() * 2);  // room for the split ones
  for (const QStringList &row : problem.ratios) {
    if (row.size() <= BmoNameB)
      continue;
    const QStringView a = rt::AllTrimView(row.at(BmoNameA));
    const QStringView b = rt::AllTrimView(row.at(BmoNameB));
    if (a.isEmpty() || b.isEmpty())
      continue;
    ratios.append({a, b, limitsOf(row, BmoFixed, BmoLower, BmoUpper)});
  }

  if (std::none_of(feeds.begin(), feeds.end(), [](const Feed &f) { return f.price.has_value(); })) {
    model.m_stop = Stop::NoPricedFeed;
    return model;
  }

  // The matrix row of a nutrient, read by feedstuff table row; a row or cell
  // the matrix lacks reads 0.
  auto matrixRow = [&problem](const Nutrient &n) -> const QStringList * {
    return n.tableRow < problem.matrix.size() ? &problem.matrix.at(n.tableRow) : nullptr;
  };
  auto cell = [](const QStringList *row, int tableRow) {
    return row && tableRow < row->size() ? rt::Val(row->at(tableRow)) : 0.0;
  };

  const QStringList *kmoCells = nullptr;
  bool hasKmo = false;
  for (const Nutrient &n : nutrients) {
    if (n.name.name == u"KMO") {
      kmoCells = matrixRow(n);
      hasKmo = true;
      break;
    }
  }

  // Unpriced feedstuffs take no part; nor does one without dry matter, which
  // could otherwise be "fed" for nothing in any amount.
  QVarLengthArray<const Feed *, 128> kept;
  for (const Feed &f : feeds) {
    if (!f.price)
      continue;
    if (hasKmo && cell(kmoCells, f.tableRow) == 0.0) {
      DroppedFeed dropped{f.name.text(), {}};
      if (f.limits.fixed)
        dropped.droppedLimits.append(QStringLiteral("Sabit"));
      else if (f.limits.lower)
        dropped.droppedLimits.append(QStringLiteral("Alt"));
      model.zeroKmoFeeds.append(dropped);
      continue;
    }
    kept.append(&f);
  }
  if (kept.isEmpty()) {
    model.m_stop = Stop::NoFeedLeft;
    return model;
  }
  const int nFeeds = int(kept.size());

  double largest = *kept.front()->price;
  for (const Feed *f : kept)
    largest = std::max(largest, *f->price);
  model.divisor = largest < 10 ? 1.0 : largest < 100 ? 10.0 : largest < 1000 ? 100.0 : largest < 10000 ? 1000.0 : 10000.0;
  model.feedNames.reserve(nFeeds);
  model.prices.reserve(std::size_t(nFeeds));
  for (const Feed *f : kept) {
    model.feedNames.append(f->name.text());
    model.prices.push_back(*f->price / model.divisor);
  }
  // With every price 0 the Big-M would vanish and the artificials would cost
  // nothing; a positive value keeps them out of a feasible ration.
  const double maxScaled = *std::max_element(model.prices.begin(), model.prices.end());
  model.bigM = maxScaled > 0.0 ? maxScaled * 1000.0 : 1000.0;

  // Nutrient report rows: every nutrient, then a copy carrying the upper
  // limit of each nutrient that has both limits.
  // Room for every report row at once: the rows are large to move.
  qsizetype reportRows = nutrients.size() + ratios.size() * 2;
  for (const Nutrient &n : nutrients) {
    const RowLimits &l = n.limits;
    reportRows += l.lower && l.upper ? 1 : 0;
  }
  for (const Feed *f : kept) {
    const RowLimits &l = f->limits;
    reportRows += (l.fixed ? 1 : 0) + (l.lower ? 1 : 0) + (l.upper ? 1 : 0);
  }
  model.rows.reserve(reportRows);
  model.nutrientMatrix.reserve(std::size_t(nutrients.size()) * 2);
  for (const Nutrient &n : nutrients) {
    const QStringList *cells = matrixRow(n);
    std::vector<double> coeffs(std::size_t(nFeeds), 0.0);
    for (int j = 0; j < nFeeds; ++j)
      coeffs[j] = cell(cells, kept[j]->tableRow);
    model.nutrientMatrix.push_back(std::move(coeffs));
    addRow(model.rows, RationReportRow::Kind::Nutrient, n.name.text(), n.limits).nutrient =
        int(model.nutrientMatrix.size()) - 1;
  }
  for (int i = 0; i < nutrients.size(); ++i) {
    RowLimits &own = model.rows[i].requested;
    if (own.lower && own.upper) {
      const RowLimits copy{std::nullopt, std::nullopt, own.upper};
      own.upper = std::nullopt;
      model.nutrientMatrix.push_back(model.nutrientMatrix[i]);
      addRow(model.rows, RationReportRow::Kind::Nutrient, nutrients[i].name.text(), copy).nutrient =
          int(model.nutrientMatrix.size()) - 1;
    }
  }
  model.nutrientRows = int(model.rows.size());
  for (RationReportRow &row : model.rows)
    row.type = typeOf(row.requested);
  if (hasKmo)
    for (int i = 0; i < model.nutrientRows && model.kmoRow < 0; ++i)
      if (model.rows.at(i).name == QLatin1String("KMO"))
        model.kmoRow = i;

  if (model.kmoRow >= 0) {
    model.kmo = model.nutrientMatrix[model.kmoRow];
    model.costs.resize(std::size_t(nFeeds));
    for (int j = 0; j < nFeeds; ++j)
      model.costs[j] = model.prices[j] / model.kmo[j] * 100.0;
  } else {
    model.costs = model.prices;
  }

  // Ratios: both limits (a fixed value overrode them) split into a
  // lower ratio in place and an upper one at the end.
  const int ratioCount = int(ratios.size());
  for (int k = 0; k < ratioCount; ++k) {
    if (ratios[k].limits.lower && ratios[k].limits.upper) {
      ratios.append({ratios[k].a, ratios[k].b, {std::nullopt, std::nullopt, ratios[k].limits.upper}});
      ratios[k].limits.upper = std::nullopt;
    }
  }
  auto nutrientRowNamed = [&model](QStringView name) {
    for (int i = 0; i < model.nutrientRows; ++i)
      if (model.rows.at(i).name == name)
        return i;
    return -1;
  };
  for (const Ratio &r : ratios) {
    const int a = nutrientRowNamed(r.a);
    const int b = nutrientRowNamed(r.b);
    if (a < 0 || b < 0)
      continue;
    RationReportRow &row = addRow(model.rows, RationReportRow::Kind::Ratio, truncatedRatioName(r.a, r.b), r.limits);
    row.type = typeOf(r.limits);
    row.ratioA = a;
    row.ratioB = b;
  }

  // Feedstuff amount limits bound the dry-matter amount.
  for (LimitKind kind : {LimitKind::Fixed, LimitKind::Lower, LimitKind::Upper}) {
    for (int j = 0; j < nFeeds; ++j) {
      const RowLimits &l = kept[j]->limits;
      const std::optional<double> v = kind == LimitKind::Fixed ? l.fixed : kind == LimitKind::Lower ? l.lower : l.upper;
      if (!v)
        continue;
      RowLimits requested;
      (kind == LimitKind::Fixed ? requested.fixed : kind == LimitKind::Lower ? requested.lower : requested.upper) = v;
      RationReportRow &row = addRow(model.rows, RationReportRow::Kind::Feed, model.feedNames.at(j), requested);
      row.type = typeOf(requested);
      row.feed = j;
    }
  }

  // Constraint rows: the report rows with a limit, in report order. A
  // nutrient row reads its matrix row, a ratio row is A - r*B, a feedstuff
  // row has its one 1.
  model.constraints.reserve(std::size_t(model.rows.size()));
  for (RationReportRow &row : model.rows) {
    const RowLimits &l = row.requested;
    if (!l.any())
      continue;
    ConstraintRow c;
    if (row.kind == RationReportRow::Kind::Nutrient) {
      c.coefficients = model.nutrientMatrix[row.nutrient];
    } else if (row.kind == RationReportRow::Kind::Ratio) {
      const double value = *l.requested();
      const std::vector<double> &a = model.nutrientMatrix[row.ratioA];
      const std::vector<double> &b = model.nutrientMatrix[row.ratioB];
      c.coefficients.resize(std::size_t(nFeeds));
      for (int j = 0; j < nFeeds; ++j)
        c.coefficients[j] = a[j] - b[j] * value;
    } else {
      c.coefficients.assign(std::size_t(nFeeds), 0.0);
      c.coefficients[row.feed] = 1.0;
    }
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

#pragma once
// The least-cost ration of a problem as GLPK's simplex finds it, formulated
// straight from the problem tables (not from our tableau), so that a fault in
// building the programme shows as well as one in solving it.
#include "platform/rtext.h"
#include "problem/rationproblem.h"

#include <glpk.h>

#include <QString>
#include <optional>
#include <vector>

namespace vz::test {

class GlpkReference {
public:
  struct Bound {
    int type = GLP_FR;
    double lower = 0.0;
    double upper = 0.0;
  };

  explicit GlpkReference(const RationProblem &p)
  {
    auto num = [](const QStringList &row, int c) -> std::optional<double> {
      if (c >= row.size() || rt::AllTrim(row.at(c)).isEmpty())
        return std::nullopt;
      return rt::Val(row.at(c));
    };
    auto cellOf = [&p](int i, int j) {
      const QString t = p.matrix.at(i).value(j);
      return rt::AllTrim(t).isEmpty() ? 0.0 : rt::Val(t);
    };
    int kmo = -1;
    for (int i = 0; i < p.nutrients.size() && kmo < 0; ++i)
      if (rt::AllTrim(p.nutrients.at(i).at(BmName)) == QStringLiteral("KMO"))
        kmo = i;

    for (int j = 0; j < p.feeds.size(); ++j) {
      const QStringList &f = p.feeds.at(j);
      const auto price = num(f, YmPrice);
      if (!price || rt::AllTrim(f.at(YmName)).isEmpty())
        continue;
      const double d = kmo >= 0 ? cellOf(kmo, j) : 100.0;
      if (d == 0.0)
        continue;
      feedColumns.push_back(j);
      costs.push_back(kmo >= 0 ? *price / d * 100.0 : *price);
      columnBounds.push_back(bound(num(f, YmFixed), num(f, YmLower), num(f, YmUpper), true));
    }
    auto nutrientRow = [&](int i) {
      std::vector<double> a;
      for (int j : feedColumns)
        a.push_back(cellOf(i, j));
      return a;
    };
    for (int i = 0; i < p.nutrients.size(); ++i) {
      const QStringList &n = p.nutrients.at(i);
      const Bound b = bound(num(n, BmFixed), num(n, BmLower), num(n, BmUpper));
      if (b.type != GLP_FR)
        addRow(nutrientRow(i), b);
    }
    auto find = [&p](const QString &name) {
      for (int i = 0; i < p.nutrients.size(); ++i)
        if (rt::AllTrim(p.nutrients.at(i).at(BmName)) == name)
          return i;
      return -1;
    };
    for (const QStringList &r : p.ratios) {
      const int a = find(rt::AllTrim(r.at(BmoNameA)));
      const int b = find(rt::AllTrim(r.at(BmoNameB)));
      if (a < 0 || b < 0)
        continue;
      auto form = [&](double value) {
        std::vector<double> ra = nutrientRow(a), rb = nutrientRow(b);
        for (std::size_t k = 0; k < ra.size(); ++k)
          ra[k] -= value * rb[k];
        return ra;
      };
      const auto fixed = num(r, BmoFixed), lower = num(r, BmoLower), upper = num(r, BmoUpper);
      if (fixed) {
        addRow(form(*fixed), {GLP_FX, 0.0, 0.0});
        continue;
      }
      if (lower)
        addRow(form(*lower), {GLP_LO, 0.0, 0.0});
      if (upper)
        addRow(form(*upper), {GLP_UP, 0.0, 0.0});
    }
  }

  struct Result {
    bool feasible = false;
    double objective = 0.0;
    std::vector<double> x;
    int pivots = 0;
  };

  // `confirm`: a verdict other than an optimum is asked again from scratch
  // with GLPK's presolver. On a few badly degenerate problems glp_simplex
  // alone answers "no feasible solution" although one exists.
  Result solve(bool confirm = false) const
  {
    Result out;
    for (const Bound &b : columnBounds)
      if (b.type == GLP_DB && b.lower > b.upper)
        return out;
    for (const Bound &b : rowBounds)
      if (b.type == GLP_DB && b.lower > b.upper)
        return out;
    glp_prob *lp = glp_create_prob();
    glp_set_obj_dir(lp, GLP_MIN);
    const int n = int(feedColumns.size());
    const int m = int(rowBounds.size());
    if (m > 0)
      glp_add_rows(lp, m);
    glp_add_cols(lp, n);
    for (int i = 0; i < m; ++i)
      glp_set_row_bnds(lp, i + 1, rowBounds[i].type, rowBounds[i].lower, rowBounds[i].upper);
    for (int j = 0; j < n; ++j) {
      const Bound &b = columnBounds[j];
      glp_set_col_bnds(lp, j + 1, b.type == GLP_FR ? GLP_LO : b.type, b.lower, b.upper);
      glp_set_obj_coef(lp, j + 1, costs[j]);
    }
    glp_load_matrix(lp, int(ia.size()) - 1, ia.data(), ja.data(), ar.data());
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    glp_simplex(lp, &parm);
    if (confirm && glp_get_status(lp) != GLP_OPT) {
      glp_std_basis(lp);
      parm.presolve = GLP_ON;
      glp_simplex(lp, &parm);
    }
    const int status = glp_get_status(lp);
    out.feasible = status == GLP_OPT;
    out.objective = glp_get_obj_val(lp);
    out.pivots = glp_get_it_cnt(lp);
    for (int j = 0; j < n; ++j)
      out.x.push_back(glp_get_col_prim(lp, j + 1));
    glp_delete_prob(lp);
    return out;
  }

  std::vector<int> feedColumns;  // feedstuff-table rows of the columns
  std::vector<double> costs;

private:
  // Columns are amounts (>= 0); rows are free below unless limited.
  static Bound bound(std::optional<double> fixed, std::optional<double> lower, std::optional<double> upper,
                     bool column = false)
  {
    if (fixed)
      return {GLP_FX, *fixed, *fixed};
    if (lower && upper)
      return {GLP_DB, *lower, *upper};
    if (lower)
      return {GLP_LO, *lower, 0.0};
    if (upper)
      return column ? Bound{GLP_DB, 0.0, *upper} : Bound{GLP_UP, 0.0, *upper};
    return {GLP_FR, 0.0, 0.0};
  }

  void addRow(const std::vector<double> &a, Bound b)
  {
    rowBounds.push_back(b);
    const int row = int(rowBounds.size());
    for (std::size_t j = 0; j < a.size(); ++j) {
      if (a[j] == 0.0)
        continue;
      ia.push_back(row);
      ja.push_back(int(j) + 1);
      ar.push_back(a[j]);
    }
  }

  std::vector<Bound> columnBounds;
  std::vector<Bound> rowBounds;
  std::vector<int> ia{0};
  std::vector<int> ja{0};
  std::vector<double> ar{0.0};
};

} // namespace vz::test

// Time per solve of our simplex and of GLPK's glp_simplex on the same ration
// problems, one line per size. Each side starts from the problem already in
// memory and includes loading its own solver.
#include "glpkreference.h"
#include "optimizer/rationmodel.h"
#include "optimizer/simplexsolver.h"
#include "rationfixture.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

using namespace vz;
using namespace vz::test;

namespace {

// Microseconds per call, over at least `seconds` of repeated calls.
double timePerCall(const std::function<void()> &call, double seconds)
{
  using Clock = std::chrono::steady_clock;
  long calls = 0;
  const auto start = Clock::now();
  double elapsed = 0.0;
  do {
    for (int k = 0; k < 20; ++k)
      call();
    calls += 20;
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  } while (elapsed < seconds);
  return elapsed / double(calls) * 1e6;
}

struct Case {
  const char *label;
  RandomShape shape;
};

} // namespace

int main()
{
  const Case cases[] = {
      {"10 x 10", {10, 10, 2, false, false}},
      {"30 x 20", {30, 20, 3, false, false}},
      {"85 x 45", {85, 45, 4, false, false}},
      {"40 x 20 degenerate", {40, 20, 2, false, true}},
  };
  std::printf("%-20s %8s %12s %12s %8s\n", "feeds x nutrients", "pivots", "ours us", "GLPK us", "ratio");
  for (const Case &c : cases) {
    std::mt19937 rng(4242u);
    // A fixed set of five feasible problems of this size.
    std::vector<RationModel> models;
    std::vector<GlpkReference> references;
    while (models.size() < 5) {
      const RationProblem p = randomProblem(rng, c.shape);
      RationModel m = RationModel::build(p);
      SimplexSolver s;
      if (m.stop() != RationModel::Stop::None || !m.loadInto(s) || s.solve() != SimplexSolver::Status::Optimal)
        continue;
      models.push_back(std::move(m));
      references.emplace_back(p);
    }
    int pivots = 0;
    for (const RationModel &m : models) {
      SimplexSolver s;
      m.loadInto(s);
      s.solve();
      pivots += s.iterations();
    }
    double sink = 0.0;
    auto oursRun = [&] {
      for (const RationModel &m : models) {
        SimplexSolver s;
        m.loadInto(s);
        s.solve();
        sink += s.objective();
      }
    };
    auto glpkRun = [&] {
      for (const GlpkReference &r : references)
        sink += r.solve().objective;
    };
    // Short alternating rounds, the best of each side: other work on the
    // machine then weighs on both alike and the minimum sheds most of it.
    double ours = 1e300, glpk = 1e300;
    for (int round = 0; round < 9; ++round) {
      ours = std::min(ours, timePerCall(oursRun, 0.05) / double(models.size()));
      glpk = std::min(glpk, timePerCall(glpkRun, 0.05) / double(models.size()));
    }
    std::printf("%-20s %8.1f %12.1f %12.1f %8.2f\n", c.label, pivots / double(models.size()), ours, glpk, ours / glpk);
    if (sink == 42.4242)
      std::printf(" \n");
  }
  return 0;
}

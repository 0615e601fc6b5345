// Time of the work the program does around a solve, each against the floor it
// is measured by, one line per case:
//  - set-up: the linear programme built from the problem's number text,
//    against the solve as the optimiser's bench times it (loading the solver
//    from the programme, then solving);
//  - load + save: an 85 x 45 problem file opened, read into the problem and
//    saved with every part changed, against a bare read of the file and the
//    same atomic write (temporary file, sync, rename, sync of the folder).
// Usage: bench_problem [part of a line's label] [folder for the files]
// The folder defaults to a new one in the system's temporary folder; name one
// on the disk the Data folder lives on to see the syncs a user meets.
#include "optimizer/rationmodel.h"
#include "optimizer/simplexsolver.h"
#include "platform/savefile.h"
#include "problem/problemfile.h"
#include "rationfixture.h"
#include "benchtiming.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

using namespace vz;
using namespace vz::test;
using vz::bench::timePerCall;

namespace {

struct Times {
  std::vector<double> ours, floor;
};

// Short alternating rounds, the best of each side: other work on the machine
// then weighs on both alike and the minimum sheds most of it.
Times alternate(const std::function<void()> &ours, const std::function<void()> &floor, double seconds, int rounds)
{
  Times t;
  for (int r = 0; r < rounds; ++r) {
    t.ours.push_back(timePerCall(ours, seconds));
    t.floor.push_back(timePerCall(floor, seconds));
  }
  std::sort(t.ours.begin(), t.ours.end());
  std::sort(t.floor.begin(), t.floor.end());
  return t;
}

void printLine(const char *label, const Times &t, double divisor)
{
  const double om = t.ours.front() / divisor, od = t.ours[t.ours.size() / 2] / divisor;
  const double fm = t.floor.front() / divisor, fd = t.floor[t.floor.size() / 2] / divisor;
  std::printf("%-24s %9.1f/%9.1f %9.1f/%9.1f %7.2f\n", label, om, od, fm, fd, om / fm);
}

void setUpLine(const char *label, RandomShape shape)
{
  std::mt19937 rng(4242u);
  std::vector<RationProblem> problems;
  while (problems.size() < 40) {
    RationProblem p = randomProblem(rng, shape);
    if (RationModel::build(p).stop() == RationModel::Stop::None)
      problems.push_back(std::move(p));
  }
  // The solve as the optimiser's bench times it: from the programme in
  // memory, loading the solver included.
  std::vector<RationModel> models;
  for (const RationProblem &p : problems)
    models.push_back(RationModel::build(p));
  double sink = 0.0;
  auto setUp = [&] {
    for (const RationProblem &p : problems)
      sink += RationModel::build(p).feedCount();
  };
  auto solve = [&] {
    for (const RationModel &m : models) {
      SimplexSolver s;
      m.loadInto(s);
      s.solve();
      sink += s.objective();
    }
  };
  printLine(label, alternate(setUp, solve, 0.05, 9), double(problems.size()));
  if (sink == 42.4242)
    std::printf(" \n");
}

void loadSaveLine(const char *label, const QString &folder)
{
  std::mt19937 rng(4242u);
  RationProblem problem = randomProblem(rng, RandomShape{85, 45, 4, false, false});
  problem.feedAmounts = QStringList(problem.feeds.size(), rt::Str(1.5, 11, 3));
  problem.animalDescription = {QStringLiteral("GEBE & SÜT VEREN İNEK:"), QStringLiteral("CANLI AĞIRLIK (Kg): 600")};
  const QString path = QDir(folder).filePath(QStringLiteral("BENCH.RVD"));
  {
    ProblemFile::createNew(path);
    ProblemFile f;
    f.open(path);
    problem.changed = {true, true, true, true, true, true};
    if (!f.PROBDBFUPDATE(problem)) {
      std::printf("%s: %s\n", label, qPrintable(f.errorString()));
      return;
    }
  }
  auto loadSave = [&] {
    ProblemFile f;
    RationProblem p;
    f.open(path);
    f.AKTPRODIZOLUSTUR(p);
    p.changed = {true, true, true, true, true, true};
    f.PROBDBFUPDATE(p);
  };
  auto floor = [&] {
    QFile in(path);
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    in.close();
    writeFileAtomically(path, bytes);
  };
  printLine(label, alternate(loadSave, floor, 0.2, 9), 1.0);
}

} // namespace

int main(int argc, char **argv)
{
  const char *only = argc > 1 && argv[1][0] ? argv[1] : nullptr;
  QTemporaryDir scratch;
  const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : scratch.path();
  auto wanted = [only](const char *label) { return !only || std::strstr(label, only); };
  // Microseconds per problem: the best and the median of the rounds of each
  // side, and the ratio of the best ones.
  std::printf("%-24s %19s %19s %7s\n", "case", "ours us min/med", "floor us min/med", "ratio");
  if (wanted("set-up 10 x 10"))
    setUpLine("set-up 10 x 10 / solve", RandomShape{10, 10, 2, false, false});
  if (wanted("set-up 85 x 45"))
    setUpLine("set-up 85 x 45 / solve", RandomShape{85, 45, 4, false, false});
  if (wanted("load + save 85 x 45"))
    loadSaveLine("load + save 85 x 45", folder);
  return 0;
}

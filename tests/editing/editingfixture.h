#pragma once
// Small problems for the editing tests: three feedstuffs, three nutrients
// (KMT, HP, NDF) and their 3 x 3 matrix; and the shipped example problem.
#include "platform/rtext.h"
#include "problem/problemfile.h"
#include "problem/rationproblem.h"

#include <QFile>
#include <QTemporaryDir>

namespace vz::test {

inline QString num(const QString &t) { return rt::PadL(t, 11); }
inline QString blank11() { return QString(11, QLatin1Char(' ')); }

inline RationProblem smallProblem()
{
  RationProblem p;
  p.feeds = {{rt::PadR(QStringLiteral("Arpa"), 15), num(QStringLiteral("10.000")), blank11(), blank11(), blank11()},
             {rt::PadR(QStringLiteral("Mısır"), 15), num(QStringLiteral("12.000")), blank11(), blank11(), blank11()},
             {rt::PadR(QStringLiteral("Yonca"), 15), num(QStringLiteral("8.000")), blank11(), blank11(), blank11()}};
  p.nutrients = {{rt::PadR(QStringLiteral("KMT"), 15), num(QStringLiteral("Kg/Kg")), num(QStringLiteral("20.0000")), blank11(), blank11()},
                 {rt::PadR(QStringLiteral("HP"), 15), blank11(), blank11(), num(QStringLiteral("10.0000")), blank11()},
                 {rt::PadR(QStringLiteral("NDF"), 15), num(QStringLiteral("%")), blank11(), blank11(), num(QStringLiteral("40.0000"))}};
  p.ratios = {{rt::PadR(QStringLiteral("HP"), 15), rt::PadR(QStringLiteral("KMT"), 15), blank11(), num(QStringLiteral("0.1000")), blank11()}};
  p.matrix = {{num(QStringLiteral("1.0000")), num(QStringLiteral("1.0000")), num(QStringLiteral("1.0000"))},
              {num(QStringLiteral("12.0000")), num(QStringLiteral("10.0000")), blank11()},
              {num(QStringLiteral("20.0000")), num(QStringLiteral("30.0000")), num(QStringLiteral("45.0000"))}};
  p.feedAmounts = {num(QStringLiteral("2.000")), num(QStringLiteral("3.000")), blank11()};
  p.params = RationProblem::defaultParams();
  p.rebuildFeedNames();
  p.rebuildNutrientLists();
  return p;
}

// The shipped example copied into `dir` and loaded; empty path on failure.
inline QString loadExample(const QTemporaryDir &dir, RationProblem &problem)
{
  const QString source = qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/ORNEK_SUT_INEGI.RVD");
  const QString path = dir.filePath(QStringLiteral("ORNEK_SUT_INEGI.RVD"));
  if (!QFile::copy(source, path))
    return QString();
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  ProblemFile file;
  if (!file.open(path))
    return QString();
  file.AKTPRODIZOLUSTUR(problem);
  return path;
}

} // namespace vz::test

#pragma once
// The text of the optimal solution report: header, solution status, daily
// cost, the chosen feedstuffs with their amounts, the feedstuffs left out
// with the price change they need, and every limit with its requested and
// computed value and shadow price. Pure formatting; writing is the caller's.
#include "optimalsolution.h"
#include "problem/interaction.h"
#include "problem/reportwriter.h"

#include <QDateTime>
#include <QStringList>

namespace vz {

class OptimalReport {
public:
  struct Header {
    QString problemFile;  // full path of the problem file
    QStringList animalDescription;
    ReportParameters parameters;
    QDateTime now;
  };

  // The report file of a problem: its path without the extension + ".TXT".
  static QString reportFileFor(const QString &problemFile);

  // Never fails.
  static void compose(ReportWriter &out, const RationModel &model, const OptimalSolution &solution,
                      const Header &header);
};

} // namespace vz

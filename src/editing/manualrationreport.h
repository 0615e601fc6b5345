#pragma once
// The text of the manual ration report: the animal, the daily cost, the
// feedstuffs fed with their dry matter, share and the amounts for the whole
// herd, and every nutrient total against its requirement. Pure formatting
// over the manual ration's two tables; writing is the caller's.
#include "problem/interaction.h"
#include "problem/reportwriter.h"

#include <QDateTime>
#include <QStringList>

namespace vz {

class ManualRation;

class ManualRationReport {
public:
  struct Header {
    QString problemFile;  // full path of the open problem file
    QStringList animalDescription;
    ReportParameters parameters;
    QDateTime now;
  };

  // The report file of a problem: its path without the extension + ".TXT".
  static QString reportFileFor(const QString &problemFile);

  // Reads the tables as they stand (the caller computes first). Never fails.
  static void compose(ReportWriter &out, const ManualRation &ration, const Header &header);
};

} // namespace vz

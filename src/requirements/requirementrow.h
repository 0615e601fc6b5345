#pragma once
// One requirement the models hand to the open problem, in the column order of
// the nutrient table: name (15 characters, padded right), unit (11, right-
// aligned), fixed value, lower limit, upper limit (each number text of 11
// characters or 11 blanks). The dry-matter intake "KMT" carries its value in
// the fixed cell, every other requirement in the lower cell; the upper cell is
// always blank. Values are daily amounts per animal.
#include <QList>
#include <QString>
#include <QStringList>

namespace vz {

struct RequirementRow {
  QString name;
  QString unit;
  QString fixed;
  QString lower;
  QString upper;

  // The five texts in the nutrient table's column order.
  QStringList toList() const { return {name, unit, fixed, lower, upper}; }
  bool operator==(const RequirementRow &) const = default;
};

using RequirementRows = QList<RequirementRow>;

} // namespace vz

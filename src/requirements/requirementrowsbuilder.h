#pragma once
// Builds requirement rows and animal description lines the way both models
// hand them over. A value cell is the model's number formatted with
// Str(value, width, decimals) and then normalised to number text with 4
// decimals by SDAYA: a whole part too wide for the width gives asterisks, which
// become an empty cell. A negative requirement is handed over as 0 (number text
// has no sign, and a sign silently dropped would turn a deficit into a demand);
// descriptions and reports keep the computed sign.
#include "requirementrow.h"

#include <QStringList>

namespace vz {

class RequirementRowsBuilder {
public:
  // Value in the fixed cell (the dry-matter intake "KMT").
  void addFixed(const QString &name, const QString &unit, double value, int width, int decimals);
  // Value in the lower-limit cell (every other requirement).
  void addLower(const QString &name, const QString &unit, double value, int width, int decimals);
  // All three value cells blank ("KMO").
  void addBlank(const QString &name, const QString &unit);

  const RequirementRows &rows() const { return m_rows; }

  // SDAYA(Str(max(value, 0), width, decimals), 4); never fails.
  static QString cell(double value, int width, int decimals);
  // 11 blanks.
  static QString emptyCell();
  // label + AllTrim(Str(value, width, decimals)); the sign is kept.
  static QString descLine(const QString &label, double value, int width, int decimals);

private:
  RequirementRow makeRow(const QString &name, const QString &unit) const;
  RequirementRows m_rows;
};

} // namespace vz

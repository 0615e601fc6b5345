#include "requirementrowsbuilder.h"

#include "platform/rtext.h"
#include "problem/numbertext.h"

namespace vz {

namespace {
constexpr int NameWidth = 15;
constexpr int UnitWidth = 11;
} // namespace

QString RequirementRowsBuilder::emptyCell()
{
  return rt::Space(NumberTextWidth);
}

QString RequirementRowsBuilder::cell(double value, int width, int decimals)
{
  // NaN compares false both ways; treat it like a negative amount.
  const double v = value > 0.0 ? value : 0.0;
  return SDAYA(rt::Str(v, width, decimals), 4);
}

QString RequirementRowsBuilder::descLine(const QString &label, double value, int width, int decimals)
{
  return label + rt::AllTrim(rt::Str(value, width, decimals));
}

RequirementRow RequirementRowsBuilder::makeRow(const QString &name, const QString &unit) const
{
  RequirementRow row;
  row.name = rt::PadR(name, NameWidth);
  row.unit = rt::PadL(unit, UnitWidth);
  row.fixed = emptyCell();
  row.lower = emptyCell();
  row.upper = emptyCell();
  return row;
}

void RequirementRowsBuilder::addFixed(const QString &name, const QString &unit, double value,
                                      int width, int decimals)
{
  RequirementRow row = makeRow(name, unit);
  row.fixed = cell(value, width, decimals);
  m_rows.append(row);
}

void RequirementRowsBuilder::addLower(const QString &name, const QString &unit, double value,
                                      int width, int decimals)
{
  RequirementRow row = makeRow(name, unit);
  row.lower = cell(value, width, decimals);
  m_rows.append(row);
}

void RequirementRowsBuilder::addBlank(const QString &name, const QString &unit)
{
  m_rows.append(makeRow(name, unit));
}

} // namespace vz

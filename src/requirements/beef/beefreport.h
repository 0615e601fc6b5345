#pragma once
// The beef requirement reports, one per group of animal types, appended to the
// report text after the equations have run. All four share the header block,
// the animal lines (label and trimmed value) and the requirement lines (label
// in 45 columns, value right-aligned in 5, then the unit).
//
// The vitamin A and D lines print daily amounts (IU per kg of dry matter times
// the intake), as the requirement rows do; a daily figure too wide for its
// 5 columns takes the columns it needs instead of printing asterisks.
#include "beeffields.h"
#include "requirements/requirementreport.h"

#include <QDateTime>

namespace vz::beef {

// Growing and finishing animal (type 1): 35 lines. Never fails.
void OUTPUT1(const BeefFields &f, const QDateTime &now, RequirementReport &report);
// Lactating or dry cow (types 2, 3): 39 lines, 40 when pregnant. Never fails.
void OUTPUT2(const BeefFields &f, const QDateTime &now, RequirementReport &report);
// Breeding heifer (type 4): 35 lines, 36 when pregnant. Never fails.
void OUTPUT3(const BeefFields &f, const QDateTime &now, RequirementReport &report);
// Breeding bull (type 5): 34 lines. Never fails.
void OUTPUT4(const BeefFields &f, const QDateTime &now, RequirementReport &report);

// A requirement line: 5 blanks, PadR(label, 45), Str(value, width, decimals)
// and the unit text. Never fails.
QString requirementLine(const QString &label, double value, int width, int decimals,
                        const QString &unit);
// Str(value, 5, decimals), or Str(value, 7, decimals) (wider still if need
// be) when 5 columns cannot hold the whole part. Never fails.
QString dailyFigure(double value, int decimals);

} // namespace vz::beef

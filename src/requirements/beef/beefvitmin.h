#pragma once
// The report and the requirement rows must read the same AVITMIN rows, so
// both take the row numbers and the lookup from here.
#include "beeffields.h"

#include <QString>

namespace vz::beef {

// Rows of AVITMIN that become requirement rows (1-based as the table counts).
enum VitMinIndex { Magnesium = 1, Potassium = 2, Sodium = 3, Sulphur = 4, VitaminA = 12, VitaminD = 13 };

// A row outside the table counts as no requirement.
inline double vitMin(const BeefFields &f, int row)
{
  return row >= 1 && row <= f.AVITMIN.size() ? f.AVITMIN.at(row - 1).amount : 0.0;
}

// The labels are u"" literals because QT_NO_CAST_FROM_ASCII forbids plain
// narrow strings with Turkish letters.
inline QString u16(const char16_t *text)
{
  return QString::fromUtf16(text);
}

} // namespace vz::beef

#pragma once
// The example problem shipped with the program: a lactating dairy cow of
// 600 kg giving 25 kg of milk a day (3.5 % fat, second lactation, not
// pregnant), with ten common feedstuffs priced in TL per kg as fed and their
// published composition per kg of dry matter. Its nutrient limits and animal
// description are the program's own dairy estimate for that cow, merged as
// the "Süt Sığırı" estimate merges them into an open problem.
#include "problem/rationproblem.h"

#include <QString>

namespace vz::example {

inline constexpr const char *FileName = "ORNEK_SUT_INEGI.RVD";

// The cow of the example.
inline constexpr double LiveWeight = 600;  // kg
inline constexpr double MilkYield = 25;    // kg a day
inline constexpr double MilkFat = 3.5;     // %
inline constexpr int Lactation = 2;

// The problem as it is saved: every table filled, every flag raised. When the
// estimate gives no requirements (it never does for this cow) `error` says
// so and the limits stay empty.
RationProblem dairyCow(QString *error = nullptr);

} // namespace vz::example

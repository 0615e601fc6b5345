#pragma once
// The example problem shipped with the program: a lactating dairy cow of
// about 600 kg giving 25 kg of milk a day, with ten common feedstuffs priced in
// TL per kg as fed and their published composition per kg of dry matter.
#include "problem/rationproblem.h"

namespace vz::example {

inline constexpr const char *FileName = "ORNEK_SUT_INEGI.RVD";

// The problem as it is saved: every table filled, every flag raised.
RationProblem dairyCow();

} // namespace vz::example

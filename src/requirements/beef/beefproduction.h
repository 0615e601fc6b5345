#pragma once
// What an animal needs on top of maintenance: the gain asked for, the milk of
// a lactating cow on her lactation curve, and the growing conceptus.
#include "beeffields.h"

namespace vz::beef {

// Energy and protein retained in the gain asked for; every type. Needs
// NSBW, NSWG, NSRW and a positive NFINALSBW.
void GROWTH_ENPRO_REQUIRS(BeefFields &f);

// Milk yield (Wood's curve, corrected for the dam's age) with its energy and
// protein; lactating cows only. Needs a positive NPEAKWEEK and NPEAKMILK.
void LACTATION_REQUIRS(BeefFields &f);

// Energy and protein of the gravid uterus and the conceptus gain, for a cow
// or heifer with NDAYSPREGNANT > 0.
void PREGNANCY_REQUIRS(BeefFields &f);

// Milk of young dams: 0.74 at two years, 0.88 at three, else 1.0, by the
// nearest whole year of an age in days. Never fails.
double damAgeMilkFactor(quint32 ageDays);

} // namespace vz::beef

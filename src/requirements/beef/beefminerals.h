#pragma once
// Calcium and phosphorus, factorially (maintenance plus growth, milk or the
// last 90 days of gestation, over the absorption coefficient), and the table
// of the other minerals and the vitamins.
#include "beeffields.h"

namespace vz::beef {

void MIN_REQUIRS_CA(BeefFields &f);  // NKALSIYUMREQ, g/day; never fails
void MIN_REQUIRS_P(BeefFields &f);   // NFOSFORREQ, g/day; never fails

// A new 13-row table (Mg, K, Na, S as daily grams; Co, Cu, I, Fe, Mn, Se, Zn
// per kg DM; vitamins A and D in IU per kg DM), with the pregnancy addition
// from day 90. Writes no field. Never fails.
VitMinTable VMIN_REQUIRS(const BeefFields &f);

// Late gestation: at most 90 days left of a 282-day pregnancy. Days past 282
// stay late gestation.
bool inLateGestation(quint32 daysPregnant);

} // namespace vz::beef

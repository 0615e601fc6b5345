#pragma once
// What the animal needs to maintain itself: metabolizable protein, and net
// energy corrected for breed, lactation, condition, sex and the climate the
// animal is used to, plus grazing activity and cold or heat stress.
#include "beeffields.h"

namespace vz::beef {

// NMPMAINT from NSBW and the microbial efficiency. Never fails.
void MAINT_PROTEIN(BeefFields &f);

// NEm with activity and stress, ending in the maintenance total NNETOTAL.
// Reads the intake DMI_REQUIREMENTS stored (NDMI, NMEINTAKE, the raised
// NNEYADJ) and the lactation and pregnancy energy; run it after them.
// NSBW and NLIVEWEIGHT must not be negative.
void MAINT_ENERGY(BeefFields &f);

} // namespace vz::beef

#pragma once
// The feed budget: dry matter intake and the TDN, DE and ME it brings, the
// effective fibre it needs, the protein supply split into rumen-degradable
// and undegradable parts, the energy total by type, and the rumen pH.
#include "beeffields.h"

namespace vz::beef {

// NDMI by type with its multipliers, then the intakes derived from it. Lifts
// NNEYADJ below 1 to 0.95 and leaves the implant multiplier in NADDITIVEMULT.
// Runs after GROWTH_ENPRO_REQUIRS (and LACTATION_REQUIRS for a lactating cow);
// NSBW must be positive, and so must the grazing animals and days on pasture.
void DMI_REQUIREMENTS(BeefFields &f);

// Protein requirement and supply, and the energy total completed by type.
// Runs after MAINT_ENERGY; NDMI must not be 0.
void MUHTELIF_ENPRO_REQUIRS(BeefFields &f);

// Predicted rumen pH from the eNDF share of the intake. NDMI must not be 0.
double PRED_RUMEN_PH(const BeefFields &f);

} // namespace vz::beef

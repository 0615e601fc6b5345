#pragma once
// Turns what the two dialogs gave into the model's input fields: numbers read
// with `Val`, list items turned into factors, fractions of whole fields cut.
#include "beeffields.h"
#include "beefinputs.h"

namespace vz::beef {

// Fills the input fields of `f` (which should be fresh) from the type and the
// pages. Returns false when an input cannot enter the equations: a type
// outside 1 to 5; no breed row for a list the breeding system uses; no mud,
// target-fat or (while grazing) terrain item; a live or mature weight of 0 or
// less, or a negative desired gain; for a lactating cow a peak week or peak
// milk of 0; while grazing no animals or no grazing days. `f` is then partly
// filled and must not be computed on.
bool readBeefInputs(const BeefTypeChoice &type, const BeefInputPages &pages, BeefFields &f);

// A typed number as a whole field: the fraction cut off; 0 for a negative or
// non-numeric value, the largest whole for one too big.
quint32 wholeNumber(double value);

} // namespace vz::beef

#pragma once
// The requirement rows and animal description lines of a finished beef
// estimate, per animal type. Growing animals and bulls share one row set,
// lactating and dry cows and heifers the other.
#include "beeffields.h"
#include "requirements/requirementrow.h"

#include <QStringList>

namespace vz::beef {

// Rows of the growing set (19 rows, with "NEK", "RDP" before "RUP"). A
// negative requirement enters as 0; the vitamin rows are daily amounts (the
// table's IU per kg DM times NDMI). Never fails.
RequirementRows growingRows(const BeefFields &f);
// Rows of the cow set (18 rows, no "NEK", "RUP" before "RDP"); as above.
RequirementRows cowRows(const BeefFields &f);

// The description lines of each group (first the type line, last the breed).
// Never fail.
QStringList DESC_GROW_FINISH(const BeefFields &f);
QStringList DESC_BEEF_COW(const BeefFields &f);
QStringList DESC_PREG_RHEIFERS(const BeefFields &f);
QStringList DESC_BREED_BULL(const BeefFields &f);

} // namespace vz::beef

#pragma once
// The report texts of the dairy model: the requirement report of each animal
// type and the detailed protein balance that may follow the growing animal's
// or the cow's. Each appends its lines to the report after its header block
// (the bull's and the detail end with a blank line and the centred "<>").
// None of the calls fails; a number too wide for its column prints as
// asterisks of that width.
#include "dairyfields.h"
#include "requirements/requirementreport.h"

#include <QDateTime>

namespace vz {

class DairyReport {
public:
  // Growing animal: header, inputs, 14 value lines, the RUP/PT line.
  static void OUTPUT1(RequirementReport &r, const DairyFields &f, const QDateTime &now);
  // Cow: header, 8 input lines, 13 value lines, the RUP/PT line (29 lines).
  static void OUTPUT2(RequirementReport &r, const DairyFields &f, const QDateTime &now);
  // Mature bull: as the growing animal's, without gain and class, ending "<>".
  static void OUTPUT3(RequirementReport &r, const DairyFields &f, const QDateTime &now);
  // The absorbed protein detail: 59 lines, ending "<>".
  static void OUTPUT4(RequirementReport &r, const DairyFields &f);
};

} // namespace vz

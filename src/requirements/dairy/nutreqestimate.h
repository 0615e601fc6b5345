#pragma once
// NUTREQESTIMATE: the dairy and growing cattle requirement model (NRC dairy
// equations) for a growing heifer or young bull, a pregnant and/or lactating
// cow, or a mature breeding bull. The whole estimate runs inside the
// constructor: type dialog, the type's input dialog, equations, then either
// rows (mode 1) or the report "KWIB_SBIH.TXT" (any other mode). See
// RequirementEstimate for what a caller reads afterwards.
#include "dairyfields.h"
#include "dairyinputprovider.h"
#include "requirements/estimatorowner.h"
#include "requirements/requirementestimate.h"

namespace vz {

class NUTREQESTIMATE : public RequirementEstimate {
public:
  // Never fails towards the caller. A cancel, or a required input that is 0
  // (or negative), ends the run silently with LDDEG false. A failed report
  // write shows "Rapor dosyası oluşturmada hata!..." through the owner's
  // interaction and leaves the current report file unchanged.
  NUTREQESTIMATE(const EstimatorOwner &owner, DairyInputProvider &dialogs,
                 int mode = RequirementEstimate::ReportMode);

  // The working fields as the run left them (for the detailed checks of tests).
  const DairyFields &fields() const { return m_f; }
  // True when a report was written in this run.
  bool reportWritten() const { return m_reportWritten; }

private:
  void run(const EstimatorOwner &owner, DairyInputProvider &dialogs, int mode);
  void writeReport(const EstimatorOwner &owner);

  DairyFields m_f;
  QString m_reportPath;
  bool m_reportWritten = false;
};

} // namespace vz

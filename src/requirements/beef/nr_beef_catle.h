#pragma once
// NR_BEEF_CATLE: daily nutrient requirements of one beef animal by the NRC
// (2000) beef cattle equations (level 1) — growing and finishing cattle,
// lactating and dry cows, breeding heifers and bulls. The whole estimate runs
// inside the constructor: the animal type dialog, the tabbed input dialog,
// the equations in their fixed order, then the rows and description lines.
// A caller reads only what RequirementEstimate declares.
#include "beeffields.h"
#include "beefinputprovider.h"
#include "requirements/estimatorowner.h"
#include "requirements/requirementestimate.h"
#include "requirements/requirementreport.h"

namespace vz::beef {

class NR_BEEF_CATLE : public RequirementEstimate {
public:
  // Mode 1 leaves LDDEG true with ABMREQM and AANIDESC. Any other mode writes
  // the type's report to RequirementReport::filePath() and makes it the
  // current report file; a failed write shows the write error through the
  // owner's interaction and leaves the current report file alone. A cancel in
  // either dialog, or an input the equations cannot take, ends the run
  // silently with LDDEG false and nothing written.
  NR_BEEF_CATLE(const EstimatorOwner &owner, BeefInputProvider &dialogs,
                int mode = RequirementEstimate::ReportMode);

  // The report text of a report-mode run (CREPORT); empty otherwise.
  const QString &reportText() const { return m_report.text(); }

  // The state the run ended with (inputs and every result), for the report
  // writers; all zero when the run ended before the equations.
  const BeefFields &fields() const { return m_f; }

  // The requirement methods in the order INIT sends them: growth, then
  // lactation and pregnancy by type, then maintenance protein, intake,
  // maintenance energy, the totals, calcium, phosphorus and the mineral and
  // vitamin table. Later methods read what earlier ones stored. Needs the
  // inputs readBeefInputs accepted.
  static void runRequirementMethods(BeefFields &f);

private:
  void RR_GROW_FINISH();
  void RR_BEEF_COW();
  void RR_PREG_RHEIFER();
  void RR_GBREED_BULL();
  // The type's report into CREPORT, then written whole.
  void writeReport(const EstimatorOwner &owner);

  BeefFields m_f;
  RequirementReport m_report;  // CREPORT
};

} // namespace vz::beef

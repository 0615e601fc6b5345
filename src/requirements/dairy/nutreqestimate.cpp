#include "nutreqestimate.h"

#include "dairyequations.h"
#include "dairyreport.h"
#include "dairyrows.h"
#include "requirements/requirementreport.h"

namespace vz {

NUTREQESTIMATE::NUTREQESTIMATE(const EstimatorOwner &owner, DairyInputProvider &dialogs, int mode)
{
  run(owner, dialogs, mode);
}

void NUTREQESTIMATE::run(const EstimatorOwner &owner, DairyInputProvider &dialogs, int mode)
{
  LDDEG = false;
  m_reportPath = RequirementReport::filePath();

  const STipiSecResult type = dialogs.askType(mode);
  if (type.NSTIPI == 0)
    return;
  m_f.NANIMALTYPE = type.NSTIPI;
  m_f.NREPORTTYPE = type.NRTIPI;

  // The dialogs check every value; a value that still arrives below zero (a
  // provider other than our dialogs) is treated like an empty edit rather
  // than carried into fractional powers.
  switch (m_f.NANIMALTYPE) {
  case 1: {
    const std::optional<GrowCatleInput> in = dialogs.askGrowing();
    if (!in)
      return;
    m_f.NLIVEWEIGHT = static_cast<float>(in->NCANAGIR);
    m_f.NENERGYCONC = in->NENECONS;
    m_f.NDAILYGAIN = static_cast<float>(in->NBEKCAAR);
    m_f.NSIZECLASS = in->NCESTYPE;
    if (!(m_f.NLIVEWEIGHT > 0.0f) || !(m_f.NENERGYCONC > 0.0) || !(m_f.NDAILYGAIN > 0.0f)
        || m_f.NSIZECLASS < 1 || m_f.NSIZECLASS > 4)
      return;
    m_f.NENERGYRATIO = 1.0f;
    DairyEquations::CALC_GROW_BULL(m_f);
    DairyEquations::CALC_ALLPROTEIN(m_f);
    break;
  }
  case 2: {
    const std::optional<LactCatleInput> in = dialogs.askCow();
    if (!in)
      return;
    m_f.NLIVEWEIGHT = static_cast<float>(in->NCANAGIR);
    m_f.NENERGYCONC = in->NENECONS;
    m_f.NMILKYIELD = static_cast<float>(in->NSUTVERI);
    m_f.NMILKFAT = in->NSYAGTES;
    m_f.NDAYSPREGNANT = in->NGEBEGUN;
    m_f.NLACTATIONNO = in->NGEBESAY;
    m_f.NFEEDSTATE = in->NYEMTUKE;
    m_f.NENERGYRATIO = static_cast<float>(in->NENGKARO);
    m_f.NWEIGHTCHANGE = in->NISTAGKA;
    if (!(m_f.NLIVEWEIGHT > 0.0f) || !(m_f.NENERGYCONC > 0.0) || m_f.NLACTATIONNO <= 0)
      return;
    if (m_f.NMILKYIELD < 0.0f || m_f.NMILKFAT < 0.0 || m_f.NDAYSPREGNANT < 0.0
        || m_f.NWEIGHTCHANGE < 0.0)
      return;
    if (m_f.NFEEDSTATE == 1 || m_f.NFEEDSTATE == 3)
      m_f.NENERGYRATIO = 1.0f;
    // An underfed cow with no ratio typed would otherwise be computed as
    // eating nothing; the dialog asks for the ratio, so this only ends a run
    // that had no usable input.
    if (!(m_f.NENERGYRATIO > 0.0f))
      return;
    DairyEquations::CALC_PREG_LACTATION(m_f);
    DairyEquations::CALC_ALLPROTEIN(m_f);
    break;
  }
  case 3: {
    const std::optional<MatBulInput> in = dialogs.askBull();
    if (!in)
      return;
    m_f.NLIVEWEIGHT = static_cast<float>(in->NCANAGIR);
    m_f.NENERGYCONC = in->NENECONS;
    if (!(m_f.NLIVEWEIGHT > 0.0f) || !(m_f.NENERGYCONC > 0.0))
      return;
    m_f.NENERGYRATIO = 1.0f;
    DairyEquations::CALC_GROW_BULL(m_f);
    DairyEquations::CALC_ALLPROTEIN(m_f);
    break;
  }
  default:
    return;
  }

  if (isRowsMode(mode)) {
    if (m_f.NANIMALTYPE == 2) {
      ABMREQM = DairyRows::REQ_DAIRY(m_f);
      LDDEG = true;
      AANIDESC = DairyRows::DESC_DAIRY(m_f);
    } else {
      ABMREQM = DairyRows::REQ_GROW_BULL(m_f);
      LDDEG = true;
      AANIDESC = m_f.NANIMALTYPE == 1 ? DairyRows::DESC_GROWING(m_f) : DairyRows::DESC_BULL(m_f);
    }
    return;
  }
  writeReport(owner);
}

void NUTREQESTIMATE::writeReport(const EstimatorOwner &owner)
{
  RequirementReport report;
  const QDateTime now = owner.clock.now();
  switch (m_f.NANIMALTYPE) {
  case 1:
    DairyReport::OUTPUT1(report, m_f, now);
    if (m_f.NREPORTTYPE == 2)
      DairyReport::OUTPUT4(report, m_f);
    break;
  case 2:
    DairyReport::OUTPUT2(report, m_f, now);
    if (m_f.NREPORTTYPE == 2)
      DairyReport::OUTPUT4(report, m_f);
    break;
  default:
    DairyReport::OUTPUT3(report, m_f, now);  // a bull's report is always the summary
    break;
  }
  m_reportWritten = report.writeAndPublish(m_reportPath, owner.interaction);
}

} // namespace vz

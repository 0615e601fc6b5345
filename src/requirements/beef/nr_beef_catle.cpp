#include "nr_beef_catle.h"

#include "beefinputreader.h"
#include "beefintake.h"
#include "beefmaintenance.h"
#include "beefminerals.h"
#include "beefproduction.h"
#include "beefreport.h"
#include "beefrows.h"

namespace vz::beef {

NR_BEEF_CATLE::NR_BEEF_CATLE(const EstimatorOwner &owner, BeefInputProvider &dialogs, int mode)
{
  LDDEG = false;

  const std::optional<BeefTypeChoice> type = dialogs.askAnimalType();
  if (!type)
    return;
  const std::optional<BeefInputPages> pages = dialogs.askInputs(*type);
  if (!pages)
    return;

  BeefFields f;
  if (!readBeefInputs(*type, *pages, f))
    return;  // as for a cancel: nothing handed over, nothing written
  runRequirementMethods(f);
  m_f = f;

  if (!isRowsMode(mode)) {
    writeReport(owner);
    return;
  }
  switch (m_f.NANIMALTYPE) {
  case GrowFinish: RR_GROW_FINISH(); break;
  case LactatingCow:
  case DryCow: RR_BEEF_COW(); break;
  case BreedingHeifer: RR_PREG_RHEIFER(); break;
  case BreedingBull: RR_GBREED_BULL(); break;
  default: break;
  }
}

void NR_BEEF_CATLE::runRequirementMethods(BeefFields &f)
{
  GROWTH_ENPRO_REQUIRS(f);
  switch (f.NANIMALTYPE) {
  case LactatingCow:
    LACTATION_REQUIRS(f);
    if (f.NDAYSPREGNANT > 0)
      PREGNANCY_REQUIRS(f);
    break;
  case DryCow:
  case BreedingHeifer:
    if (f.NDAYSPREGNANT > 0)
      PREGNANCY_REQUIRS(f);
    break;
  default:
    break;
  }
  MAINT_PROTEIN(f);
  DMI_REQUIREMENTS(f);
  MAINT_ENERGY(f);
  MUHTELIF_ENPRO_REQUIRS(f);
  MIN_REQUIRS_CA(f);
  MIN_REQUIRS_P(f);
  f.AVITMIN = VMIN_REQUIRS(f);
}

void NR_BEEF_CATLE::writeReport(const EstimatorOwner &owner)
{
  const QDateTime now = owner.clock.now();
  switch (m_f.NANIMALTYPE) {
  case GrowFinish: OUTPUT1(m_f, now, m_report); break;
  case LactatingCow:
  case DryCow: OUTPUT2(m_f, now, m_report); break;
  case BreedingHeifer: OUTPUT3(m_f, now, m_report); break;
  case BreedingBull: OUTPUT4(m_f, now, m_report); break;
  default: return;
  }
  m_report.writeAndPublish(RequirementReport::filePath(), owner.interaction);
}

void NR_BEEF_CATLE::RR_GROW_FINISH()
{
  ABMREQM = growingRows(m_f);
  LDDEG = true;
  AANIDESC = DESC_GROW_FINISH(m_f);
}

void NR_BEEF_CATLE::RR_BEEF_COW()
{
  ABMREQM = cowRows(m_f);
  LDDEG = true;
  AANIDESC = DESC_BEEF_COW(m_f);
}

void NR_BEEF_CATLE::RR_PREG_RHEIFER()
{
  ABMREQM = cowRows(m_f);
  LDDEG = true;
  AANIDESC = DESC_PREG_RHEIFERS(m_f);
}

void NR_BEEF_CATLE::RR_GBREED_BULL()
{
  ABMREQM = growingRows(m_f);
  LDDEG = true;
  AANIDESC = DESC_BREED_BULL(m_f);
}

} // namespace vz::beef

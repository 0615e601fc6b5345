#include "stipisecform.h"

namespace vz {

STipiSecForm::STipiSecForm(int mode)
  : m_mode(mode)
{
  if (m_mode == 1)
    m_reportEnabled = false;  // no report will be written
}

void STipiSecForm::clickType(int type)
{
  if (type < Growing || type > Bull)
    return;
  m_type = type;
  if (m_mode != 2)
    return;
  if (type == Bull) {
    m_detailed = false;
    m_reportEnabled = false;
  } else {
    m_reportEnabled = true;
  }
}

void STipiSecForm::chooseDetailed(bool detailed)
{
  if (m_reportEnabled)
    m_detailed = detailed;
}

STipiSecResult STipiSecForm::accept() const
{
  STipiSecResult r;
  r.NSTIPI = m_type;
  r.NRTIPI = m_detailed ? 2 : 1;
  return r;
}

} // namespace vz

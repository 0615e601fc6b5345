#include "qtbeefinputprovider.h"

#include "bc_growfinish_tab.h"
#include "bc_haytip_sec.h"

namespace vz::beef {

std::optional<BeefTypeChoice> QtBeefInputProvider::askAnimalType()
{
  BC_HAYTIP_SEC dialog(m_owner);
  if (dialog.exec() != QDialog::Accepted)
    return std::nullopt;
  return BeefTypeChoice{dialog.NHAYTIP, dialog.SNCAPTION};
}

std::optional<BeefInputPages> QtBeefInputProvider::askInputs(const BeefTypeChoice &type)
{
  BC_GROWFINISH_TAB dialog(m_owner, type.caption);
  if (dialog.exec() != QDialog::Accepted)
    return std::nullopt;
  return dialog.form().pages();
}

} // namespace vz::beef

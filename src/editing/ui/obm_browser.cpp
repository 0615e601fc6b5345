#include "obm_browser.h"

namespace vz {

OBM_BROWSER::OBM_BROWSER(QWidget *owner) : OABS_BROWSER(EntryKind::Nutrients, owner) {}

} // namespace vz

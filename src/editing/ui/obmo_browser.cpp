#include "obmo_browser.h"

namespace vz {

OBMO_BROWSER::OBMO_BROWSER(QWidget *owner) : OABS_BROWSER(EntryKind::Ratios, owner) {}

} // namespace vz

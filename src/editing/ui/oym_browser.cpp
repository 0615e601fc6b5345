#include "oym_browser.h"

namespace vz {

OYM_BROWSER::OYM_BROWSER(QWidget *owner) : OABS_BROWSER(EntryKind::Feeds, owner) {}

} // namespace vz

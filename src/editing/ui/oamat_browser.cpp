#include "oamat_browser.h"

namespace vz {

OAMAT_BROWSER::OAMAT_BROWSER(QWidget *owner) : OABS_BROWSER(EntryKind::Matrix, owner) {}

} // namespace vz

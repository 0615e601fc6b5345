#pragma once
// Escape in one of the program's edits and lists cancels the dialog that holds
// it exactly as its "&İptal" button does: the nearest ancestor with a `PBIPTAL`
// slot gets it; a plain dialog without one is rejected.
class QWidget;

namespace vz {

// Returns false when no ancestor of `control` can be cancelled.
bool cancelOwningDialog(QWidget *control);

} // namespace vz

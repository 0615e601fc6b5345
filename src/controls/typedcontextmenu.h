#pragma once
// The context menu of an edit whose text only its own entry may change: Copy
// and Select All stay as they are, Cut, Paste and Delete run the given
// functions, and Undo, Redo and anything else the standard menu offers are
// hidden, since they would change the text behind the entry's back.
#include <functional>

class QLineEdit;
class QMenu;

namespace vz {

QMenu *typedContextMenu(QLineEdit *edit, const std::function<void()> &cut,
                        const std::function<void()> &paste, const std::function<void()> &erase);

} // namespace vz

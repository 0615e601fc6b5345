#include "typedcontextmenu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace vz {

QMenu *typedContextMenu(QLineEdit *edit, const std::function<void()> &cut,
                        const std::function<void()> &paste, const std::function<void()> &erase)
{
  QMenu *menu = edit->createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The standard actions are known by the shortcut their text shows.
  const auto shows = [](const QAction *action, QKeySequence::StandardKey key) {
    return action->text().endsWith(QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText));
  };
  const auto reroute = [edit](QAction *action, const std::function<void()> &to) {
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    QObject::connect(action, &QAction::triggered, edit, [to] { to(); });
  };
  bool afterPaste = false;
  for (QAction *action : menu->actions()) {
    const bool isPaste = shows(action, QKeySequence::Paste);
    if (action->isSeparator() || action->menu()) {
      action->setVisible(!action->menu());
    } else if (shows(action, QKeySequence::Copy) || shows(action, QKeySequence::SelectAll)) {
      // as they are
    } else if (shows(action, QKeySequence::Cut)) {
      reroute(action, cut);
    } else if (isPaste) {
      reroute(action, paste);
    } else if (afterPaste) {  // Delete
      reroute(action, erase);
    } else {
      action->setVisible(false);  // Undo, Redo and anything unknown
    }
    afterPaste = isPaste;
  }
  return menu;
}

} // namespace vz

#pragma once
// The menu bar and toolbar an editing window puts in the main window's place
// while it is active. Each window keeps its own command tables; these build
// them the same way, so that every window's keys are bound alike.
#include "controls/jqtoolbar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace vz::windowcommands {

inline QString text(const char *s) { return s ? QString::fromUtf8(s) : QString(); }

// A pull-down of the window's menu bar, with its id and status text.
template <class Popup>
QMenu *addPopup(QMenuBar *bar, const Popup &popup)
{
  QMenu *menu = bar->addMenu(text(popup.caption));
  if constexpr (requires { popup.event; })
    menu->menuAction()->setProperty("vzEvent", QByteArray(popup.event));
  menu->menuAction()->setProperty("vzMenuId", popup.id);
  menu->menuAction()->setStatusTip(text(popup.description));
  return menu;
}

// A command of the window's own menu. Its key is bound on the window alone,
// so that it is live only while the window is (no key of the main window's
// competes with it then).
inline void addCommand(QMainWindow *window, QMenu *menu, QAction *action, const QKeySequence &key)
{
  action->setShortcut(key);
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  window->addAction(action);
  menu->addAction(action);
}

// The window's menu bar: `make(item)` gives each command's action, `made`
// hears of each pull-down and command as it is added.
template <class Popup, class Make, class Made>
void buildMenuBar(QMainWindow *window, const QList<Popup> &popups, Make make, Made made)
{
  auto *bar = new QMenuBar(window);
  for (const Popup &popup : popups) {
    QMenu *menu = addPopup(bar, popup);
    for (const auto &item : popup.items) {
      if (item.id == 0) {
        menu->addSeparator();
        continue;
      }
      QAction *a = make(item);
      addCommand(window, menu, a, item.key);
      made(popup, menu, item, a);
    }
  }
  window->setMenuBar(bar);
}

// The window's toolbar, named for screen readers; `actionOf(id)` gives the
// menu command each button stands for.
template <class Buttons, class ActionOf>
JQTOOLBAR *buildToolBar(QMainWindow *window, const QString &name, const Buttons &buttons, ActionOf actionOf)
{
  auto *bar = new JQTOOLBAR(window);
  bar->setMovable(false);
  bar->setAccessibleName(name);
  for (const auto &b : buttons) {
    if (b.image == 0) {
      bar->APPENDITEM(0);
      continue;
    }
    QAction *a = actionOf(b.itemId);
    bar->APPENDITEM(b.image, a);
    bar->ADDTIPTEXT(b.image, a, text(b.tip));
  }
  window->addToolBar(bar);
  return bar;
}

} // namespace vz::windowcommands

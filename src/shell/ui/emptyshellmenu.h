#pragma once
// The main menu (EMPTYSHELLMENU) with its tool bar and accelerators. Every item
// is a QAction carrying its command id and its event name (the method that the
// main window's router runs); the status-bar description is the action's
// status tip. The problem items start disabled; MI_ENADISABLE opens them.
#include <QHash>
#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

namespace vz {

class EMPTYSHELLMENU : public QObject {
  Q_OBJECT
public:
  // Builds the menus, actions and tool bar; `owner` becomes the parent of the
  // menus, the actions and the tool bar.
  explicit EMPTYSHELLMENU(QWidget *owner);

  const QList<QMenu *> &menus() const { return m_menus; }  // the menu bar, in order
  QToolBar *toolBar() const { return m_toolBar; }
  QAction *item(int id) const { return m_items.value(id); }
  QList<QAction *> items() const { return m_items.values(); }

  // Event name of an action (empty for popups and separators).
  static QByteArray eventName(const QAction *action);
  static int itemId(const QAction *action);

  // MENU:ISCHECKED: an id the menu does not hold reads as checked.
  bool isChecked(int id) const;
  void enableItem(int id, bool enabled);

signals:
  // An item was chosen (menu, shortcut or tool bar); `event` is its event name.
  void commandChosen(const QByteArray &event);

private:
  QAction *addItem(QMenu *menu, int id, const QString &caption, const QString &description,
                   const char *event, bool off = false);
  QMenu *addPopup(QMenu *parentMenu, int id, const QString &caption, const QString &description);

  QWidget *m_owner;
  QList<QMenu *> m_menus;
  QHash<int, QAction *> m_items;
  QToolBar *m_toolBar = nullptr;
};

} // namespace vz

#pragma once
// The report editor's menu (STANDARDPADMENU) with its tool bar and
// accelerators, shown by the main window while report windows are open.
// Every item is a QAction carrying its command id and its event name; the
// status-bar description is the action's status tip.
#include <QHash>
#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

namespace vz {

class JQTOOLBAR;

class STANDARDPADMENU : public QObject {
  Q_OBJECT
public:
  static constexpr int SaveItem = 30242;  // "&Kaydet", disabled until a text changes

  // Builds the menus, actions and tool bar with `owner` (the main window) as
  // the parent of the menus and the tool bar. Never fails.
  explicit STANDARDPADMENU(QWidget *owner);
  ~STANDARDPADMENU() override;

  const QList<QMenu *> &menus() const { return m_menus; }  // the menu bar, in order
  QToolBar *toolBar() const;
  QAction *item(int id) const { return m_items.value(id); }
  void enableItem(int id, bool enabled);

  static QByteArray eventName(const QAction *action);
  static int itemId(const QAction *action);

signals:
  // An item was chosen (menu, shortcut or tool bar).
  void commandChosen(const QByteArray &event);

private:
  QAction *addItem(QMenu *menu, int id, const QString &caption, const QString &description,
                   const char *event);
  QMenu *addPopup(QMenu *parentMenu, int id, const QString &caption, const QString &description);

  QWidget *m_owner;
  QList<QMenu *> m_menus;
  QHash<int, QAction *> m_items;
  JQTOOLBAR *m_toolBar = nullptr;
};

} // namespace vz

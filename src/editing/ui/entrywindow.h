#pragma once
// The frame of the four entry windows: a child window of the main window
// holding one grid over a copy of one table of the open problem, with its own
// menu, toolbar, context menu and keys. Closing copies the table back (never
// refused); the nutrient, feedstuff and matrix windows then ask for the main
// menu to be recomputed (menuStateChanged).
//
// Menu items carry their event name (property "vzEvent"); the items this
// window carries out itself are marked "vzRouted", the others (cascade, tile,
// help on help) are left to the main window's routing.
#include "editing/entrytable.h"

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <memory>

class QMenu;

namespace vz {

class EntryTableModel;
class Interaction;
class JQTOOLBAR;
class OABS_BROWSER;

class EntryWindow : public QMainWindow {
  Q_OBJECT
public:
  struct Item {
    int id = 0;               // 0: separator
    const char *caption = nullptr;
    const char *event = nullptr;
    const char *description = nullptr;
    QKeySequence key;
  };
  struct Popup {
    int id;
    const char *caption;
    const char *event;
    const char *description;
    QList<Item> items;
  };
  struct Button {
    int image;  // 0: separator
    int itemId;
    const char *tip;
  };
  struct Layout {
    const char *caption;
    const char *helpTopic;
    QList<Popup> menu;
    QList<Button> toolbar;
    Popup contextMenu;
  };

  ~EntryWindow() override;

  EntryKind kind() const;
  EntryTable &table() const { return *m_table; }
  OABS_BROWSER *browser() const { return m_browser; }
  EntryTableModel *model() const { return m_model; }
  JQTOOLBAR *toolBar() const { return m_toolBar; }
  QMenu *contextMenu() const { return m_contextMenu; }
  // The action of a menu, toolbar or context item by its id; null if none.
  QAction *action(int id) const;
  // False when the table could not be shown (the window must not open).
  bool isUsable() const;
  // True once the window closed (its table is back in the problem).
  bool isClosed() const { return m_closed; }
  // The question before Cut or Clear empties a name and so deletes its row.
  static QString nameRemovalQuestion(const QString &name);
  // Pixels of the grid inside the window's client area on each side.
  static constexpr int GridMargin = 2;

signals:
  // The problem's tables changed shape: the main menu's enabling is due.
  void menuStateChanged();

public slots:
  void APPEND();
  void CLOSE();
  void GOTOP();
  void SKIPPREVIOUS();
  void SKIPNEXT();
  void GOBOTTOM();
  void CUT();
  void COPY();
  void PASTE();
  void CLEAR();
  void WIN_HESMAK();
  void VKHAKKINDA();
  void HELPINDEX();
  void CONTEXTHELP();

protected:
  // `ui` null: message boxes and dialogs of the window's own.
  EntryWindow(EntryKind kind, RationProblem &problem, Interaction *ui, const Layout &layout,
              QWidget *parent);
  Interaction &interaction() const { return *m_ui; }
  void closeEvent(QCloseEvent *event) override;

  // The delete command of the window (F6).
  void deleteCommand();
  int currentColumn() const;  // 1-based grid column, 0 when none

private:
  QAction *makeAction(const Item &item, QObject *owner);
  void moveTo(int row);
  bool mayEmptyCurrentName();
  void showHelp(const QString &topic);

  std::unique_ptr<Interaction> m_ownUi;
  Interaction *m_ui;
  std::unique_ptr<EntryTable> m_table;
  EntryTableModel *m_model = nullptr;
  OABS_BROWSER *m_browser = nullptr;
  JQTOOLBAR *m_toolBar = nullptr;
  QMenu *m_contextMenu = nullptr;
  QString m_helpTopic;
  QHash<int, QAction *> m_actions;
  bool m_closed = false;
};

} // namespace vz

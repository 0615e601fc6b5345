#pragma once
// A tab control whose tabs can be locked one by one: a click on a locked tab
// is swallowed, so the user cannot bring up its page, while the program can
// still select any page. The user changes tabs with the mouse only: keys do
// not switch tabs, though Tab and Shift+Tab still move the focus on, and in a
// dialog Esc cancels and Enter accepts while the tab strip has the focus.
#include <QIcon>
#include <QList>
#include <QTabWidget>

namespace vz {

class XTABCONTROL : public QTabWidget {
  Q_OBJECT
public:
  explicit XTABCONTROL(QWidget *owner = nullptr);

  // Appends a selectable tab; `name` becomes the page's object name.
  int APPENDTAB(const QString &name, const QString &caption, QWidget *page, const QIcon &image = QIcon());

  // Lock or free tab n (counted from 0); a number that names no tab is
  // ignored.
  XTABCONTROL *PREVENTSELECTION(int n);
  XTABCONTROL *ALLOWSELECTION(int n);
  bool isSelectable(int n) const;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void tabInserted(int index) override;
  void tabRemoved(int index) override;

private:
  QList<bool> m_selectable;  // one per tab, in tab order
};

} // namespace vz

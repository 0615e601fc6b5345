#pragma once
// The grid of every entry window (the OYM, OBM, OBMO and OAMAT browsers are
// this grid over their table kind): cell or row cursor, editing through the
// columns' own editors, a label column that never keeps the focus in the
// matrix grid, and a frozen first column on request.
#include "editing/entrytable.h"
#include <QList>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <memory>

namespace vz {

class CellEditDelegate;
class EntryTableModel;
class JQDATACOLUMN;

class OABS_BROWSER : public QTableView {
  Q_OBJECT
public:
  OABS_BROWSER(EntryKind kind, QWidget *owner);
  ~OABS_BROWSER() override;
  // The browser of the kind's own class (OBM, OYM, OBMO or OAMAT). Never fails.
  static OABS_BROWSER *create(EntryKind kind, QWidget *owner);

  EntryKind kind() const { return m_kind; }
  // Attaches the model and builds one JQDATACOLUMN per table column.
  void attach(EntryTableModel *model);
  EntryTableModel *tableModel() const { return m_model; }
  JQDATACOLUMN *column(int section) const;

  void ENABLECELLCURSOR(bool on);
  // Writes the value of an editor still open into its cell and closes it.
  void endEdit();
  // Discards an open editor's value.
  void cancelEdit();
  QWidget *openEditor() const;

  // The frozen first column: toggled by each call; true while frozen.
  bool toggleFrozenColumn();
  bool isColumnFrozen() const { return m_frozen != nullptr; }
  QTableView *frozenView() const { return m_frozen; }

  // The grid commands of the windows that hold this grid. Each window places
  // the cursor on a row its own way (which column, what else follows the
  // row), so the row moves go through `mover` (1-based row, already within
  // the model); unset, the cursor keeps its column.
  void setRowMover(std::function<void(int row)> mover) { m_rowMover = std::move(mover); }
  // A read-only grid beside this one whose current cell COPY takes (and CUT
  // with it) while that grid has the focus.
  void setCopyCompanion(QAbstractItemView *companion) { m_copyCompanion = companion; }
  void GOTOP();
  void SKIPPREVIOUS();
  void SKIPNEXT();
  void GOBOTTOM();
  void CUT();
  void COPY();
  void PASTE();
  void CLEAR();
  // Stores `value` in the current cell as if typed, when it takes typing.
  void typeIntoCurrent(const QString &value);

signals:
  void currentRowChanged(int row);  // 1-based table row

protected:
  // A column `chars` average characters wide, and at least as wide as its
  // caption in bold (the header shows the current cell's column that way).
  int columnWidthFor(int chars, const QString &caption) const;

  void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
  void resizeEvent(QResizeEvent *event) override;
  void updateGeometries() override;
  void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

private:
  void placeFrozen();
  void moveToRow(int row);

  EntryKind m_kind;
  EntryTableModel *m_model = nullptr;
  CellEditDelegate *m_delegate;
  QList<std::shared_ptr<JQDATACOLUMN>> m_columns;
  QTableView *m_frozen = nullptr;
  // The frozen pane edits through a delegate of its own: a delegate shared
  // with the grid would hand the pane's editor to both views on commit.
  CellEditDelegate *m_frozenDelegate = nullptr;
  std::function<void(int)> m_rowMover;
  QPointer<QAbstractItemView> m_copyCompanion;
};

} // namespace vz

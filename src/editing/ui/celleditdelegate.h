#pragma once
// The grids' cell editing: the editor of the cell's JQDATACOLUMN, and a
// value that counts only when it was typed (an editor left without a change,
// or with Esc, writes nothing). A value the table refuses keeps the editor
// open with the typed text, so every Enter shows the refusal again.
#include "controls/jqdatacolumndelegate.h"
#include <QPointer>

namespace vz {

class CellEditDelegate : public JqDataColumnDelegate {
  Q_OBJECT
public:
  explicit CellEditDelegate(QObject *parent = nullptr);

  // The editor open now, or null.
  QWidget *openEditor() const { return m_editor; }

  QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                        const QModelIndex &index) const override;
  void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
  void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

protected:
  bool eventFilter(QObject *object, QEvent *event) override;

private:
  mutable QPointer<QWidget> m_editor;
  mutable bool m_refused = false;
  bool m_committing = false;  // an Enter's commit (and its message) is under way
};

} // namespace vz

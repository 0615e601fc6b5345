#include "celleditdelegate.h"
#include <QLineEdit>

namespace vz {

CellEditDelegate::CellEditDelegate(QObject *parent) : JqDataColumnDelegate(parent) {}

QWidget *CellEditDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
  QWidget *editor = JqDataColumnDelegate::createEditor(parent, option, index);
  if (auto *edit = qobject_cast<QLineEdit *>(editor))
    edit->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
  m_editor = editor;
  return editor;
}

void CellEditDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
  if (m_editor == editor)
    m_editor.clear();
  JqDataColumnDelegate::destroyEditor(editor, index);
}

void CellEditDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const
{
  if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
    if (!edit->isModified())
      return;
    edit->setModified(false);  // a second commit of the same editor writes nothing
  }
  JqDataColumnDelegate::setModelData(editor, model, index);
}

} // namespace vz

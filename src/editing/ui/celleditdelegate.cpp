#include "celleditdelegate.h"
#include <QKeyEvent>
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
  m_refused = false;
  auto *edit = qobject_cast<QLineEdit *>(editor);
  if (!edit) {
    JqDataColumnDelegate::setModelData(editor, model, index);
    return;
  }
  if (!edit->isModified())
    return;
  edit->setModified(false);  // a second commit of the same editor writes nothing
  if (!model->setData(index, edit->text(), Qt::EditRole)) {
    // Refused with a message: the text stays to be mended.
    m_refused = true;
    if (m_editor == editor)
      edit->setModified(true);
  }
}

bool CellEditDelegate::eventFilter(QObject *object, QEvent *event)
{
  auto *edit = qobject_cast<QLineEdit *>(object);
  if (!edit || edit != m_editor)
    return JqDataColumnDelegate::eventFilter(object, event);
  // A refusal's message box takes the focus from the editor: that must not
  // close it behind the user's back.
  if (m_committing && (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide))
    return true;
  // Opening a menu (Alt and a letter, or a context menu) keeps the edit
  // going: the menu's commands (cut, paste...) act on the open editor, and a
  // refusal's message must not interrupt the menu bar on its way open.
  if (event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::MenuBarFocusReason || reason == Qt::PopupFocusReason)
      return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      QPointer<QLineEdit> guard(edit);
      m_committing = true;
      emit commitData(edit);
      m_committing = false;
      if (!guard)
        return true;  // the commit removed the row, and the editor with it
      if (m_refused) {
        edit->setFocus();
        return true;
      }
      emit closeEditor(edit, QAbstractItemDelegate::SubmitModelCache);
      return true;
    }
  }
  return JqDataColumnDelegate::eventFilter(object, event);
}

} // namespace vz

#include "jqdatacolumndelegate.h"
#include "jqdatacolumn.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>

namespace vz {

JqDataColumnDelegate::JqDataColumnDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

bool JqDataColumnDelegate::isNumberText(const QString &text)
{
  static const QRegularExpression number(
      QStringLiteral("^\\s*[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?\\s*$"));
  return number.match(text).hasMatch();
}

void JqDataColumnDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
  QStyledItemDelegate::initStyleOption(option, index);
  if (isNumberText(option->text)) {
    option->text = option->text.trimmed();
    option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
  } else {
    // Padding after a name would only push it into an ellipsis.
    qsizetype end = option->text.size();
    while (end > 0 && option->text.at(end - 1) == QLatin1Char(' '))
      --end;
    option->text.truncate(end);
    option->displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  }
}

void JqDataColumnDelegate::setColumn(int section, JQDATACOLUMN *column)
{
  if (section < 0)
    return;
  if (m_columns.size() <= section)
    m_columns.resize(section + 1);
  m_columns[section] = column;
}

JQDATACOLUMN *JqDataColumnDelegate::column(int section) const
{
  return section >= 0 && section < m_columns.size() ? m_columns[section] : nullptr;
}

QWidget *JqDataColumnDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
  JQDATACOLUMN *col = column(index.column());
  if (!col)
    return QStyledItemDelegate::createEditor(parent, option, index);
  col->setVALUE(index.data(Qt::EditRole));
  QWidget *editor = col->GETEDITOBJECT(parent, EditorId, option.rect);
  editor->show();
  return editor;
}

void JqDataColumnDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
  if (!column(index.column())) {
    QStyledItemDelegate::setEditorData(editor, index);
    return;
  }
  // GETEDITOBJECT already put the value in; a later refresh reloads it.
  const QVariant v = index.data(Qt::EditRole);
  if (auto *e = qobject_cast<QLineEdit *>(editor)) {
    if (!e->isModified())
      e->setText(v.toString());
  } else if (auto *c = qobject_cast<QComboBox *>(editor)) {
    c->setCurrentText(v.toString());
  }
}

void JqDataColumnDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                        const QModelIndex &index) const
{
  if (!column(index.column())) {
    QStyledItemDelegate::setModelData(editor, model, index);
    return;
  }
  if (auto *e = qobject_cast<QLineEdit *>(editor))
    model->setData(index, e->text(), Qt::EditRole);
  else if (auto *c = qobject_cast<QComboBox *>(editor))
    model->setData(index, c->currentText(), Qt::EditRole);
  else if (auto *b = qobject_cast<QCheckBox *>(editor))
    model->setData(index, b->isChecked(), Qt::EditRole);
}

void JqDataColumnDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                const QModelIndex &index) const
{
  if (!column(index.column())) {
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    return;
  }
  editor->setGeometry(option.rect);
}

} // namespace vz

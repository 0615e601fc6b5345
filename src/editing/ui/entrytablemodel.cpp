#include "entrytablemodel.h"

namespace vz {

EntryTableModel::EntryTableModel(EntryTable &table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
  m_table.setObserver(this);
}

EntryTableModel::~EntryTableModel() { m_table.setObserver(nullptr); }

int EntryTableModel::rowCount(const QModelIndex &parent) const
{
  return parent.isValid() ? 0 : m_table.rowCount();
}

int EntryTableModel::columnCount(const QModelIndex &parent) const
{
  return parent.isValid() ? 0 : m_table.columnCount();
}

QVariant EntryTableModel::data(const QModelIndex &index, int role) const
{
  if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
    return QVariant();
  if (role == Qt::DisplayRole || role == Qt::EditRole)
    return m_table.cell(index.row() + 1, index.column() + 1);
  if (role == Qt::TextAlignmentRole) {
    // Names and labels read from the left; number text is already aligned.
    return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
  }
  return QVariant();
}

QVariant EntryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
  if (role != Qt::DisplayRole)
    return QVariant();
  if (orientation == Qt::Horizontal)
    return section >= 0 && section < m_table.columnCount() ? m_table.columns().at(section).caption
                                                           : QVariant();
  return section + 1;
}

Qt::ItemFlags EntryTableModel::flags(const QModelIndex &index) const
{
  if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
    return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  if (!(m_table.kind() == EntryKind::Matrix && index.column() == 0))
    f |= Qt::ItemIsEditable;
  return f;
}

bool EntryTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
  if (role != Qt::EditRole || !index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
    return false;
  if (!(flags(index) & Qt::ItemIsEditable))
    return false;
  return m_table.ENDEDIT(index.row() + 1, index.column() + 1, value.toString())
         != EntryTable::EditOutcome::Refused;
}

void EntryTableModel::rowAboutToBeAppended(int row) { beginInsertRows(QModelIndex(), row - 1, row - 1); }
void EntryTableModel::rowAppended() { endInsertRows(); }
void EntryTableModel::rowAboutToBeRemoved(int row) { beginRemoveRows(QModelIndex(), row - 1, row - 1); }
void EntryTableModel::rowRemoved() { endRemoveRows(); }

void EntryTableModel::rowChanged(int row)
{
  if (row >= 1 && row <= rowCount() && columnCount() > 0)
    emit dataChanged(index(row - 1, 0), index(row - 1, columnCount() - 1));
}

} // namespace vz

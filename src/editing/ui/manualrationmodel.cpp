#include "manualrationmodel.h"

namespace vz {

ManualRationModel::ManualRationModel(ManualRation &ration, Pane pane, QObject *parent)
    : QAbstractTableModel(parent), m_ration(ration), m_pane(pane)
{
}

int ManualRationModel::rowCount(const QModelIndex &parent) const
{
  if (parent.isValid())
    return 0;
  return m_pane == Pane::Upper ? m_ration.rowCount() : int(m_ration.lower().size());
}

int ManualRationModel::columnCount(const QModelIndex &parent) const
{
  return parent.isValid() ? 0 : m_ration.columnCount();
}

QVariant ManualRationModel::data(const QModelIndex &index, int role) const
{
  if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
    return QVariant();
  if (role == Qt::DisplayRole || role == Qt::EditRole) {
    return m_pane == Pane::Upper ? m_ration.upperCell(index.row() + 1, index.column() + 1)
                                 : m_ration.lowerCell(index.row() + 1, index.column() + 1);
  }
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
  return QVariant();
}

QVariant ManualRationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
  if (role != Qt::DisplayRole)
    return QVariant();
  if (orientation == Qt::Vertical)
    return section + 1;
  const QList<ManualRation::Field> &fields =
      m_pane == Pane::Upper ? m_ration.upperFields() : m_ration.lowerFields();
  return section >= 0 && section < fields.size() ? QVariant(fields.at(section).caption) : QVariant();
}

Qt::ItemFlags ManualRationModel::flags(const QModelIndex &index) const
{
  if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
    return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  if (m_pane == Pane::Upper && ManualRation::isEditable(index.column() + 1))
    f |= Qt::ItemIsEditable;
  return f;
}

bool ManualRationModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
  if (role != Qt::EditRole || m_pane != Pane::Upper || !index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
    return false;
  QString refusal;
  if (!m_ration.ENDEDIT(index.row() + 1, index.column() + 1, value.toString(), &refusal)) {
    if (!refusal.isEmpty())
      emit refused(refusal);
    return false;
  }
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  emit committed(index.row() + 1, index.column() + 1);
  return true;
}

void ManualRationModel::refresh()
{
  if (rowCount() > 0 && columnCount() > 0)
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole, Qt::EditRole});
}

} // namespace vz

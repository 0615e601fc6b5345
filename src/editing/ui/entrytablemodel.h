#pragma once
// The grid model over an entry window's table: one model row per table row,
// one model column per field. Every value a view writes passes through the
// table's end-of-edit rules; rows come and go as the table tells.
#include "editing/entrytable.h"
#include <QAbstractTableModel>

namespace vz {

class EntryTableModel : public QAbstractTableModel, public EntryTable::Observer {
  Q_OBJECT
public:
  // The table is not owned and must outlive the model.
  explicit EntryTableModel(EntryTable &table, QObject *parent = nullptr);
  ~EntryTableModel() override;

  EntryTable &table() const { return m_table; }

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;
  // False when the table refused the value (the cell keeps its old one).
  bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

  void rowAboutToBeAppended(int row) override;
  void rowAppended() override;
  void rowAboutToBeRemoved(int row) override;
  void rowRemoved() override;
  void rowChanged(int row) override;

private:
  EntryTable &m_table;
};

} // namespace vz

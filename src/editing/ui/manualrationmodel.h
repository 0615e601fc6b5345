#pragma once
// The grid model over one table of the manual ration: the upper table (one
// row per feedstuff, amounts and trial values typed here) or the lower table
// (results, requirements, differences; read-only). Every typed value passes
// through the manual ration's end-of-edit rules.
#include "editing/manualration.h"
#include <QAbstractTableModel>

namespace vz {

class ManualRationModel : public QAbstractTableModel {
  Q_OBJECT
public:
  enum class Pane { Upper, Lower };

  // The ration is not owned and must outlive the model.
  ManualRationModel(ManualRation &ration, Pane pane, QObject *parent = nullptr);

  Pane pane() const { return m_pane; }
  ManualRation &ration() const { return m_ration; }

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;
  // False for the lower table and for cells that take no typing.
  bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

  // Every cell may have changed (after a computation).
  void refresh();

signals:
  // A typed value was stored in the upper table.
  void committed(int row, int column);
  // A typed value was refused (the cell kept its value); `message` says why.
  void refused(const QString &message);

private:
  ManualRation &m_ration;
  Pane m_pane;
};

} // namespace vz

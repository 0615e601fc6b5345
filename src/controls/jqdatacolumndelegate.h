#pragma once
// Lets a QTableView edit its cells through the editors that its JQDATACOLUMN
// columns build: Enter or leaving the cell commits, Escape cancels.
#include <QStyledItemDelegate>
#include <QVector>

namespace vz {

class JQDATACOLUMN;

class JqDataColumnDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  explicit JqDataColumnDelegate(QObject *parent = nullptr);

  // The column that edits model column `section`; columns are not owned.
  void setColumn(int section, JQDATACOLUMN *column);
  JQDATACOLUMN *column(int section) const;

  // The control id the editors get (the grids use 101).
  static constexpr int EditorId = 101;

  QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                        const QModelIndex &index) const override;
  void setEditorData(QWidget *editor, const QModelIndex &index) const override;
  void setModelData(QWidget *editor, QAbstractItemModel *model,
                    const QModelIndex &index) const override;
  void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const override;

  // Number text is shown right-aligned without its padding, so that decimal
  // points line up whatever the font; other text reads from the left, without
  // the padding after it.
  static bool isNumberText(const QString &text);

protected:
  void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
  QVector<JQDATACOLUMN *> m_columns;
};

} // namespace vz

#pragma once
// Picks any number of items of a list, each click toggling one; the
// "Tümünü &Seç" button selects all (its caption then reads "Tümünü &Kaldır",
// which clears all). The caller reads ANSELECTED: the 1-based positions of the
// chosen items in ascending order, empty when none was chosen or on Cancel.
#include "okcanceldialog.h"
#include <QList>
#include <QStringList>

class QPushButton;

namespace vz {

class JQLISTBOX;

class MARKTOPBOT : public OkCancelDialog {
  Q_OBJECT
public:
  MARKTOPBOT(QWidget *owner, const QString &caption, const QStringList &items,
             bool offerSelectAll = true);

  QList<int> ANSELECTED() const { return m_selected; }
  JQLISTBOX *LBTOSELECT() const { return m_list; }
  QPushButton *selectAllButton() const { return m_selectAll; }  // null when not offered

public slots:
  void PBTAMAM() override;
  void PBIPTAL() override;
  void PBTSEC();

private:
  JQLISTBOX *m_list;
  QPushButton *m_selectAll = nullptr;
  QList<int> m_selected;
};

} // namespace vz
